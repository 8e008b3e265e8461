#include "document/KeyContent.h"

#include <gtest/gtest.h>

#include <random>

namespace vexa {
namespace {

// "0D 5D" -> the two bytes.
std::string Hex(std::string_view hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 3)
    out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return out;
}

std::string ToHex(std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[static_cast<unsigned char>(c) >> 4];
    out += digits[static_cast<unsigned char>(c) & 0xF];
  }
  return out;
}

TEST(KeyContentTest, Validators) {
  using namespace std::string_literals;
  struct Case {
    std::string content;
    bool ascii;
    bool scan;
  };
  const Case cases[] = {
      {"", true, true},
      {"abc 123", true, false},
      {"a[[b", true, false},
      {"x]]y", true, false},
      {"[CR]", true, false},
      {"Ab[CR][Separator][Caps]", true, false},
      {"[Delay1]", true, true},
      {"[Delay250]", true, true},
      {"[Delay007]", true, true},
      {"[Delay0]", false, false},
      {"[Delay251]", false, false},
      {"[Delay]", false, false},
      {"[Delay1234]", false, false},
      {"[Delay 5]", false, false},
      {"[Separator]", true, true},
      {"[F1][Delay7]", false, true},
      {"[F1][A][a][PrintScreen][Separator][0E0][0F0]", false, true},
      {"[ShiftLevel3]", true, false},
      {"[ShiftLevel9]", true, false},
      {"[ShiftLevel0]", false, false},
      {"x[ShiftLevel3]", false, false},
      {"[ShiftLevel3]x", false, false},
      {"[F1]a", false, false},
      {"a[F1]", false, false},
      {"[F1][Caps]", false, false},
      {"[F1][CR]", false, false},
      {"]", false, false},
      {"abc[", false, false},
      {"[f1]", false, false},
      {"[F1 ]", false, false},
      {"[ab[CR]", true, false},  // a '[' inside a word starts the word again
      {"[C]]R]", true, false},   // "]]" inside a word is an escape, not part of the word
      {"[[F1]", false, false},
      {"\xFF\x80\xE9", true, false},  // 8-bit characters are plain characters
      // A 0x00 byte would end the key string in the image.
      {"a\0b"s, false, false},
      {"[F1\0]"s, false, false},
      {"[F1]\0"s, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsAsciiContent(c.content), c.ascii) << ToHex(c.content);
    EXPECT_EQ(IsScanCodeContent(c.content), c.scan) << ToHex(c.content);
    EXPECT_EQ(IsValidContent(c.content), c.ascii || c.scan) << ToHex(c.content);
  }
}

TEST(KeyContentTest, EncodeAndLength) {
  using namespace std::string_literals;
  struct Case {
    std::string content;
    std::string bytes;  // hex
    int length;
  };
  const Case cases[] = {
      {"", "", 0},
      {"a[[b", "61 5B 62", 3},
      {"]]", "5D", 1},
      {"Ab[CR]", "41 62 0D", 3},
      {"[Separator]", "FE", 1},
      {"[Caps]", "FD FC", 2},
      {"[Delay250]", "FD FA", 2},
      {"[Delay007]", "FD 07", 2},
      {"[Delay7]", "FD 07", 2},
      {"[F1][Delay7]", "FF 3B FD 07", 4},
      {"[ShiftLevel3]", "FF FF FF FF", 4},
      {"[ShiftLevel1]", "FF FF", 2},
      {"[a][A][!]", "FF 1E 1E 02", 4},
      {"[PrintScreen][PauseBreak]", "FF E0 2A E0 37 E1 1D 45", 8},
      {"[0E0][0F0]", "FF E0 F0", 3},
      {"[A][0E0]", "FF 1E E0", 3},
      {"[Separator][F1]", "FF FE 3B", 3},
      {"[CR]]]", "5D 0D", 2},  // "]]" is taken before the closing bracket
      {"\xE9\xFF", "E9 FF", 2},
      // Invalid contents: the encoder still gives a defined, shortened result.
      {"[F1]a", "FF", 3},
      {"[F1]ab[F2]", "FF 3C", 5},
      {"ab[nope]cd", "61 62", 5},
      {"ab[", "", 2},
      {"a\0b"s, "61 62", 2},  // 0x00 bytes are dropped
      {"[Delay0]", "", 2},    // a delay of 0 would be a terminator: dropped
      {"[Delay256]", "", 2},
      {"[Delay300]", "FD 2C", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToHex(EncodeContent(c.content)), c.bytes) << ToHex(c.content);
    EXPECT_EQ(EncodedLength(c.content), c.length) << ToHex(c.content);
  }
}

TEST(KeyContentTest, DecodeKeyString) {
  struct Case {
    const char* bytes;  // hex
    std::string content;
  };
  const Case cases[] = {
      {"", ""},
      {"61 5B 62", "a[[b"},
      {"41 62 0D", "Ab[CR]"},
      {"FE", "[Separator]"},
      {"FD FC", "[Caps]"},
      {"FD 07", "[Delay7]"},
      {"E9 80", "\xE9\x80"},
      {"FF FF FF FF", "[ShiftLevel3]"},
      {"FF 1E 02 1A 1B 2B", "[A][1][{][}][\\]"},
      {"FF E0 F0", "[0E0][0F0]"},
      {"FF E0 2A E0 37", "[PrintScreen]"},
      {"FF E0 37", "[Ctrl+PrintScreen]"},
      {"FF E0 20", "[Mute]"},
      {"FF E0 1E 3B", "[F1]"},     // E0 + a byte without an extended word: both dropped
      {"FF E0 2A 1E 3B", "[F1]"},  // an unfinished Print Screen drops what it examined
      {"FF E0 2A E0 1E 3B", "[F1]"},
      {"FF E1 1D 45", "[PauseBreak]"},
      {"FF E1 1D 3B 3C", "[F2]"},
      {"FF E1 3B 3C", "[F2]"},
      {"FF 55 3B", "[F1]"},
      {"FF FD 00", "[Delay1]"},
      {"FF FD FF", "[Delay249]"},
      {"FF FD FC 3B", "[F1]"},
      {"FF 3B FE 3C", "[F1][Separator][F2]"},
      // A prefix byte right before the terminator stands alone.
      {"FF 1E E0", "[A][0E0]"},
      {"FF 1E E1", "[A]"},
      {"FF 1E E1 1D", "[A]"},
      {"FF 1E E0 2A", "[A]"},
      {"FF 1E FD", "[A][Delay1]"},
      {"61 FD", "a\xFD"},
      // A function code directly followed by 5D is written as plain characters.
      {"0D 5D", "\r]]"},
      {"FE 5D", "\xFE]]"},
      {"FD FC 5D", "\xFD\xFC]]"},
      {"FD 05 5D", "\xFD\x05]]"},
      {"FD 5D 5D", "\xFD]]]]"},
      {"FD 5B 5D", "\xFD[[]]"},
      {"5D 0D", "]][CR]"},
      // A delay value no delay word can hold stays as plain characters.
      {"FD FB", "\xFD\xFB"},
      {"FD FF 41",
       "\xFD\xFF"
       "A"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeKeyString(Hex(c.bytes)), c.content) << c.bytes;
}

// Loading and saving again keeps every ASCII mode key string: decode then encode
// gives the same bytes, and the decoded text is valid.
TEST(KeyContentTest, AsciiKeyStringsSurviveDecodeAndEncode) {
  const char* fixed[] = {"0D 5D",    "0D 5D 5D", "FE 5D",    "FD FC 5D", "FD 0D 5D", "FD 5D 5D 5D",
                         "5B 5D 0D", "0D 0D 5D", "FD FD 05", "FD FB FD", "41 FD",    "FD FC FD 5D"};
  for (const char* hex : fixed) {
    const std::string bytes = Hex(hex);
    const std::string text = DecodeKeyString(bytes);
    EXPECT_TRUE(IsAsciiContent(text)) << hex;
    EXPECT_EQ(ToHex(EncodeContent(text)), ToHex(bytes)) << hex;
    EXPECT_EQ(EncodedLength(text), static_cast<int>(bytes.size())) << hex;
  }
  // Random strings over the bytes that matter most (function codes, brackets).
  const std::uint8_t alphabet[] = {0x0D, 0x5B, 0x5D, 0xFC, 0xFD, 0xFE, 0xFF, 0x01, 0x41, 0xFA, 0xFB};
  std::mt19937 rng(7);
  for (int round = 0; round < 20000; ++round) {
    std::string bytes;
    const int n = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<char>(alphabet[rng() % std::size(alphabet)]));
    if (static_cast<std::uint8_t>(bytes[0]) == 0xFF) continue;  // scan code mode
    const std::string text = DecodeKeyString(bytes);
    ASSERT_TRUE(IsAsciiContent(text)) << ToHex(bytes);
    ASSERT_EQ(ToHex(EncodeContent(text)), ToHex(bytes)) << ToHex(text);
  }
}

TEST(KeyContentTest, ToDecimalForm) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"Ab[CR]", "[65][98][CR]"},
      {"\xFF\x01", "[255][1]"},
      {"[Separator]x[Caps][Delay007]", "[Separator][120][Caps][Delay007]"},
      {"[ShiftLevel2]", "[ShiftLevel2]"},
      {"a[[b]]", "[97][91][98][93]"},
      {"[F1]", ""},  // not an ASCII mode content
      {"ab[", ""},
  };
  for (const auto& [content, decimal] : cases) EXPECT_EQ(ToDecimalForm(content), decimal) << content;
}

TEST(KeyContentTest, FirstInvalidKey) {
  KeyContents contents;
  EXPECT_EQ(FirstInvalidKey(contents), -1);
  contents[3] = "[F1]";
  contents[175] = "[F1]a";
  EXPECT_EQ(FirstInvalidKey(contents), 175);  // keys beyond any model's key count count too
  contents[40] = "[nope]";
  EXPECT_EQ(FirstInvalidKey(contents), 40);
}

TEST(KeyContentTest, ContentFaultNamesTheWrongWord) {
  using namespace std::string_literals;
  using K = ContentFaultKind;
  struct Case {
    std::string content;
    K kind;
    std::string word;
  };
  const Case cases[] = {
      {"Tea[CR]", K::None, ""},
      {"[F1][A]", K::None, ""},
      {"[ShiftLevel2]", K::None, ""},
      {"[Bogus]", K::UnknownWord, "[Bogus]"},
      {"ab[Bogus]cd[Nope]", K::UnknownWord, "[Bogus]"},
      {"[Delay0]", K::UnknownWord, "[Delay0]"},
      {"[ShiftLevel2]Milk", K::ShiftLevelNotAlone, "[ShiftLevel2]"},
      {"Milk[ShiftLevel9]", K::ShiftLevelNotAlone, "[ShiftLevel9]"},
      {"[ShiftLevel2][ShiftLevel3]", K::ShiftLevelNotAlone, "[ShiftLevel2]"},
      {"[F1]a", K::ScanWordMixed, "[F1]"},
      {"[CR][F2]", K::ScanWordMixed, "[F2]"},
      {"ab[CR", K::WordNotClosed, "[CR"},
      {"[[x[Sep", K::WordNotClosed, "[Sep"},
      {"a]b", K::StrayBracket, ""},
      {"a\0b"s, K::ZeroByte, ""},
  };
  for (const auto& c : cases) {
    const ContentFault fault = FindContentFault(c.content);
    EXPECT_EQ(fault.kind, c.kind) << c.content;
    EXPECT_EQ(fault.word, c.word) << c.content;
    EXPECT_EQ(DescribeContentFault(c.content, "L51").empty(), c.kind == K::None) << c.content;
  }
  EXPECT_TRUE(IsShiftLevelCode("[ShiftLevel1]"));
  EXPECT_FALSE(IsShiftLevelCode("[ShiftLevel0]"));
  EXPECT_FALSE(IsShiftLevelCode("[ShiftLevel2]a"));
}

}  // namespace
}  // namespace vexa
