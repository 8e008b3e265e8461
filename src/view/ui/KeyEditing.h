// Key editing in the running editor: installs the key editor in the layout
// view and puts the ten Key Edit commands, with their enabling rules, in the
// command router. The main frame asks the rules whenever it refreshes menus and toolbar, so a
// menu item and its toolbar button are greyed together.
#pragma once

#include <QPointer>

#include "commands/KeyEditCommands.h"
#include "view/ui/ViewKeyEditor.h"

namespace vexa {

class CommandRouter;
class CVEXADoc;
class CVEXAView;
class UserInterface;

class KeyEditing {
 public:
  KeyEditing(CVEXADoc& doc, CVEXAView& view, UserInterface& ui, CommandRouter& router);
  ~KeyEditing();
  KeyEditing(const KeyEditing&) = delete;
  KeyEditing& operator=(const KeyEditing&) = delete;

  // The keyboard output test installs its diversion here while its window is
  // open (ViewKeyEditor::SetDiversion).
  [[nodiscard]] ViewKeyEditor& KeyHandler() { return m_keys; }
  [[nodiscard]] KeyEditCommands& Commands() { return m_commands; }

 private:
  void Repaint(vexa::Repaint area);

  QPointer<CVEXAView> m_view;
  ViewKeyEditor m_keys;
  KeyEditCommands m_commands;
};

}  // namespace vexa
