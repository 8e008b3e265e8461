#include "models/KeyWordDictionary.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace vexa {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(KeyWordDictionaryTest, ScanCodeOfWord) {
  struct Case {
    std::string word;
    std::string bytes;
  };
  const Case cases[] = {
      {"[a]", Bytes({0x1E})},
      {"[A]", Bytes({0x1E})},
      {"[!]", Bytes({0x02})},
      {"[1]", Bytes({0x02})},
      {"[\"]", Bytes({0x28})},
      {"[`]", Bytes({0x29})},
      {"[[]", Bytes({0x1A})},
      {"[]]", Bytes({0x1B})},
      {"[F1]", Bytes({0x3B})},
      {"[F12]", Bytes({0x58})},
      {"[Alt+PrintScreen]", Bytes({0x54})},
      {"[Ctrl+PrintScreen]", Bytes({0xE0, 0x37})},
      {"[Ctrl+PauseBreak]", Bytes({0xE0, 0x46})},
      {"[PrintScreen]", Bytes({0xE0, 0x2A, 0xE0, 0x37})},
      {"[PauseBreak]", Bytes({0xE1, 0x1D, 0x45})},
      {"[Mute]", Bytes({0xE0, 0x20})},
      {"[WWWFavorites]", Bytes({0xE0, 0x66})},
      {"[0E0]", Bytes({0xE0})},
      {"[0F0]", Bytes({0xF0})},
      {"[Separator]", Bytes({0xFE})},
      {"[Delay1]", Bytes({0xFD, 0x01})},
      {"[Delay250]", Bytes({0xFD, 0xFA})},
      {"[Delay007]", Bytes({0xFD, 0x07})},
      // Not words: case, blanks, malformed or out-of-range delays, function words of ASCII mode.
      {"[f1]", ""},
      {"[F1 ]", ""},
      {"F1", ""},
      {"[ ]", ""},
      {"[]", ""},
      {"", ""},
      {"[Delay251]", ""},
      {"[Delay0]", ""},
      {"[Delay]", ""},
      {"[Delay1000]", ""},
      {"[Delay 5]", ""},
      {"[Delay5x]", ""},
      {"[Delay5]x", ""},
      {"[Delay5", ""},
      {"[CR]", ""},
      {"[Caps]", ""},
      {"[ShiftLevel1]", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ScanCodeOfWord(c.word), c.bytes) << c.word;
}

TEST(KeyWordDictionaryTest, EncodedLengthOfWord) {
  const std::pair<const char*, int> cases[] = {
      {"[a]", 1},           {"[F1]", 1},
      {"[0E0]", 1},         {"[0F0]", 1},
      {"[Mute]", 2},        {"[RightCtrl]", 2},
      {"[PAD/]", 2},        {"[PauseBreak]", 3},
      {"[PrintScreen]", 4}, {"[f1]", 0},
      {"[Separator]", 0},   {"[Delay5]", 0},
      {"[CR]", 0},          {"", 0},
  };
  for (const auto& [word, length] : cases) EXPECT_EQ(EncodedLengthOfWord(word), length) << word;
}

// Every named word reads back as itself, and no two named words share bytes.
TEST(KeyWordDictionaryTest, NamedWordsReadBackAsThemselves) {
  std::set<std::string_view> seen;
  for (const NamedKeyWord& w : NamedKeyWords()) {
    EXPECT_TRUE(seen.insert(w.bytes).second) << w.word;
    const std::string bytes = ScanCodeOfWord(w.word);
    ASSERT_EQ(bytes, w.bytes) << w.word;
    EXPECT_EQ(EncodedLengthOfWord(w.word), static_cast<int>(bytes.size())) << w.word;
    const auto b0 = static_cast<std::uint8_t>(bytes[0]);
    if (bytes.size() == 1) {
      EXPECT_EQ(WordOfScanCode(b0), w.word);
    } else if (bytes.size() == 2) {
      ASSERT_EQ(b0, 0xE0) << w.word;
      EXPECT_EQ(WordOfE0ScanCode(static_cast<std::uint8_t>(bytes[1])), w.word);
    }
  }
  EXPECT_EQ(NamedKeyWords().size(), 83u);
}

TEST(KeyWordDictionaryTest, CharacterWordsReadBackAsTheirUnshiftedSpelling) {
  const std::pair<int, const char*> canonical[] = {
      {0x02, "[1]"}, {0x0C, "[-]"}, {0x0D, "[=]"}, {0x1A, "[{]"},  {0x1B, "[}]"}, {0x1E, "[A]"},
      {0x27, "[;]"}, {0x28, "[']"}, {0x29, "[`]"}, {0x2B, "[\\]"}, {0x33, "[,]"}, {0x35, "[/]"},
  };
  for (const auto& [code, word] : canonical) EXPECT_EQ(WordOfScanCode(static_cast<std::uint8_t>(code)), word);
  for (const CharacterKeyWord& c : CharacterKeyWords()) {
    const std::string word{'[', c.character, ']'};
    EXPECT_EQ(ScanCodeOfWord(word), Bytes({c.code})) << word;
    EXPECT_EQ(ScanCodeOfWord(WordOfScanCode(c.code)), Bytes({c.code})) << word;
  }
  EXPECT_EQ(CharacterKeyWords().size(), 94u);
}

// The make code column names the key a word's bytes come from: E0 words are
// the extended keys, the last byte is the key's code. Num Lock is the one key
// that PC keyboards report otherwise (extended, for the single byte 45).
TEST(KeyWordDictionaryTest, MakeCodesNameTheKeysOfTheWords) {
  constexpr int kNumLock = 0x145;
  std::set<int> seen;
  for (const NamedKeyWord& w : NamedKeyWords()) {
    SCOPED_TRACE(w.word);
    const bool namesOneKey = w.group != KeyWordGroup::Combinations && w.group != KeyWordGroup::Prefixes;
    ASSERT_EQ(w.makeCode != 0, namesOneKey);
    if (!namesOneKey) continue;
    EXPECT_TRUE(seen.insert(w.makeCode).second);
    EXPECT_EQ(WordOfMakeCode(w.makeCode), w.word);
    const bool extended = static_cast<std::uint8_t>(w.bytes.front()) == kCodeExtended;
    EXPECT_EQ((w.makeCode & kMakeCodeExtended) != 0, extended != (w.makeCode == kNumLock));
    EXPECT_EQ(w.makeCode & 0xFF, static_cast<std::uint8_t>(w.bytes.back()));
  }
  // A character key is named as its code reads back; no named key has its code.
  for (const CharacterKeyWord& c : CharacterKeyWords()) {
    EXPECT_FALSE(seen.contains(c.code)) << c.character;
    EXPECT_EQ(WordOfMakeCode(c.code), WordOfScanCode(c.code)) << c.character;
  }
  // No word: the ISO extra key, Ctrl+Pause (E0 46), no key, out of range.
  for (int code : {0x56, 0x146, 0x00, 0x54, -1, kMakeCodeCount, 0x7FFFFFFF})
    EXPECT_EQ(WordOfMakeCode(code), "") << std::hex << code;
}

TEST(KeyWordDictionaryTest, CharacterWord) {
  const std::pair<char, const char*> cases[] = {
      {'a', "[a]"}, {'A', "[A]"}, {'7', "[7]"}, {'"', "[\"]"}, {'[', "[[]"},
      {' ', ""},    {'\0', ""},   {'\xE9', ""}, {'\x7F', ""},
  };
  for (const auto& [c, word] : cases) EXPECT_EQ(CharacterWord(c), word) << int(c);
}

TEST(KeyWordDictionaryTest, WordOfScanCode) {
  struct Case {
    int b;
    int next;
    const char* word;
  };
  const Case cases[] = {
      {0xFD, 0x00, "[Delay1]"},
      {0xFD, 0x05, "[Delay5]"},
      {0xFD, 0xFA, "[Delay250]"},
      {0xFD, 0xFB, "[Delay249]"},
      {0xFD, 0xFF, "[Delay249]"},
      {0xFD, 0xFC, ""},
      {0xF0, 0, "[0F0]"},
      {0xFE, 0, "[Separator]"},
      {0xE0, 0, "[0E0]"},
      {0x55, 0, ""},
      {0x00, 0, ""},
      {0x59, 0, ""},
      {0xE1, 0, ""},
      {0xFF, 0, ""},
      {0x3B, 0, "[F1]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WordOfScanCode(static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(c.next)), c.word)
        << std::hex << c.b << " " << c.next;
  }
  EXPECT_EQ(WordOfE0ScanCode(0x37), "[Ctrl+PrintScreen]");
  EXPECT_EQ(WordOfE0ScanCode(0x1C), "[PADEnter]");
  for (int x : {0x1E, 0x2A, 0xF0, 0xE0, 0x00})
    EXPECT_EQ(WordOfE0ScanCode(static_cast<std::uint8_t>(x)), "") << x;
}

TEST(KeyWordDictionaryTest, HelpText) {
  const std::string text(KeyWordHelpText());
  const std::string head = " Symbol:\t\tFunction Key's Name\n " + std::string(41, '=') +
                           "\n [F1]\t\t\tFunction key <F1>\n [F2]\t\t\tFunction key <F2>\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  const std::string tail =
      " [0F0]\t\t\tscan code used for generating break codes\n"
      "\n"
      " Note:\tNormal alpha-numeric characters and symbols are represented in scan code as\n"
      "\tthe character itself enclosed in square brackets.  For example [A] [B] [C]\n"
      "\t[1] [2] [3] [-] [;] [,] [/].\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  for (const char* piece :
       {" [F12]\t\t\tFunction key <F12>\n\n [ESC]", " [Space]\t\tkey <space bar>\n\n [Insert]",
        " [Menu]\t\tFunction key <Menu>\n\n [Ctrl+PauseBreak]\tFunction",
        " [Alt+PrintScreen]\tFunction key <Alt>+<Print Screen>\n\n [PAD0]",
        " [PADEnter]\t\tnumber key <Enter> in keypad\n\n [SystemPower]",
        " [WWWFavorites]\tWWW Favorites\n\n [0E0]"}) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece;
  }
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.find("[Separator]"), std::string::npos);
  // 2 heading lines, 83 word rows, 7 empty lines, 3 note lines.
  std::istringstream lines(text);
  int count = 0, empty = 0;
  for (std::string line; std::getline(lines, line); ++count) empty += line.empty() ? 1 : 0;
  EXPECT_EQ(count, 95);
  EXPECT_EQ(empty, 7);
}

}  // namespace
}  // namespace vexa
