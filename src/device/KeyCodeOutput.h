// The keyboard output test: what the text area of the test window shows while
// the user presses keys on the programmed keyboard. Every key-down appends the
// key's name: ", [F1]" for a named key, the character itself for letters,
// digits and punctuation.
//
// Key events arrive as a virtual-key code (letters as their upper-case code)
// and a flags word: bits 0-7 the set-1 make code, bit 8 extended (E0), bit 14
// already down (auto-repeat), bit 15 released. The flags word is compared as a
// whole, so any other bit set (a system key carries one) finds no name.
//
// Traps kept on purpose, because this is how the test reports the keyboard:
//  - The shift flag is set by every Shift key-down (repeats too) and cleared
//    only by a release whose flags are exactly 0xC02A or 0xC036. A lost Shift
//    release leaves the following digits shifted.
//  - Letters are lower case when the shift flag equals the Caps Lock state
//    (1 on, 0 off; any other value, reported while Caps Lock is held, gives
//    upper case), so Shift with Caps Lock on gives lower case.
//  - Digits and punctuation appear for first presses only; named keys repeat,
//    except Caps Lock. F6 has no name and gives nothing.
//
// The key that opened the test (Enter on the menu entry, say) is still down
// when the test opens: its repeats and its release are not the keyboard's
// answer, so events of a key whose press came before the opening are not
// recorded. Every key may be one the keyboard under test sends, Esc, Tab and
// Space included, so they are all recorded; Esc pressed three times within a
// second also closes the test (the window says so), for whoever has no mouse.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace vexa {

class KeyCodeOutput {
 public:
  struct Box {
    int left, top, right, bottom;
  };
  // Client coordinates inside the test window.
  static constexpr Box kQuitBox{550, 5, 630, 25};
  static constexpr Box kTextAreaRect{10, 30, 630, 275};
  // The test window's place in the editor view's client area.
  static constexpr Box kWindowRect{50, 50, 700, 350};
  static constexpr int kTitleX = 10, kTitleY = 5;
  static constexpr int kQuitTextX = 580, kQuitTextY = 7;
  static constexpr int kWindowControlId = 1087, kTextAreaControlId = 1091;

  // Appends the name of the key and returns what was appended (possibly empty;
  // the window is repainted either way). `capsLockState` is 1 when Caps Lock is
  // on, 0 when off.
  std::string KeyDown(int keyCode, int flags, int capsLockState);
  // Clears the shift flag for a left or right Shift release; appends nothing.
  void KeyUp(int flags);
  // Opening the test: the text starts empty; the shift flag keeps its value.
  // Keys held down now are not recorded until they are pressed again.
  void Clear() {
    m_text.clear();
    m_escTimes.clear();
    m_pressedSinceOpen.clear();
    m_opened = true;
  }
  // Creating the text area: empty text, shift flag cleared.
  void Reset() {
    m_text.clear();
    m_escTimes.clear();
    m_pressedSinceOpen.clear();
    m_opened = false;
    m_shift = false;
  }
  // Counts a key-down at `timeMs` (any steady milliseconds) towards the way
  // out by keyboard: true at the third Esc first press within kQuitWindowMs,
  // the presses in between being Esc only.
  [[nodiscard]] bool QuitRequested(int flags, std::int64_t timeMs);
  static constexpr int kQuitPresses = 3;
  static constexpr std::int64_t kQuitWindowMs = 1000;

  [[nodiscard]] const std::string& Text() const { return m_text; }
  [[nodiscard]] bool ShiftFlag() const { return m_shift; }

  // The name of a key-down for the given shift flag, without touching any state.
  [[nodiscard]] static std::string KeyName(int keyCode, int flags, bool shift, int capsLockState);
  // Whether a click closes the test: strictly inside the Quit box, its outline
  // not included.
  [[nodiscard]] static bool IsInQuitBox(int x, int y);

 private:
  std::string m_text;
  bool m_shift = false;
  bool m_opened = false;                 // Clear() ran: keys held since then are not recorded
  std::set<int> m_pressedSinceOpen;      // make codes (with the extended bit) pressed since opening
  std::vector<std::int64_t> m_escTimes;  // the Esc presses in a row, the latest last
};

}  // namespace vexa
