// Turns a key event of the Linux desktop (as Qt 6 reports it on X11 and
// Wayland) into the values the key editor and the keyboard output test work
// with: the PC virtual-key code and the key flags word, plus the lock states.
//
// What arrives:
//  - scanCode: the XKB keycode, which is the Linux evdev key code + 8. The
//    evdev codes 1..83, 86, 87 and 88 are the set-1 make codes themselves; the
//    navigation block, the right-hand modifiers, keypad Enter and keypad / are
//    E0 (extended) keys with their own evdev codes.
//  - keysym: the X keysym after the layout is applied. Keypad keysyms already
//    reflect Num Lock (KP_7 with Num Lock on, KP_Home with it off), which is how
//    the keypad digits are told from the navigation keys.
//  - modifiers: the X modifier state before the event: 0x01 Shift, 0x02 Lock
//    (Caps Lock), 0x04 Control, 0x08 Mod1 (Alt), 0x10 Mod2 (Num Lock).
//
// What leaves (the PC keyboard convention):
//  - virtualKey: letters 65-90 (upper case) taken from the keysym, so they
//    follow the user's layout; everything else by physical key, US positions:
//    digits 48-57, punctuation 186-192 and 219-222, keypad digits 96-105 only
//    with Num Lock on (else the navigation codes, keypad 5 giving Clear 12),
//    keypad operators 106-111, F1-F12 112-123 and the usual codes of the rest.
//  - flags: bits 0-7 the make code, bit 8 extended, bit 14 set on auto-repeated
//    presses and on every release, bit 15 on release (a left Shift release is
//    0xC02A). Num Lock is the extended 0x145 and Pause the plain 0x45, as PC
//    keyboards report them, unlike the Linux console's tables.
//    Keys pressed while Alt is held (and not Ctrl) carry bit 13 as well.
//  - systemKey: F10 and keys held with Alt (without Ctrl), the Alt keys
//    themselves included (the right one also where the layout makes it AltGr). The view never passes them to
//    the key editor or to the output test; the window system keeps them for menus.
//
// Auto-repeat releases (X11 without detectable auto-repeat sends a held key
// as release+press pairs) are dropped, as are keys that have no PC equivalent
// (media keys, Japanese keys and the like) and Print Screen, whose presses the
// desktop keeps for itself.
#pragma once

#include <cstdint>
#include <optional>

namespace vexa {

struct NativeKeyEvent {
  std::uint32_t scanCode = 0;   // QKeyEvent::nativeScanCode()
  std::uint32_t keysym = 0;     // QKeyEvent::nativeVirtualKey()
  std::uint32_t modifiers = 0;  // QKeyEvent::nativeModifiers()
  bool autoRepeat = false;      // QKeyEvent::isAutoRepeat()
  bool press = true;            // KeyPress or KeyRelease
};

struct PcKeyEvent {
  bool press = true;
  int virtualKey = 0;
  int flags = 0;
  bool capsLock = false;  // as it was when the key went down
  bool numLock = false;
  bool shift = false;
  bool systemKey = false;
};

// Flag bits of PcKeyEvent::flags.
inline constexpr int kKeyFlagExtended = 0x0100;
inline constexpr int kKeyFlagAltContext = 0x2000;
inline constexpr int kKeyFlagRepeat = 0x4000;
inline constexpr int kKeyFlagRelease = 0x8000;

// The PC form of a native key event; nothing for an auto-repeat release or a
// key without a PC equivalent.
[[nodiscard]] std::optional<PcKeyEvent> MapKeyEvent(const NativeKeyEvent& event);

}  // namespace vexa
