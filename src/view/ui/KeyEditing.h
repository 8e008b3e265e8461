// Key editing in the running editor: installs the key editor in the layout
// view (its keystrokes recorded in the edit history) and puts the ten Key Edit
// commands and the clipboard's Cut, Copy and Paste, with their enabling rules,
// in the command router. The main frame asks the rules whenever it refreshes
// menus and toolbar, so a menu item and its toolbar button are greyed
// together.
#pragma once

#include <QPointer>

#include "commands/ClipboardCommands.h"
#include "commands/KeyEditCommands.h"
#include "view/ui/ViewKeyEditor.h"

namespace vexa {

class Clipboard;
class CommandRouter;
class CVEXADoc;
class CVEXAView;
class UndoHistory;
class UserInterface;

class KeyEditing {
 public:
  KeyEditing(CVEXADoc& doc, CVEXAView& view, UserInterface& ui, CommandRouter& router, Clipboard& clipboard,
             UndoHistory* history);
  ~KeyEditing();
  KeyEditing(const KeyEditing&) = delete;
  KeyEditing& operator=(const KeyEditing&) = delete;

  // The keyboard output test installs its diversion here while its window is
  // open (ViewKeyEditor::SetDiversion).
  [[nodiscard]] ViewKeyEditor& KeyHandler() { return m_keys; }
  [[nodiscard]] KeyEditCommands& Commands() { return m_commands; }
  [[nodiscard]] ClipboardCommands& ClipboardEdits() { return m_clipboard; }

 private:
  void Repaint(vexa::Repaint area);

  QPointer<CVEXAView> m_view;
  ViewKeyEditor m_keys;
  KeyEditCommands m_commands;
  ClipboardCommands m_clipboard;
};

}  // namespace vexa
