#include "document/MemoryImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "document/KeyContent.h"

namespace vexa {
namespace {

int GroupIndex(const Image& image, int j) {
  return image[static_cast<size_t>(offs::kGroupIndex + 2 * j)] |
         image[static_cast<size_t>(offs::kGroupIndex + 2 * j + 1)] << 8;
}

// A template close to full: ASCII and scan code keys of every kind.
KeyContents FullTemplate() {
  const char* samples[] = {"Coffee[CR]",
                           "[F1][Shift][A][Delay5][Enter]",
                           "[ShiftLevel2]",
                           "Tea a[[1]][Separator]b",
                           "[PrintScreen][PauseBreak]",
                           "",
                           "[Caps]x[Delay250]",
                           "[Mute][VolumeUp][0E0][0F0]"};
  KeyContents contents;
  for (size_t k = 0; k < contents.size(); ++k) contents[k] = samples[k % std::size(samples)];
  return contents;
}

TEST(MemoryImageTest, SlotTable) {
  const int first[] = {121, 122, 123, 124, 125, 126, 127, 128, 120, 119, 118, 117, 116, 115, 114, 113};
  for (int s = 0; s < 16; ++s) EXPECT_EQ(KeyNumberOfSlot(s), first[s]) << s;
  const std::pair<int, int> rows[] = {{16, 105}, {23, 112},  {24, 104},  {31, 97},   {112, 9},   {120, 8},
                                      {127, 1},  {128, 137}, {136, 136}, {143, 129}, {160, 169}, {175, 161}};
  for (const auto& [slot, key] : rows) EXPECT_EQ(KeyNumberOfSlot(slot), key) << slot;
  std::set<int> keys;
  for (int s = 0; s < kKeyCount; ++s) keys.insert(KeyNumberOfSlot(s));
  EXPECT_EQ(keys.size(), 176u);
  EXPECT_EQ(*keys.begin(), 1);
  EXPECT_EQ(*keys.rbegin(), 176);
  EXPECT_EQ(KeyNumberOfSlot(-1), 0);
  EXPECT_EQ(KeyNumberOfSlot(176), 0);
}

TEST(MemoryImageTest, ResetImage) {
  Image image;
  image.fill(0x77);
  ResetImage(image);
  for (int i = 0; i < kImageSize; ++i) {
    int expected = 0x00;
    if (i >= 1968 && i < 2032) expected = 0xFF;
    if (i == 2042) expected = 2;
    if (i == 2043) expected = 0xEA;
    if (i == 2044) expected = 0xD6;
    if (i == 2045) expected = 0x55;
    if (i == 2046) expected = 0xAA;
    if (i == 2047) expected = 0xD6;
    ASSERT_EQ(image[static_cast<size_t>(i)], expected) << i;
  }
}

TEST(MemoryImageTest, BuildEmptyTemplate) {
  Image image;
  ResetImage(image);
  std::fill(image.begin() + 176, image.begin() + kContentAreaSize, 0xAB);
  const Image before = image;
  KeyContents contents;
  BuildImage(image, contents, 2014);
  for (int i = 0; i < 176; ++i) EXPECT_EQ(image[static_cast<size_t>(i)], 0) << i;
  for (int j = 0; j < kGroupIndexCount; ++j) EXPECT_EQ(GroupIndex(image, j), 32 * (j + 1));
  // Everything after the key strings, and the settings area but the group index, is untouched.
  EXPECT_TRUE(std::equal(image.begin() + 176, image.begin() + offs::kGroupIndex, before.begin() + 176));
  EXPECT_TRUE(
      std::equal(image.begin() + offs::kInterCharDelay, image.end(), before.begin() + offs::kInterCharDelay));
}

TEST(MemoryImageTest, BuildPlacesKeysBySlot) {
  Image image;
  ResetImage(image);
  KeyContents contents;
  contents[120] = "[ShiftLevel2]";  // key number 121: slot 0
  BuildImage(image, contents, 2014);
  EXPECT_EQ(image[0], 0xFF);
  EXPECT_EQ(image[1], 0xFF);
  EXPECT_EQ(image[2], 0xFF);
  EXPECT_EQ(image[3], 0x00);
  for (int j = 0; j < kGroupIndexCount; ++j) EXPECT_EQ(GroupIndex(image, j), 32 * (j + 1) + 3);

  contents[120].clear();
  contents[0] = "a";  // key number 1: slot 127, after 127 empty strings
  BuildImage(image, contents, 2014);
  EXPECT_EQ(image[127], 'a');
  EXPECT_EQ(image[128], 0x00);
  EXPECT_EQ(GroupIndex(image, 3), 129);  // slot 128 starts after key 1's string
  EXPECT_EQ(GroupIndex(image, 2), 96);
}

TEST(MemoryImageTest, LinkedKeysOfPx2400) {
  struct Case {
    const char* key160;
    const char* key121;
    int modelId;
    const char* want160;
    const char* want121;
  };
  const Case cases[] = {
      {"", "abc", 2013, "abc", "abc"},
      {"xyz", "abc", 2013, "xyz", "xyz"},
      {"xyz", "", 2013, "xyz", "xyz"},
      {"xyz", "abc", 2016, "xyz", "abc"},  // other models leave both alone
  };
  for (const Case& c : cases) {
    KeyContents contents;
    contents[160] = c.key160;
    contents[121] = c.key121;
    Image image;
    ResetImage(image);
    BuildImage(image, contents, c.modelId);
    EXPECT_EQ(contents[160], c.want160);
    EXPECT_EQ(contents[121], c.want121);
    KeyContents decoded;
    DecodeImage(image, decoded, c.modelId);
    EXPECT_EQ(decoded[160], c.want160);
    EXPECT_EQ(decoded[121], c.want121);
  }
}

TEST(MemoryImageTest, BuildThenDecodeGivesTheContentsBack) {
  KeyContents contents = FullTemplate();
  ASSERT_EQ(FirstInvalidKey(contents), -1);
  ASSERT_GE(SpaceLeft(contents), 0);
  Image image;
  ResetImage(image);
  BuildImage(image, contents, 2016);
  KeyContents decoded;
  decoded.fill("junk");
  DecodeImage(image, decoded, 2016);
  EXPECT_EQ(decoded, contents);
  // Decoding leaves the image as it was; building again gives the same bytes.
  Image again = image;
  BuildImage(again, decoded, 2016);
  EXPECT_EQ(again, image);
}

TEST(MemoryImageTest, SpaceLeft) {
  KeyContents contents;
  EXPECT_EQ(SpaceLeft(contents), 1792);
  std::array<int, kKeyCount> blank;
  blank.fill(7);
  contents[175] = "[F1][F2]";  // 3 bytes; a key beyond every model's key count still counts
  contents[0] = "[ab";         // an unfinished word counts nothing
  EXPECT_EQ(SpaceLeft(contents, blank), 1789);
  EXPECT_EQ(blank[175], 0);
  EXPECT_EQ(blank[0], 1);
  EXPECT_EQ(blank[1], 1);
  EXPECT_EQ(SpaceLeft(contents, nullptr), 1789);
}

// A template whose key data are too long is refused by the check, and a build
// of it still never writes into the settings area and keeps every slot.
TEST(MemoryImageTest, OversizedKeyDataNeverReachTheSettingsArea) {
  KeyContents contents;
  for (std::string& c : contents) c = std::string(20, 'x');  // 176 * 21 = 3696 bytes
  EXPECT_EQ(KeyDataBytesOver(contents), 3696 - 1968);
  EXPECT_EQ(CheckKeyDataFits(contents), "Not enough keyboard memory: the key data is 1728 bytes too long!!");
  EXPECT_EQ(SpaceLeft(contents), 1968 - 3696);

  Image image;
  ResetImage(image);
  const Image before = image;
  BuildImage(image, contents, 2014);
  EXPECT_TRUE(std::equal(image.begin() + kContentAreaSize, image.begin() + offs::kGroupIndex,
                         before.begin() + kContentAreaSize));
  EXPECT_TRUE(
      std::equal(image.begin() + offs::kInterCharDelay, image.end(), before.begin() + offs::kInterCharDelay));
  KeyContents decoded;
  DecodeImage(image, decoded, 2014);
  int kept = 0;
  for (const std::string& c : decoded) {
    EXPECT_TRUE(c.empty() || c == contents[0]);
    kept += c.empty() ? 0 : 1;
  }
  EXPECT_EQ(kept, (1968 - 176) / 20);

  // Exactly full fits; one byte more does not.
  KeyContents full;
  full[0] = std::string(1968 - 176, 'y');
  EXPECT_EQ(SpaceLeft(full), 0);
  EXPECT_EQ(CheckKeyDataFits(full), "");
  full[1] = "z";
  EXPECT_EQ(KeyDataBytesOver(full), 1);
}

TEST(MemoryImageTest, DecodeNeverReadsPastTheImage) {
  Image image;
  image.fill(0x41);  // no terminator anywhere
  KeyContents contents;
  contents.fill("old");
  DecodeImage(image, contents, 2014);
  for (const std::string& c : contents) EXPECT_EQ(c, "");

  // Three terminators, the last in the settings area: three keys, the rest empty.
  image[0] = 0x00;
  image[1] = 'b';
  image[2] = 0x00;
  image[2040] = 0x00;
  DecodeImage(image, contents, 2014);
  EXPECT_EQ(contents[KeyNumberOfSlot(0) - 1], "");
  EXPECT_EQ(contents[KeyNumberOfSlot(1) - 1], "b");
  EXPECT_EQ(contents[KeyNumberOfSlot(2) - 1], std::string(2037, 'A'));
  for (int s = 3; s < kKeyCount; ++s) EXPECT_EQ(contents[KeyNumberOfSlot(s) - 1], "") << s;
}

// FF 1E E0 00 is the valid content [A][0E0]: the E0 must not swallow the
// terminator, or every later key would decode from the wrong place.
TEST(MemoryImageTest, PrefixByteBeforeTerminatorKeepsLaterKeysInPlace) {
  for (const char* last : {"[A][0E0]", "[A][PauseBreak][0E0]"}) {
    KeyContents contents;
    contents[KeyNumberOfSlot(0) - 1] = last;
    contents[KeyNumberOfSlot(1) - 1] = "next";
    contents[KeyNumberOfSlot(2) - 1] = "[F1]";
    Image image;
    ResetImage(image);
    BuildImage(image, contents, 2014);
    KeyContents decoded;
    DecodeImage(image, decoded, 2014);
    EXPECT_EQ(decoded, contents) << last;
  }
}

}  // namespace
}  // namespace vexa
