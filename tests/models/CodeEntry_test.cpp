#include "models/CodeEntry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/Messages.h"
#include "models/KeyWordDictionary.h"

namespace vexa {
namespace {

TEST(CodeEntryTest, ScanCodeListKeepsItsUnsortedOrder) {
  const auto list = CodeEntry::ScanCodeList();
  ASSERT_EQ(list.size(), 82u);
  const struct {
    size_t index;
    std::string_view entry;
  } landmarks[] = {
      {0, "[F1]"},
      {11, "[F12]"},
      {12, "[ESC]"},
      {21, "[Alt]"},
      {36, "[PrintScreen]"},
      {43, "[Alt+PrintScreen]"},
      {44, "[PAD0]"},
      {53, "[PAD9]"},
      {54, "[PAD+]"},
      {59, "[PADEnter]"},
      {60, ""},
      {61, "[SystemPower]"},
      {64, "[Forward]"},
      {81, "[WWWFavorites]"},
  };
  for (const auto& l : landmarks) EXPECT_EQ(list[l.index], l.entry) << l.index;
  for (size_t i = 0; i < list.size(); ++i) {
    if (i == 60) continue;
    EXPECT_TRUE(list[i].starts_with('[') && list[i].ends_with(']')) << list[i];
  }
}

// What the user picks from the list goes into the key unchecked, so every
// entry but the one empty entry must be a scan code word, each listed once;
// the bare prefix words are left to the Key Word List.
TEST(CodeEntryTest, ScanCodeListHoldsOnlyScanCodeWords) {
  const auto list = CodeEntry::ScanCodeList();
  std::set<std::string_view> seen;
  int empty = 0;
  for (std::string_view entry : list) {
    if (entry.empty()) {
      ++empty;
      continue;
    }
    EXPECT_TRUE(seen.insert(entry).second) << entry;
    EXPECT_NE(ScanCodeOfWord(entry), "") << entry;
    EXPECT_NE(entry, kWordExtendedPrefix);
    EXPECT_NE(entry, kWordBreakPrefix);
  }
  EXPECT_EQ(empty, 1);
  EXPECT_EQ(seen.size() + 2, NamedKeyWords().size());
  EXPECT_TRUE(seen.contains(CodeEntry::kInitialScanCode));
}

TEST(CodeEntryTest, ScanCodeSelectionTakesTheFirstEntryBeginningWithTheValue) {
  const struct {
    std::string value;
    int index;
  } cases[] = {
      {std::string(CodeEntry::kInitialScanCode), 5},
      {"[F1]", 0},
      {"[F1", 0},  // "[F1]" comes before "[F10]"
      {"[f10]", 9},
      {"[pad", 44},
      {"[Forward]", 64},
      {"[a]", -1},
      {"[F1] ", -1},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CodeEntry::ScanCodeSelection(c.value), c.index) << c.value;
}

TEST(CodeEntryTest, AsciiCodeNeedsAByteFromOneTo240) {
  const std::string range = "Please enter an integer between 1 and 240.";
  const std::string notByte(msg::kAsciiCodeNotByte);
  const struct {
    std::string text;
    bool ok;
    int value;
    std::string message;
  } cases[] = {
      {"32", true, 32, ""},       {"65", true, 65, ""},
      {"1", true, 1, ""},         {"240", true, 240, ""},
      {" 007 ", true, 7, ""},     {"241", false, 241, range},
      {"255", false, 255, range}, {"0", false, 0, range},
      {"256", false, 0, notByte}, {"99999999999999999999", false, 0, notByte},
      {"abc", false, 0, notByte}, {"", false, 0, notByte},
      {"  ", false, 0, notByte},  {"-1", false, 0, notByte},
      {"6 5", false, 0, notByte}, {"0x41", false, 0, notByte},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CodeEntry::AsciiCheck check = CodeEntry::CheckAsciiCode(c.text);
    EXPECT_EQ(check.ok, c.ok);
    EXPECT_EQ(check.message, c.message);
    if (c.message != notByte) {
      EXPECT_EQ(check.value, c.value);
    }
  }
  EXPECT_EQ(CodeEntry::AsciiCodeText(65), "A");
  EXPECT_EQ(CodeEntry::AsciiCodeText(240), "\xF0");
}

TEST(CodeEntryTest, DelayAndShiftLevelWords) {
  const struct {
    std::string word, expected;
  } cases[] = {
      {CodeEntry::DelayWord(CodeEntry::kDelayInitial), "[Delay1]"},
      {CodeEntry::DelayWord(100), "[Delay100]"},
      {CodeEntry::DelayWord(0), "[Delay1]"},
      {CodeEntry::DelayWord(101), "[Delay100]"},
      {CodeEntry::ShiftLevelWord(CodeEntry::kShiftLevelInitial), "[ShiftLevel1]"},
      {CodeEntry::ShiftLevelWord(9), "[ShiftLevel9]"},
      {CodeEntry::ShiftLevelWord(10), "[ShiftLevel9]"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.word, c.expected);
}

}  // namespace
}  // namespace vexa
