#include "view/KeyEventMapping.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

constexpr std::uint32_t kShift = 0x01, kLock = 0x02, kControl = 0x04, kAlt = 0x08, kNumLock = 0x10;

NativeKeyEvent Press(int evdev, std::uint32_t keysym, std::uint32_t modifiers = 0, bool repeat = false) {
  return {static_cast<std::uint32_t>(evdev + 8), keysym, modifiers, repeat, true};
}
NativeKeyEvent Release(int evdev, std::uint32_t keysym, std::uint32_t modifiers = 0, bool repeat = false) {
  return {static_cast<std::uint32_t>(evdev + 8), keysym, modifiers, repeat, false};
}

struct KeyCase {
  const char* name;
  int evdev;
  std::uint32_t keysymNumLockOn, keysymNumLockOff;
  int vkNumLockOn, vkNumLockOff;
  int flags;
};

// Every physical key the key editor dispatches on, plus the keys it handles as
// ordinary keys, with Num Lock on and off.
const KeyCase kKeys[] = {
    {"Esc", 1, 0xff1b, 0xff1b, 27, 27, 0x01},
    {"Backspace", 14, 0xff08, 0xff08, 8, 8, 0x0E},
    {"Tab", 15, 0xff09, 0xff09, 9, 9, 0x0F},
    {"left Ctrl", 29, 0xffe3, 0xffe3, 17, 17, 0x1D},
    {"right Ctrl", 97, 0xffe4, 0xffe4, 17, 17, 0x11D},
    {"left Shift", 42, 0xffe1, 0xffe1, 16, 16, 0x2A},
    {"right Shift", 54, 0xffe2, 0xffe2, 16, 16, 0x36},
    {"Caps Lock", 58, 0xffe5, 0xffe5, 20, 20, 0x3A},
    {"F1", 59, 0xffbe, 0xffbe, 112, 112, 0x3B},
    {"F2", 60, 0xffbf, 0xffbf, 113, 113, 0x3C},
    {"F3", 61, 0xffc0, 0xffc0, 114, 114, 0x3D},
    {"F4", 62, 0xffc1, 0xffc1, 115, 115, 0x3E},
    {"F5", 63, 0xffc2, 0xffc2, 116, 116, 0x3F},
    {"F6", 64, 0xffc3, 0xffc3, 117, 117, 0x40},
    {"F7", 65, 0xffc4, 0xffc4, 118, 118, 0x41},
    {"F8", 66, 0xffc5, 0xffc5, 119, 119, 0x42},
    {"F9", 67, 0xffc6, 0xffc6, 120, 120, 0x43},
    {"F11", 87, 0xffc8, 0xffc8, 122, 122, 0x57},
    {"F12", 88, 0xffc9, 0xffc9, 123, 123, 0x58},
    {"Pause", 119, 0xff13, 0xff13, 19, 19, 0x45},
    {"Scroll Lock", 70, 0xff14, 0xff14, 145, 145, 0x46},
    {"Num Lock", 69, 0xff7f, 0xff7f, 144, 144, 0x145},
    {"Page Up", 104, 0xff55, 0xff55, 33, 33, 0x149},
    {"Page Down", 109, 0xff56, 0xff56, 34, 34, 0x151},
    {"Insert", 110, 0xff63, 0xff63, 45, 45, 0x152},
    {"left Windows", 125, 0xffeb, 0xffeb, 91, 91, 0x15B},
    {"right Windows", 126, 0xffec, 0xffec, 92, 92, 0x15C},
    {"Menu", 127, 0xff67, 0xff67, 93, 93, 0x15D},
    {"Home", 102, 0xff50, 0xff50, 36, 36, 0x147},
    {"End", 107, 0xff57, 0xff57, 35, 35, 0x14F},
    {"Up", 103, 0xff52, 0xff52, 38, 38, 0x148},
    {"Down", 108, 0xff54, 0xff54, 40, 40, 0x150},
    {"Left", 105, 0xff51, 0xff51, 37, 37, 0x14B},
    {"Right", 106, 0xff53, 0xff53, 39, 39, 0x14D},
    {"Delete", 111, 0xffff, 0xffff, 46, 46, 0x153},
    {"keypad 7", 71, 0xffb7, 0xff95, 103, 36, 0x47},
    {"keypad 8", 72, 0xffb8, 0xff97, 104, 38, 0x48},
    {"keypad 9", 73, 0xffb9, 0xff9a, 105, 33, 0x49},
    {"keypad 4", 75, 0xffb4, 0xff96, 100, 37, 0x4B},
    {"keypad 5", 76, 0xffb5, 0xff9d, 101, 12, 0x4C},
    {"keypad 6", 77, 0xffb6, 0xff98, 102, 39, 0x4D},
    {"keypad 1", 79, 0xffb1, 0xff9c, 97, 35, 0x4F},
    {"keypad 2", 80, 0xffb2, 0xff99, 98, 40, 0x50},
    {"keypad 3", 81, 0xffb3, 0xff9b, 99, 34, 0x51},
    {"keypad 0", 82, 0xffb0, 0xff9e, 96, 45, 0x52},
    {"keypad .", 83, 0xffae, 0xff9f, 110, 46, 0x53},
    {"keypad *", 55, 0xffaa, 0xffaa, 106, 106, 0x37},
    {"keypad -", 74, 0xffad, 0xffad, 109, 109, 0x4A},
    {"keypad +", 78, 0xffab, 0xffab, 107, 107, 0x4E},
    {"keypad /", 98, 0xffaf, 0xffaf, 111, 111, 0x135},
    {"keypad Enter", 96, 0xff8d, 0xff8d, 13, 13, 0x11C},
    {"Enter", 28, 0xff0d, 0xff0d, 13, 13, 0x1C},
    {"Space", 57, ' ', ' ', 32, 32, 0x39},
    {"A", 30, 'a', 'a', 65, 65, 0x1E},
    {"Z", 44, 'z', 'z', 90, 90, 0x2C},
    {"1", 2, '1', '1', 49, 49, 0x02},
    {"0", 11, '0', '0', 48, 48, 0x0B},
    {";", 39, ';', ';', 186, 186, 0x27},
    {"=", 13, '=', '=', 187, 187, 0x0D},
    {",", 51, ',', ',', 188, 188, 0x33},
    {"-", 12, '-', '-', 189, 189, 0x0C},
    {".", 52, '.', '.', 190, 190, 0x34},
    {"/", 53, '/', '/', 191, 191, 0x35},
    {"`", 41, '`', '`', 192, 192, 0x29},
    {"[", 26, '[', '[', 219, 219, 0x1A},
    {"\\", 43, '\\', '\\', 220, 220, 0x2B},
    {"]", 27, ']', ']', 221, 221, 0x1B},
    {"'", 40, '\'', '\'', 222, 222, 0x28},
};

TEST(KeyEventMappingTest, EveryEditorKeyInBothNumLockStates) {
  for (const KeyCase& k : kKeys) {
    SCOPED_TRACE(k.name);
    for (bool numLock : {true, false}) {
      const auto mapped = MapKeyEvent(
          Press(k.evdev, numLock ? k.keysymNumLockOn : k.keysymNumLockOff, numLock ? kNumLock : 0));
      ASSERT_TRUE(mapped.has_value()) << "Num Lock " << numLock;
      EXPECT_EQ(mapped->virtualKey, numLock ? k.vkNumLockOn : k.vkNumLockOff) << "Num Lock " << numLock;
      EXPECT_EQ(mapped->flags, k.flags) << "Num Lock " << numLock;
      EXPECT_EQ(mapped->numLock, numLock);
      EXPECT_TRUE(mapped->press);
      EXPECT_FALSE(mapped->systemKey);
    }
  }
}

TEST(KeyEventMappingTest, KeypadWithoutUsableKeysymFollowsNumLockAndShift) {
  const struct {
    std::uint32_t modifiers;
    int vk;
  } cases[] = {{kNumLock, 103}, {kNumLock | kShift, 36}, {0, 36}, {kShift, 36}};
  for (const auto& c : cases) {
    const auto mapped = MapKeyEvent(Press(71, 0, c.modifiers));
    ASSERT_TRUE(mapped.has_value());
    EXPECT_EQ(mapped->virtualKey, c.vk) << c.modifiers;
  }
  // A layout that types a comma on the keypad's decimal key.
  EXPECT_EQ(MapKeyEvent(Press(83, 0xffac, kNumLock))->virtualKey, 110);
  EXPECT_EQ(MapKeyEvent(Press(83, ',', kNumLock))->virtualKey, 110);
}

// Letters follow the layout; digits and punctuation stay with the physical key.
TEST(KeyEventMappingTest, LettersComeFromTheKeysymEverythingElseFromThePosition) {
  const struct {
    const char* what;
    int evdev;
    std::uint32_t keysym;
    int vk;
  } cases[] = {
      {"Shift+a", 30, 'A', 65},
      {"Caps Lock a", 30, 'A', 65},
      {"AZERTY a on the Q position", 16, 'a', 65},
      {"AZERTY m on the ; position", 39, 'm', 77},
      {"AZERTY & on the 1 position", 2, '&', 49},
      {"Shift+1", 2, '!', 49},
      {"German o umlaut on the ; position", 39, 0xf6, 186},
      {"Cyrillic ef on the A position", 30, 0x6c6, 65},
      {"no keysym", 30, 0, 65},
  };
  for (const auto& c : cases) {
    const auto mapped = MapKeyEvent(Press(c.evdev, c.keysym));
    ASSERT_TRUE(mapped.has_value()) << c.what;
    EXPECT_EQ(mapped->virtualKey, c.vk) << c.what;
    EXPECT_EQ(mapped->flags, c.evdev) << c.what;
  }
}

TEST(KeyEventMappingTest, RepeatAndReleaseBits) {
  const struct {
    const char* what;
    NativeKeyEvent event;
    bool delivered;
    int flags;
  } cases[] = {
      {"first press", Press(42, 0xffe1), true, 0x002A},
      {"repeated press", Press(42, 0xffe1, kShift, true), true, 0x402A},
      {"left Shift release", Release(42, 0xffe1, kShift), true, 0xC02A},
      {"right Shift release", Release(54, 0xffe2, kShift), true, 0xC036},
      {"extended release", Release(102, 0xff50), true, 0xC147},
      {"auto-repeat release", Release(42, 0xffe1, kShift, true), false, 0},
      {"repeated keypad Enter", Press(96, 0xff8d, 0, true), true, 0x411C},
  };
  for (const auto& c : cases) {
    const auto mapped = MapKeyEvent(c.event);
    ASSERT_EQ(mapped.has_value(), c.delivered) << c.what;
    if (!mapped) continue;
    EXPECT_EQ(mapped->flags, c.flags) << c.what;
    EXPECT_EQ(mapped->press, c.event.press) << c.what;
  }
}

TEST(KeyEventMappingTest, LockAndShiftStatesComeFromTheModifiers) {
  const auto none = MapKeyEvent(Press(30, 'a'));
  EXPECT_FALSE(none->capsLock || none->numLock || none->shift);
  const auto all = MapKeyEvent(Press(30, 'A', kShift | kLock | kNumLock));
  EXPECT_TRUE(all->capsLock && all->numLock && all->shift);
}

TEST(KeyEventMappingTest, AltCombinationsAndF10AreSystemKeys) {
  const struct {
    const char* what;
    NativeKeyEvent event;
    bool system;
    int flags;
  } cases[] = {
      {"F10", Press(68, 0xffc7), true, 0x44},
      {"F10 release", Release(68, 0xffc7), true, 0xC044},
      {"Ctrl+F10", Press(68, 0xffc7, kControl), true, 0x44},
      {"left Alt", Press(56, 0xffe9), true, 0x2038},
      {"right Alt", Press(100, 0xffea), true, 0x2138},
      {"AltGr", Press(100, 0xfe03), true, 0x2138},
      {"Alt+F", Press(33, 'f', kAlt), true, 0x2021},
      {"Alt+F release", Release(33, 'f', kAlt), true, 0xE021},
      {"Alt+Backspace", Press(14, 0xff08, kAlt), true, 0x200E},
      {"Ctrl+Alt+F", Press(33, 'f', kAlt | kControl), false, 0x21},
      {"Alt held, Ctrl pressed", Press(29, 0xffe3, kAlt), false, 0x1D},
      {"Ctrl+F", Press(33, 'f', kControl), false, 0x21},
      {"F9", Press(67, 0xffc6), false, 0x43},
  };
  for (const auto& c : cases) {
    const auto mapped = MapKeyEvent(c.event);
    ASSERT_TRUE(mapped.has_value()) << c.what;
    EXPECT_EQ(mapped->systemKey, c.system) << c.what;
    EXPECT_EQ(mapped->flags, c.flags) << c.what;
  }
}

TEST(KeyEventMappingTest, KeysWithoutPcEquivalentAreDropped) {
  const struct {
    const char* what;
    std::uint32_t scanCode;
  } cases[] = {
      {"no keycode", 0},     {"below the XKB offset", 7}, {"Print Screen", 99 + 8}, {"Mute", 113 + 8},
      {"keypad =", 117 + 8}, {"beyond the PC keys", 200}, {"huge", 0xFFFFFFFF},
  };
  for (const auto& c : cases)
    EXPECT_FALSE(MapKeyEvent({c.scanCode, 0, 0, false, true}).has_value()) << c.what;
}

}  // namespace
}  // namespace vexa
