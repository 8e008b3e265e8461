// The ten commands of the Key Edit menu and toolbar: they work on the selected
// key of the layout view with the same steps as the key editor, and insert the
// codes that cannot be typed ([Caps], [Delay n], [Separator], [ShiftLevelN], a
// character by its code, a scan code word picked from a list).
//
// Each command has an enabling rule, asked whenever the menus and the toolbar
// are refreshed; a disabled command does nothing. The value dialogs go through
// the UserInterface, and Cancel there changes nothing.
//
// An insert into a key that holds a shift level code is refused before any
// dialog opens, with the reason in the status bar.
//
// Set ASCII Mode and Set ScanCode Mode empty the content (a content is only
// valid in one mode) but do not mark the template modified.
#pragma once

#include <span>
#include <string_view>

#include "view/KeyEditor.h"

namespace vexa {

class CVEXADoc;
class UserInterface;
struct ViewState;

class KeyEditCommands {
 public:
  KeyEditCommands(CVEXADoc& doc, ViewState& state, UserInterface& ui);

  // The command ids handled here, in menu order.
  [[nodiscard]] static std::span<const int> Ids();

  [[nodiscard]] bool IsEnabled(int id) const;
  // Runs command `id` when it is one of ours and enabled; returns what the
  // view must redraw.
  Repaint Execute(int id);

  Repaint ClearKey();
  Repaint SetAsciiMode();
  Repaint SetScanCodeMode();
  Repaint InsertCaps();
  Repaint InsertDelay();
  Repaint LevelSeparator();
  Repaint ShiftLevel();
  Repaint EnterAsciiCode();
  Repaint SwitchDisplay();
  Repaint SelectScanCode();

 private:
  [[nodiscard]] const std::string& Content() const;
  [[nodiscard]] bool SelectedIsAscii() const;
  // The insert command of Insert Caps Code, Insert Delay Time, Enter Level
  // Separator and Select Scan Code: marks the template modified, inserts at
  // the cursor if there is space left, marks the key edited. In the decimal
  // display the cursors go back to the start afterwards. (Enter Shift Level
  // code puts the caret after its word instead.)
  Repaint InsertCommand(std::string_view text);
  // A shift level code is the whole content of its key: true, with the reason
  // in the status bar, when the selected key holds one.
  bool RefusedForShiftLevel();
  void SetMode(bool ascii);

  CVEXADoc& m_doc;
  ViewState& m_state;
  UserInterface& m_ui;
  KeyEditor m_editor;
};

}  // namespace vexa
