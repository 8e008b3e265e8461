#include "view/KeyEventMapping.h"

#include <array>

namespace vexa {
namespace {

constexpr std::uint32_t kXkbKeycodeOffset = 8;

// X modifier bits.
constexpr std::uint32_t kModShift = 0x01, kModLock = 0x02, kModControl = 0x04, kModAlt = 0x08,
                        kModNumLock = 0x10;

// Keysyms the mapping looks at.
constexpr std::uint32_t kXkKpDecimal = 0xffae, kXkKpSeparator = 0xffac, kXkKp0 = 0xffb0, kXkKp9 = 0xffb9;
constexpr std::uint32_t kXkKpHome = 0xff95, kXkKpDelete = 0xff9f;  // keypad navigation range
constexpr std::uint32_t kXkHome = 0xff50, kXkBegin = 0xff58, kXkInsert = 0xff63, kXkDelete = 0xffff,
                        kXkClear = 0xff0b;

// Virtual-key codes with a rule of their own.
constexpr int kVkClear = 12, kVkMenu = 18, kVkF10 = 121;

enum class Kind : std::uint8_t {
  None,    // no PC equivalent
  Plain,   // virtual key fixed by the physical key
  Typing,  // letter, digit or punctuation position: a Latin letter keysym decides the virtual key
  Keypad,  // digit with Num Lock, navigation without
};

struct PhysicalKey {
  Kind kind = Kind::None;
  std::uint16_t flags = 0;    // make code | extended bit
  std::uint8_t vk = 0;        // the virtual key (for Keypad: the navigation key)
  std::uint8_t keypadVk = 0;  // Keypad only: the virtual key with Num Lock on
};

constexpr int kEvdevKeys = 128;

constexpr std::array<PhysicalKey, kEvdevKeys> BuildTable() {
  std::array<PhysicalKey, kEvdevKeys> t{};
  auto plain = [&t](int code, int vk, int flags) {
    t[static_cast<size_t>(code)] = {Kind::Plain, static_cast<std::uint16_t>(flags),
                                    static_cast<std::uint8_t>(vk), 0};
  };
  auto typing = [&t](int code, int vk) {
    t[static_cast<size_t>(code)] = {Kind::Typing, static_cast<std::uint16_t>(code),
                                    static_cast<std::uint8_t>(vk), 0};
  };
  auto keypad = [&t](int code, int digitVk, int navVk) {
    t[static_cast<size_t>(code)] = {Kind::Keypad, static_cast<std::uint16_t>(code),
                                    static_cast<std::uint8_t>(navVk), static_cast<std::uint8_t>(digitVk)};
  };

  plain(1, 27, 0x01);  // Esc
  for (int code = 2; code <= 10; ++code) typing(code, '1' + code - 2);
  typing(11, '0');
  typing(12, 189);     // - _
  typing(13, 187);     // = +
  plain(14, 8, 0x0E);  // Backspace
  plain(15, 9, 0x0F);  // Tab
  constexpr char kRowQ[] = "QWERTYUIOP";
  for (int i = 0; i < 10; ++i) typing(16 + i, kRowQ[i]);
  typing(26, 219);      // [ {
  typing(27, 221);      // ] }
  plain(28, 13, 0x1C);  // Enter
  plain(29, 17, 0x1D);  // left Ctrl
  constexpr char kRowA[] = "ASDFGHJKL";
  for (int i = 0; i < 9; ++i) typing(30 + i, kRowA[i]);
  typing(39, 186);      // ; :
  typing(40, 222);      // ' "
  typing(41, 192);      // ` ~
  plain(42, 16, 0x2A);  // left Shift
  typing(43, 220);      // \ |
  constexpr char kRowZ[] = "ZXCVBNM";
  for (int i = 0; i < 7; ++i) typing(44 + i, kRowZ[i]);
  typing(51, 188);       // , <
  typing(52, 190);       // . >
  typing(53, 191);       // / ?
  plain(54, 16, 0x36);   // right Shift
  plain(55, 106, 0x37);  // keypad *
  plain(56, 18, 0x38);   // left Alt
  plain(57, 32, 0x39);   // Space
  plain(58, 20, 0x3A);   // Caps Lock
  // F1..F10
  for (int i = 0; i < 10; ++i) plain(59 + i, 112 + i, 0x3B + i);
  plain(69, 144, 0x145);      // Num Lock: extended on PC keyboards
  plain(70, 145, 0x46);       // Scroll Lock
  keypad(71, 103, 36);        // 7 / Home
  keypad(72, 104, 38);        // 8 / Up
  keypad(73, 105, 33);        // 9 / Page Up
  plain(74, 109, 0x4A);       // keypad -
  keypad(75, 100, 37);        // 4 / Left
  keypad(76, 101, kVkClear);  // 5 / Clear
  keypad(77, 102, 39);        // 6 / Right
  plain(78, 107, 0x4E);       // keypad +
  keypad(79, 97, 35);         // 1 / End
  keypad(80, 98, 40);         // 2 / Down
  keypad(81, 99, 34);         // 3 / Page Down
  keypad(82, 96, 45);         // 0 / Insert
  keypad(83, 110, 46);        // . / Delete
  typing(86, 226);            // the extra key of ISO keyboards
  plain(87, 122, 0x57);       // F11
  plain(88, 123, 0x58);       // F12
  plain(96, 13, 0x11C);       // keypad Enter
  plain(97, 17, 0x11D);       // right Ctrl
  plain(98, 111, 0x135);      // keypad /
  // Print Screen (99) is left out: the desktop takes its presses for itself.
  plain(100, kVkMenu, 0x138);  // right Alt
  plain(102, 36, 0x147);       // Home
  plain(103, 38, 0x148);       // Up
  plain(104, 33, 0x149);       // Page Up
  plain(105, 37, 0x14B);       // Left
  plain(106, 39, 0x14D);       // Right
  plain(107, 35, 0x14F);       // End
  plain(108, 40, 0x150);       // Down
  plain(109, 34, 0x151);       // Page Down
  plain(110, 45, 0x152);       // Insert
  plain(111, 46, 0x153);       // Delete
  plain(119, 19, 0x45);        // Pause: plain 0x45 on PC keyboards
  plain(125, 91, 0x15B);       // left Windows
  plain(126, 92, 0x15C);       // right Windows
  plain(127, 93, 0x15D);       // Menu
  return t;
}

constexpr std::array<PhysicalKey, kEvdevKeys> kKeys = BuildTable();

bool IsKeypadDigitKeysym(std::uint32_t keysym) {
  return (keysym >= kXkKp0 && keysym <= kXkKp9) || keysym == kXkKpDecimal || keysym == kXkKpSeparator ||
         (keysym >= 0x20 && keysym <= 0x7e);
}

bool IsNavigationKeysym(std::uint32_t keysym) {
  return (keysym >= kXkKpHome && keysym <= kXkKpDelete) || (keysym >= kXkHome && keysym <= kXkBegin) ||
         keysym == kXkInsert || keysym == kXkDelete || keysym == kXkClear;
}

// Whether a keypad digit key gives its digit: the keysym tells, as the layout
// has already applied Num Lock (and Shift); without a usable keysym, Num Lock
// on and no Shift.
bool KeypadGivesDigit(std::uint32_t keysym, std::uint32_t modifiers) {
  if (IsKeypadDigitKeysym(keysym)) return true;
  if (IsNavigationKeysym(keysym)) return false;
  return (modifiers & kModNumLock) && !(modifiers & kModShift);
}

}  // namespace

std::optional<PcKeyEvent> MapKeyEvent(const NativeKeyEvent& event) {
  if (!event.press && event.autoRepeat) return std::nullopt;
  if (event.scanCode < kXkbKeycodeOffset || event.scanCode - kXkbKeycodeOffset >= kEvdevKeys)
    return std::nullopt;
  const std::uint32_t code = event.scanCode - kXkbKeycodeOffset;
  const PhysicalKey& key = kKeys[code];
  if (key.kind == Kind::None) return std::nullopt;

  PcKeyEvent out;
  out.press = event.press;
  out.flags = key.flags;
  out.virtualKey = key.vk;
  out.capsLock = event.modifiers & kModLock;
  out.numLock = event.modifiers & kModNumLock;
  out.shift = event.modifiers & kModShift;

  switch (key.kind) {
    case Kind::Typing:
      if (event.keysym >= 'a' && event.keysym <= 'z')
        out.virtualKey = static_cast<int>(event.keysym) - 'a' + 'A';
      else if (event.keysym >= 'A' && event.keysym <= 'Z')
        out.virtualKey = static_cast<int>(event.keysym);
      break;
    case Kind::Keypad:
      if (KeypadGivesDigit(event.keysym, event.modifiers)) out.virtualKey = key.keypadVk;
      break;
    default:
      break;
  }

  // Both Alt keys count as Alt, the right one also where the layout makes it
  // AltGr: a lone Alt key-down is a system key either way.
  const bool altKey = code == 56 || code == 100;
  const bool ctrlKey = code == 29 || code == 97;
  const bool alt = (event.modifiers & kModAlt) || altKey;
  const bool ctrl = (event.modifiers & kModControl) || ctrlKey;
  out.systemKey = out.virtualKey == kVkF10 || (alt && !ctrl);
  if (out.systemKey && alt) out.flags |= kKeyFlagAltContext;

  if (!event.press)
    out.flags |= kKeyFlagRelease | kKeyFlagRepeat;
  else if (event.autoRepeat)
    out.flags |= kKeyFlagRepeat;
  return out;
}

}  // namespace vexa
