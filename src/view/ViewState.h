// The editing state of the layout view: which key is selected, the key modes,
// the cursor inside the selected key's content and where it stands in the
// 85-column content window, the ESC prefix and Shift tracking of the key
// editor, the decimal display and the error line, and the port in use.
//
// None of this is stored in any file. The key editor and the transfer commands
// work on the same state; the widget only paints it and maps events onto it.
#pragma once

#include <array>
#include <string>

#include "document/MemoryImage.h"

namespace vexa {

class CVEXADoc;

inline constexpr int kContentColumns = 85;  // caret columns 0..85 of the content window

// Where the user was editing: the selected key, its mode and the cursor. Undo
// and redo put it back with the template state they restore.
struct CursorMemento {
  int selectedPosition = 0;
  int selectedKey = 0;
  bool asciiMode = true;
  int cursor = 0;
  int decimalCursor = 0;
  int caretColumn = 0;
  bool decimalDisplay = false;
  friend bool operator==(const CursorMemento&, const CursorMemento&) = default;
};

struct ViewState {
  int selectedPosition = 0;
  int selectedKey = 0;  // key index = key map entry of the selected position
  // By key index: 1 = ASCII mode, 0 = scan code mode. Only the selected key's
  // entry is read; it is set from the content whenever a key becomes selected.
  std::array<int, kKeyCount> keyModes{};
  int cursor = 0;         // insertion point in the selected key's content
  int decimalCursor = 0;  // insertion point in its decimal form
  int caretColumn = 0;    // 0..kContentColumns
  bool escPrefix = false;
  bool shiftReleased = true;
  bool decimalDisplay = false;
  bool errorFlag = false;
  int portKind = -1;     // 0 = PS/2, 5 = USB once chosen (the keyboard connection's PortKind)
  std::string portName;  // "PS2" or "USB" once chosen

  ViewState() { keyModes.fill(1); }

  [[nodiscard]] bool SelectedIsAscii() const { return keyModes[static_cast<size_t>(selectedKey)] != 0; }
  // The selection flag of a layout position: exactly one position is selected.
  [[nodiscard]] bool IsSelected(int position) const { return position == selectedPosition; }

  // The first display of the view and every New and Open: position 0 selected,
  // every key in ASCII mode except the selected one, whose mode follows its
  // content; cursors and caret at 0, ESC prefix off, Shift released, error
  // line and decimal display off.
  void ResetForInitialUpdate(const CVEXADoc& doc);
  // After a model switch: as above, but the decimal display and the error line
  // keep their state.
  void ResetForModelSwitch(const CVEXADoc& doc);
  // After a read from or a write into the keyboard: position 0 selected and its
  // mode set from its content; the other keys' modes are left alone.
  void ResetAfterTransfer(const CVEXADoc& doc);
  // After an import or Load Default replaced contents under the selection: the
  // cursor goes back to the start of the content and the key's mode follows
  // its new content, so no cursor is left pointing past the end.
  void ResetAfterContentReplaced(const CVEXADoc& doc);

  // Sets the selected key's mode from its content (ASCII when the ASCII-mode
  // check accepts it); the decimal display goes off for a scan code key.
  void SetModeFromContent(const CVEXADoc& doc);

  [[nodiscard]] CursorMemento SaveCursor() const;
  // Selects the remembered key with its mode and cursor again. The cursors are
  // kept inside the content as it now stands, the decimal display only for an
  // ASCII mode key; the error line goes.
  void RestoreCursor(const CursorMemento& memento, const CVEXADoc& doc);

 private:
  void SelectFirstPositionAndHome(const CVEXADoc& doc);
};

}  // namespace vexa
