#include "device/KeyCodeOutput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vexa {
namespace {

struct Event {
  bool down;
  int keyCode;
  int flags;
  int caps = 0;
};
Event Down(int keyCode, int flags, int caps = 0) { return {true, keyCode, flags, caps}; }
Event Up(int flags) { return {false, 0, flags}; }

constexpr int kShiftVk = 16, kCapsVk = 20, kF1Vk = 112, kF6Vk = 117, kEnterVk = 13;
constexpr int kRepeat = 0x4000;

TEST(KeyCodeOutputTest, KeySequencesGiveTheirNames) {
  const struct {
    const char* what;
    std::vector<Event> events;
    std::string text;
  } cases[] = {
      {"a, Shift+a, F1",
       {Down('A', 0x1E), Up(0xC01E), Down(kShiftVk, 0x2A), Down(kShiftVk, 0x2A | kRepeat), Down('A', 0x1E),
        Up(0xC01E), Up(0xC02A), Down(kF1Vk, 0x3B)},
       "a, [Shift], [Shift]A, [F1]"},
      {"Shift+1",
       {Down(kShiftVk, 0x2A), Down('1', 0x02), Up(0xC002), Up(0xC02A), Down('1', 0x02)},
       ", [Shift]!1"},
      {"right Shift release clears too",
       {Down(kShiftVk, 0x36), Up(0xC036), Down('2', 0x03)},
       ", [RightShift]2"},
      {"a lost Shift release keeps digits shifted",
       {Down(kShiftVk, 0x2A), Down('1', 0x02), Up(0x802A), Down('2', 0x03), Down(0xBA, 0x27)},
       ", [Shift]!@:"},
      {"held 1 gives one digit",
       {Down('1', 0x02), Down('1', 0x02 | kRepeat), Down('1', 0x02 | kRepeat)},
       "1"},
      {"held F1 repeats", {Down(kF1Vk, 0x3B), Down(kF1Vk, 0x3B | kRepeat)}, ", [F1], [F1]"},
      {"held Caps Lock once", {Down(kCapsVk, 0x3A), Down(kCapsVk, 0x3A | kRepeat)}, ", [CapsLock]"},
      {"F6 gives nothing", {Down(kF6Vk, 0x40), Down(kF6Vk, 0x40 | kRepeat)}, ""},
      {"keypad Enter and Enter", {Down(kEnterVk, 0x11C), Down(kEnterVk, 0x1C)}, ", [PADEnter], [Enter]"},
      {"Caps Lock on", {Down('Q', 0x10, 1), Down(kShiftVk, 0x2A, 1), Down('Q', 0x10, 1)}, "Q, [Shift]q"},
      {"Caps Lock held down", {Down('Q', 0x10, -127)}, "Q"},
      {"held letters repeat", {Down('Z', 0x2C), Down('Z', 0x2C | kRepeat)}, "zz"},
      {"shifted punctuation",
       {Down(kShiftVk, 0x2A), Down(0xDB, 0x1A), Down(0xDC, 0x2B), Down(0xDE, 0x28), Down(0xBF, 0x35)},
       ", [Shift]{|\"?"},
      {"system key finds no name", {Down(kF1Vk, 0x3B | 0x2000), Down('A', 0x1E | 0x2000)}, "a"},
      {"navigation and keypad",
       {Down(36, 0x147), Down(36, 0x47), Down(103, 0x47), Down(144, 0x145), Down(46, 0x153 | kRepeat)},
       ", [Home], [PAD7], [PAD7], [NumLock], [Delete]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    KeyCodeOutput out;
    for (const Event& e : c.events) {
      if (e.down)
        (void)out.KeyDown(e.keyCode, e.flags, e.caps);
      else
        out.KeyUp(e.flags);
    }
    EXPECT_EQ(out.Text(), c.text);
  }
}

TEST(KeyCodeOutputTest, ClearingKeepsTheShiftFlagButResetDoesNot) {
  KeyCodeOutput out;
  EXPECT_EQ(out.KeyDown(kShiftVk, 0x2A, 0), ", [Shift]");
  out.Clear();
  EXPECT_EQ(out.Text(), "");
  EXPECT_TRUE(out.ShiftFlag());
  EXPECT_EQ(out.KeyDown('A', 0x1E, 0), "A");
  out.Reset();
  EXPECT_FALSE(out.ShiftFlag());
  EXPECT_EQ(out.Text(), "");
}

TEST(KeyCodeOutputTest, QuitBoxIsHitStrictlyInside) {
  const struct {
    int x, y;
    bool hit;
  } cases[] = {
      {551, 6, true},  {629, 24, true},  {590, 15, true},  {550, 15, false}, {630, 15, false},
      {590, 5, false}, {590, 25, false}, {549, 15, false}, {631, 30, false}, {0, 0, false},
  };
  for (const auto& c : cases) EXPECT_EQ(KeyCodeOutput::IsInQuitBox(c.x, c.y), c.hit) << c.x << "," << c.y;
}

// Esc three times within a second is the keyboard's way out of the test; any
// other key in between, a repeat, or too slow a series does not count.
TEST(KeyCodeOutputTest, EscThreeTimesWithinASecondQuits) {
  struct Press {
    int flags;
    std::int64_t ms;
  };
  const struct {
    const char* what;
    std::vector<Press> presses;
    bool quits;  // at the last press
  } cases[] = {
      {"three quick", {{0x01, 0}, {0x01, 300}, {0x01, 1000}}, true},
      {"two only", {{0x01, 0}, {0x01, 300}}, false},
      {"too slow", {{0x01, 0}, {0x01, 600}, {0x01, 1001}}, false},
      {"slow start, then three quick", {{0x01, 0}, {0x01, 1500}, {0x01, 1600}, {0x01, 1700}}, true},
      {"a key between", {{0x01, 0}, {0x01, 100}, {0x1E, 150}, {0x01, 200}}, false},
      {"held Esc repeats", {{0x01, 0}, {0x01 | kRepeat, 100}, {0x01 | kRepeat, 200}}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    KeyCodeOutput out;
    bool quit = false;
    for (const Press& p : c.presses) quit = out.QuitRequested(p.flags, p.ms);
    EXPECT_EQ(quit, c.quits);
  }
}

// The key that opened the test is still down: its repeats are not recorded
// until it is pressed again; keys pressed after the opening repeat as always.
TEST(KeyCodeOutputTest, TheOpeningKeyIsNotRecorded) {
  KeyCodeOutput out;
  out.Clear();  // opened with Enter, still held
  EXPECT_EQ(out.KeyDown(kEnterVk, 0x1C | kRepeat, 0), "");
  out.KeyUp(0xC01C);
  EXPECT_EQ(out.KeyDown(kEnterVk, 0x1C, 0), ", [Enter]");
  EXPECT_EQ(out.KeyDown(kEnterVk, 0x1C | kRepeat, 0), ", [Enter]");
  EXPECT_EQ(out.Text(), ", [Enter], [Enter]");
}

}  // namespace
}  // namespace vexa
