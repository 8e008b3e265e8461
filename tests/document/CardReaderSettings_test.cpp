#include "document/CardReaderSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Messages.h"

namespace vexa {
namespace {

// The settings area as the factory leaves it, the content area holding a
// pattern so that stray writes show.
Image InitialImage() {
  Image image{};
  for (int i = 0; i < kContentAreaSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 1);
  for (int i = kContentAreaSize; i < offs::kGroupIndex; ++i) image[i] = 0xFF;
  image[offs::kInterCharDelay] = 2;
  image[offs::kFeatureFlagsA] = 0xEA;
  image[offs::kFeatureFlagsB] = 0xD6;
  image[offs::kTailMarker] = 0x55;
  image[offs::kTailMarker + 1] = 0xAA;
  image[offs::kTailMarker + 2] = 0xD6;
  return image;
}

std::vector<std::uint8_t> FieldBytes(const Image& image, MrField field) {
  const MrFieldInfo& info = CardReaderSettings::Info(field);
  return {image.begin() + info.offset, image.begin() + info.offset + info.size};
}

std::vector<int> DifferingBytes(const Image& a, const Image& b) {
  std::vector<int> offsets;
  for (int i = 0; i < kImageSize; ++i)
    if (a[i] != b[i]) offsets.push_back(i);
  return offsets;
}

TEST(CardReaderSettingsTest, InitialImageShowsEmptyFieldsAndFactoryFlags) {
  const CardReaderSettings s = CardReaderSettings::FromImage(InitialImage());
  for (const MrFieldInfo& info : CardReaderSettings::Fields()) EXPECT_EQ(s.Text(info.field), "");
  for (const MrTrack& t : s.tracks) {
    EXPECT_TRUE(t.data && t.startSentinel && t.endSentinel && t.separator);
    EXPECT_FALSE(t.lrc);
  }
  EXPECT_EQ(s.errorHandling, CardReaderSettings::kSkipTrackWithError);
  EXPECT_TRUE(s.beepAtGoodRead);
  EXPECT_TRUE(s.threeBeepsAtError);
}

TEST(CardReaderSettingsTest, FieldTableCoversTheSettingsAreaWithoutOverlap) {
  std::vector<int> owner(kImageSize, -1);
  int index = 0;
  for (const MrFieldInfo& info : CardReaderSettings::Fields()) {
    EXPECT_EQ(static_cast<int>(info.field), index);
    EXPECT_EQ(&CardReaderSettings::Info(info.field), &info);
    for (int i = info.offset; i < info.offset + info.size; ++i) {
      EXPECT_EQ(owner[i], -1) << "byte " << i << " claimed twice";
      owner[i] = index;
    }
    ++index;
  }
  EXPECT_EQ(CardReaderSettings::Info(MrField::CardDataPrefix).controlId, 1065);
  EXPECT_EQ(CardReaderSettings::Info(MrField::Track3Terminator).offset, 2018);
}

TEST(CardReaderSettingsTest, TextAndBytesConvertBothWays) {
  const struct {
    std::string text;
    std::string bytes;
    bool wellFormed;
    std::string shownAgain;
  } cases[] = {
      {"[CR][LF]", "\x0D\x0A", true, "[CR][LF]"},
      {"[TB]", "\x09", true, "[TB]"},
      {"[[x", "[x", true, "[[x"},
      {"A]B", "A]B", true, "A]B"},
      {"[[[[", "[[", true, "[[[["},
      {"\xE9t\xE9", "\xE9t\xE9", true, "\xE9t\xE9"},  // 8-bit characters pass through
      // A bracket that opens no known escape stays a plain character.
      {"[x", "[x", false, "[[x"},
      {"[cr]", "[cr]", false, "[[cr]"},
      {"[CR", "[CR", false, "[[CR"},
      {"[", "[", false, "[["},
      {"", "", true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const MrBytes converted = CardReaderSettings::TextToBytes(c.text);
    EXPECT_EQ(converted.bytes, c.bytes);
    EXPECT_EQ(converted.wellFormed, c.wellFormed);
    const std::vector<std::uint8_t> raw(c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(CardReaderSettings::BytesToText(raw), c.shownAgain);
  }
}

TEST(CardReaderSettingsTest, ShownTextEndsAtFirstFFOrZero) {
  const struct {
    std::vector<std::uint8_t> field;
    std::string text;
  } cases[] = {
      {{'A', 'B', 0xFF, 'C'}, "AB"},
      {{'A', 0x00, 'B', 'C'}, "A"},
      {{0x00, 0xFF, 0xFF, 0xFF}, ""},
      {{'W', 'X', 'Y', 'Z'}, "WXYZ"},  // a full field has no end marker
  };
  for (const auto& c : cases) EXPECT_EQ(CardReaderSettings::BytesToText(c.field), c.text);
}

TEST(CardReaderSettingsTest, LiveCheckWarnsAboutBadOrOverlongTexts) {
  const struct {
    MrField field;
    std::string text;
    std::string_view warning;
  } cases[] = {
      {MrField::CardDataPrefix, "ABCD", ""},
      {MrField::CardDataPrefix, "ABCD[CR]", msg::kCardDataPrefixError},
      {MrField::CardDataSuffix, "[[[[[[[[[[", msg::kCardDataSuffixError},
      {MrField::CardDataSuffix, "[[[[[[[[", ""},
      {MrField::Track1Terminator, "[TB]", ""},
      {MrField::Track1Terminator, "AB", msg::kTrack1TerminatorError},
      {MrField::Track2Terminator, "[x", msg::kTrack2TerminatorError},
      {MrField::Track3Terminator, "", ""},
      {MrField::Track1Prefix, "12345678", ""},
      {MrField::Track1Prefix, "123456789", msg::kTrack1PrefixError},
      {MrField::Track1Suffix, "[CR][LF]", ""},
      {MrField::Track2Prefix, "[[x", ""},
      {MrField::Track2Suffix, "%[Q", msg::kTrack2SuffixError},
      {MrField::Track3Prefix, "[LF][LF][LF][LF][LF][LF][LF][LF][LF]", msg::kTrack3PrefixError},
      {MrField::Track3Suffix, "[FOO]", msg::kTrack3SuffixError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CardReaderSettings::Check(c.field, c.text), c.warning);
  }
}

TEST(CardReaderSettingsTest, OkFindsTheFirstFieldInErrorInWritingOrder) {
  CardReaderSettings values;
  EXPECT_FALSE(values.FirstFieldInError().has_value());
  values.cardDataSuffix = "[X]";
  EXPECT_EQ(values.FirstFieldInError(), MrField::CardDataSuffix);
  values.tracks[1].terminator = "AB";
  EXPECT_EQ(values.FirstFieldInError(), MrField::Track2Terminator);
  values.tracks[0].prefix = "[CR]";  // right: not in error
  EXPECT_EQ(values.FirstFieldInError(), MrField::Track2Terminator);
  values.tracks[1].terminator = "[TB]";
  values.cardDataSuffix.clear();
  EXPECT_FALSE(values.FirstFieldInError().has_value());
}

TEST(CardReaderSettingsTest, AcceptingWritesEachFieldWithFFPadding) {
  const struct {
    MrField field;
    std::string text;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {MrField::Track1Suffix, "[CR][LF]", {0x0D, 0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {MrField::Track3Suffix, "", {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {MrField::Track2Prefix, "[[x", {0x5B, 0x78, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {MrField::Track1Terminator, "[TB]", {0x09}},
      {MrField::Track2Terminator, "", {0x00}},
      {MrField::CardDataPrefix, "%B", {'%', 'B', 0xFF, 0xFF}},
      {MrField::CardDataSuffix, "?[CR]", {'?', 0x0D, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Image image = InitialImage();
    CardReaderSettings s = CardReaderSettings::FromImage(image);
    s.Text(c.field) = c.text;
    s.ToImage(image);
    EXPECT_EQ(FieldBytes(image, c.field), c.bytes);
    EXPECT_EQ(CardReaderSettings::FromImage(image).Text(c.field), c.text);
  }
}

// An overlong text, or one holding an unknown bracket sequence, fills only its
// own field: the neighbours keep their bytes.
TEST(CardReaderSettingsTest, OverlongTextsStayInsideTheirField) {
  const struct {
    MrField field;
    std::string text;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {MrField::Track1Prefix, "ABCDEFGHIJ", {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
      {MrField::Track3Suffix, "[CR][CR][CR][CR][CR][CR][CR][LF][TB]", {13, 13, 13, 13, 13, 13, 13, 10}},
      {MrField::Track1Terminator, "AB", {'A'}},
      {MrField::Track3Terminator, "[x", {'['}},
      {MrField::CardDataPrefix, "[FOO]", {'[', 'F', 'O', 'O'}},
      {MrField::CardDataSuffix, "0123456789012345678901234567890123456789", {'0', '1', '2', '3'}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Image image = InitialImage();
    Image expected = image;
    CardReaderSettings s = CardReaderSettings::FromImage(image);
    s.ToImage(expected);  // the same dialog with this field left empty
    s.Text(c.field) = c.text;
    s.ToImage(image);
    EXPECT_EQ(FieldBytes(image, c.field), c.bytes);
    const MrFieldInfo& info = CardReaderSettings::Info(c.field);
    std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + info.offset);
    EXPECT_EQ(DifferingBytes(image, expected), std::vector<int>{});
  }
}

TEST(CardReaderSettingsTest, FlagsBeepsAndErrorHandlingTouchOnlyTheirBits) {
  Image image = InitialImage();
  image[offs::kTrack1Flags] = 0x00;
  image[offs::kTrack1Flags + 1] = 0x70;  // bits 4..6 are not ours
  image[offs::kTrack1Flags + 2] = 0x8A;
  image[offs::kFeatureFlagsA] = 0x00;
  image[offs::kFeatureFlagsB] = 0x3F;

  CardReaderSettings s = CardReaderSettings::FromImage(image);
  EXPECT_TRUE(s.tracks[0].lrc && !s.tracks[0].data && !s.tracks[0].separator);
  EXPECT_TRUE(s.tracks[2].startSentinel && s.tracks[2].separator && !s.tracks[2].lrc);
  EXPECT_EQ(s.errorHandling, CardReaderSettings::kNoDataWithAnyError);
  EXPECT_FALSE(s.beepAtGoodRead || s.threeBeepsAtError);

  s.tracks[0] = {true, false, true, false, false, "", "", ""};
  s.tracks[1] = {false, true, false, true, true, "", "", ""};
  s.tracks[2] = {true, true, true, true, true, "", "", ""};
  s.errorHandling = CardReaderSettings::kSkipTrackWithError;
  s.beepAtGoodRead = true;
  s.ToImage(image);
  EXPECT_EQ(image[offs::kTrack1Flags], 0x85);
  EXPECT_EQ(image[offs::kTrack1Flags + 1], 0x7A);
  EXPECT_EQ(image[offs::kTrack1Flags + 2], 0x0F);
  EXPECT_EQ(image[offs::kFeatureFlagsA], 0x02);
  EXPECT_EQ(image[offs::kFeatureFlagsB], 0x7F);

  s.errorHandling = CardReaderSettings::kNoDataWithAnyError;
  s.beepAtGoodRead = false;
  s.threeBeepsAtError = true;
  s.ToImage(image);
  EXPECT_EQ(image[offs::kFeatureFlagsA], 0x00);
  EXPECT_EQ(image[offs::kFeatureFlagsB], 0xBF);
}

// OK without changes keeps every string and flag; only a field that was never
// written (all 0xFF) is stored the way an empty text is, with a leading 0x00.
TEST(CardReaderSettingsTest, UnchangedDialogKeepsEveryValue) {
  Image image = InitialImage();
  const std::uint8_t t1[] = {'%', 'A', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  std::copy(std::begin(t1), std::end(t1), image.begin() + offs::kTrack1Prefix);
  image[offs::kTrack1Terminator] = 0x0D;
  image[offs::kTrack1Flags + 1] = 0x33;
  Image expected = image;
  for (const MrFieldInfo& info : CardReaderSettings::Fields())
    if (expected[info.offset] == 0xFF) expected[info.offset] = 0x00;

  CardReaderSettings::FromImage(image).ToImage(image);
  EXPECT_EQ(DifferingBytes(image, expected), std::vector<int>{});
  CardReaderSettings::FromImage(image).ToImage(image);
  EXPECT_EQ(DifferingBytes(image, expected), std::vector<int>{});
}

}  // namespace
}  // namespace vexa
