// Comparing two templates: keys by layout position (and the keys the layout
// does not show), settings named as the dialogs name them under the model's
// feature flag layout, and settings bytes no dialog shows by their offset.
#include "document/TemplateDiff.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "document/CVEXADoc.h"
#include "document/CardReaderSettings.h"
#include "document/FeatureSettings.h"
#include "document/SettingsStore.h"

namespace vexa {
namespace {

constexpr int kPx2400 = 2013, kDv3100 = 2017;

struct Pair {
  explicit Pair(int modelId) {
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
    a = std::make_unique<CVEXADoc>(settings, "/tmp");
    b = std::make_unique<CVEXADoc>(settings, "/tmp");
    a->NewTemplate();
    b->NewTemplate();
  }
  MemorySettingsStore settings;
  std::unique_ptr<CVEXADoc> a, b;
};

TEST(TemplateDiffTest, SameTemplatesHaveNoDifferences) {
  Pair p(kPx2400);
  p.a->Content(5) = p.b->Content(5) = "x";
  // The group index is rebuilt at every save: a built and an unbuilt image are the same template.
  p.a->BuildImage();
  p.a->MemoryImage()[offs::kGroupIndex] ^= 0x40;
  EXPECT_TRUE(DiffTemplates(*p.a, *p.b).Empty());
}

TEST(TemplateDiffTest, KeysDifferByLayoutPosition) {
  Pair p(kDv3100);
  const int position = 3;
  const int key = p.a->KeyMap()[position];
  p.a->Content(key) = "[F1]";
  p.b->Content(key) = "abc";
  p.b->Content(150) = "hidden";  // not on the DV3100's 17 keys, but in its memory
  const TemplateDifferences d = DiffTemplates(*p.a, *p.b);
  ASSERT_EQ(d.keys.size(), 2u);
  EXPECT_EQ(d.keys[0].position, position);
  EXPECT_EQ(d.keys[0].label, p.a->Labels()[position]);
  EXPECT_EQ(d.keys[0].a, "[F1]");
  EXPECT_EQ(d.keys[0].b, "abc");
  EXPECT_EQ(d.keys[1].position, -1);
  EXPECT_EQ(d.keys[1].keyIndex, 150);
  EXPECT_EQ(d.keys[1].b, "hidden");
  EXPECT_TRUE(d.settings.empty());
}

TEST(TemplateDiffTest, HiddenTwinOfThePx2400KeyLockIsNotReported) {
  Pair p(kPx2400);
  p.b->Content(kLinkedKeyIndex) = p.b->Content(kLinkedKeyTwinIndex) = "[F2]";
  const TemplateDifferences d = DiffTemplates(*p.a, *p.b);
  ASSERT_EQ(d.keys.size(), 1u);
  EXPECT_EQ(d.keys[0].keyIndex, kLinkedKeyIndex);
  EXPECT_EQ(d.keys[0].label, "KeyLock");
}

TEST(TemplateDiffTest, SettingsAreNamedAsTheDialogsNameThem) {
  struct Case {
    const char* name;
    int model;
    std::function<void(Image&)> change;
    std::vector<SettingDifference> expected;
  } cases[] = {
      {"key beep",
       kPx2400,
       [](Image& i) { i[offs::kFeatureFlagsA] ^= 0x40; },
       {{"Enable beeping when a key typed", "on", "off"}}},
      {"typematic ASCII, one-byte layout",
       kPx2400,
       [](Image& i) { i[offs::kFeatureFlagsA] |= 0x10; },
       {{"Enable typematic for ASCII code", "off", "on"}}},
      {"typematic ASCII, serial port layout",
       kDv3100,
       [](Image& i) { i[offs::kFeatureFlagsB] |= 0x20; },
       {{"Enable typematic for ASCII code", "off", "on"}}},
      {"break codes are on when the bit is clear",
       kPx2400,
       [](Image& i) { i[offs::kFeatureFlagsA] |= 0x04; },
       {{"Send break-code for scan code mode key", "on", "off"}}},
      {"delay",
       kPx2400,
       [](Image& i) { i[offs::kInterCharDelay] = 30; },
       {{"Inter-character delay(mS)", "2", "30"}}},
      {"baud rate",
       kDv3100,
       [](Image& i) { i[offs::kFeatureFlagsB] = 0xD4; },
       {{"RS232 port: Baud rate", "9600", "2400"}}},
      {"card reader strings in their text form",
       kPx2400,
       [](Image& i) {
         CardReaderSettings c = CardReaderSettings::FromImage(i);
         c.tracks[1].suffix = "[CR][LF]";
         c.cardDataPrefix = "%";
         c.ToImage(i);
       },
       {{"Card Data Prefix", "", "%"}, {"Track2 Properties: Suffix", "", "[CR][LF]"}}},
      {"the product's own spelling",
       kPx2400,
       [](Image& i) { i[offs::kTrack1Flags + 2] ^= 0x08; },
       {{"Track3 Properties: Enable seperator", "on", "off"}}},
      {"error handling",
       kPx2400,
       [](Image& i) { i[offs::kFeatureFlagsA] ^= 0x02; },
       {{"Error handling", "Skip output of track with error", "No data output with any error"}}},
      {"the unused byte",
       kPx2400,
       [](Image& i) { i[offs::kUnused] = 0x00; },
       {{"Settings byte 2023", "0xFF", "0x00"}}},
      {"a track flag no dialog shows",
       kPx2400,
       [](Image& i) { i[offs::kTrack1Flags] ^= 0x10; },
       {{"Settings byte 2019", "0xFF", "0xEF"}}},
      {"the card reader area of a model without a reader",
       kDv3100,
       [](Image& i) { i[offs::kTrack1Prefix] = 'A'; },
       {{"Settings byte 1968", "0xFF", "0x41"}}},
      {"the tail marker",
       kDv3100,
       [](Image& i) { i[offs::kTailMarker] = 0; },
       {{"Settings byte 2045", "0x55", "0x00"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Pair p(c.model);
    c.change(p.b->MemoryImage());
    const TemplateDifferences d = DiffTemplates(*p.a, *p.b);
    EXPECT_TRUE(d.keys.empty());
    ASSERT_EQ(d.settings.size(), c.expected.size());
    for (size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_EQ(d.settings[i].name, c.expected[i].name);
      EXPECT_EQ(d.settings[i].a, c.expected[i].a);
      EXPECT_EQ(d.settings[i].b, c.expected[i].b);
    }
  }
}

}  // namespace
}  // namespace vexa
