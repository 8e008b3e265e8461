// The two settings commands of the Configuration menu: Config KB Properties
// (the keyboard's feature switches) and Config MR properties (the card reader,
// enabled only on models that have one). Both edit the settings area of the
// memory image and mark the template modified when the user accepts: Save and
// Write Into KB take the image as it is, so the change must not be lost
// silently.
#pragma once

#include <functional>

#include "view/KeyEditor.h"

namespace vexa {

class CVEXADoc;
class CommandRouter;
class UserInterface;
struct ViewState;

class SettingsCommands {
 public:
  // `usbPort` tells whether the keyboard is connected by USB (its serial
  // settings are then not offered); `repaint` redraws the part of the view
  // that a command changed.
  SettingsCommands(CVEXADoc& doc, ViewState& state, UserInterface& ui, std::function<bool()> usbPort,
                   std::function<void(Repaint)> repaint);

  void Register(CommandRouter& router);

  void ConfigKeyboard();
  void ConfigCardReader();

 private:
  CVEXADoc& m_doc;
  ViewState& m_state;
  UserInterface& m_ui;
  std::function<bool()> m_usbPort;
  std::function<void(Repaint)> m_repaint;
};

}  // namespace vexa
