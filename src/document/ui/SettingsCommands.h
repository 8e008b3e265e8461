// The two settings commands of the Configuration menu: Config KB Properties
// (the keyboard's feature switches) and Config MR properties (the card reader,
// enabled only on models that have one). Both edit the settings area of the
// memory image and mark the template modified when the user accepts: Save and
// Write Into KB take the image as it is, so the change must not be lost
// silently.
#pragma once

#include <functional>

namespace vexa {

class CVEXADoc;
class CVEXAView;
class CommandRouter;
class UserInterface;

class SettingsCommands {
 public:
  // `usbPort` tells whether the keyboard is connected by USB (its serial
  // settings are then not offered).
  SettingsCommands(CVEXADoc& doc, CVEXAView& view, UserInterface& ui, std::function<bool()> usbPort);

  void Register(CommandRouter& router);

  void ConfigKeyboard();
  void ConfigCardReader();

 private:
  CVEXADoc& m_doc;
  CVEXAView& m_view;
  UserInterface& m_ui;
  std::function<bool()> m_usbPort;
};

}  // namespace vexa
