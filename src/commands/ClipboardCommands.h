// Copy, Cut and Paste of the selected key's content (Ctrl+C / Ctrl+Insert,
// Ctrl+X / Shift+Delete, Ctrl+V / Shift+Insert).
//
// Copy puts the content text on the clipboard as the content window shows it:
// plain characters, "[[" and "]]" for brackets, key words in brackets; a
// content printed by `vexa-cli template show` is the same text. Cut copies,
// then clears the key as Clear Current Key does.
//
// Paste inserts the clipboard text at the cursor under the rules of typing,
// all or nothing:
//  - not in the decimal display (typing inserts nothing there): Paste is
//    disabled; a clipboard without text pastes nothing;
//  - the line end that a copied terminal line brings along is dropped;
//  - the content must stay valid in the key's mode (an empty key takes the
//    mode of what is pasted, and a content that already left the key's mode,
//    such as a word typed after Esc in ASCII mode, counts in the mode it has,
//    as a key selected with that content would); otherwise "Wrong function
//    word or scan code word!!" and nothing changes.
//    Text with a character no key can hold is refused the same way;
//  - the key data must still fit the keyboard's memory; otherwise the
//    not-enough-memory message and nothing changes (typing would let a long
//    text overrun the memory and leave the template unsavable);
//  - the key is marked edited and the template modified; on the PX2400 the
//    linked key follows.
#pragma once

#include "commands/KeyEditCommands.h"
#include "view/KeyEditor.h"

namespace vexa {

class CVEXADoc;
class Clipboard;
class UserInterface;
struct ViewState;

class ClipboardCommands {
 public:
  ClipboardCommands(CVEXADoc& doc, ViewState& state, UserInterface& ui, Clipboard& clipboard);

  // Copy and Cut are enabled while the selected key has content, Paste while
  // the decimal display is off (the clipboard is only read when pasting: the
  // rules are asked after every keystroke, and asking the system clipboard
  // may wait for another program).
  [[nodiscard]] bool CanCopy() const;
  [[nodiscard]] bool CanPaste() const;

  Repaint Copy();
  Repaint Cut();
  Repaint Paste();

 private:
  CVEXADoc& m_doc;
  ViewState& m_state;
  UserInterface& m_ui;
  Clipboard& m_clipboard;
  KeyEditCommands m_keyEdit;  // Clear Current Key, for Cut
  KeyEditor m_editor;
};

}  // namespace vexa
