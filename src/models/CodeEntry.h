// The values behind the small code entry dialogs of the Key Edit menu: the
// delay time, the shift level, the ASCII code and the scan code word picked
// from a list. The dialogs only show these values; the words they produce are
// inserted at the cursor of the selected key by the caller.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vexa {

class CodeEntry {
 public:
  // Delay time in tenths of a second and shift level: spin ranges and start values.
  static constexpr int kDelayMin = 1, kDelayMax = 100, kDelayInitial = 1;
  static constexpr int kShiftLevelMin = 1, kShiftLevelMax = 9, kShiftLevelInitial = 1;
  // ASCII code: what the dialog accepts, and what the editor view puts in the
  // field before opening it.
  static constexpr int kAsciiMin = 1, kAsciiMax = 240, kAsciiInitial = 32;
  // The scan code word preselected when the scan code dialog opens.
  static constexpr std::string_view kInitialScanCode = "[F6]";

  // "[Delay" n "]" and "[ShiftLevel" n "]"; a value outside its spin range is
  // brought to the nearest end of it.
  [[nodiscard]] static std::string DelayWord(int tenths);
  [[nodiscard]] static std::string ShiftLevelWord(int level);

  // The ASCII code dialog's check on OK. The text must be a whole number that
  // fits a byte (blanks around it allowed), else msg::kAsciiCodeNotByte; then
  // it must lie in kAsciiMin..kAsciiMax, else msg::kAsciiCodeRange filled in
  // with those bounds. The dialog stays open while `ok` is false.
  struct AsciiCheck {
    bool ok = false;
    int value = 0;
    std::string message;
  };
  [[nodiscard]] static AsciiCheck CheckAsciiCode(std::string_view text);
  // The one-character text the ASCII code inserts.
  [[nodiscard]] static std::string AsciiCodeText(int code);

  // The scan code words of the drop-down list in their order (not sorted): the
  // named words of the key word dictionary in help text order without [0E0]
  // and [0F0], with one empty entry after the keypad group.
  [[nodiscard]] static std::span<const std::string_view> ScanCodeList();
  // The entry the list opens with for `value`: the first whose beginning
  // matches `value` ignoring case; -1 when none does, and the combo box's text
  // field then shows `value` itself. Whatever the field holds on OK, picked or
  // typed, is the dialog's value, unchecked.
  [[nodiscard]] static int ScanCodeSelection(std::string_view value);
};

}  // namespace vexa
