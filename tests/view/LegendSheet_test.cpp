// The legend sheet's model: one key per layout position with the view's
// rectangle, label and content, the L-shaped Enter key drawn as the view
// draws it, and the title naming the file and the model.
#include "view/LegendSheet.h"

#include <gtest/gtest.h>

#include <memory>

#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"

namespace vexa {
namespace {

TEST(LegendSheetTest, EveryPositionOfEveryModel) {
  for (const ModelInfo& model : Models()) {
    SCOPED_TRACE(std::string(model.name));
    MemorySettingsStore settings;
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, model.id);
    CVEXADoc doc(settings, "/tmp");
    doc.NewTemplate();
    for (int p = 0; p < doc.KeyCount(); ++p)
      doc.Content(doc.KeyMap()[static_cast<size_t>(p)]) = "c" + std::to_string(p);

    const LegendSheet sheet = BuildLegendSheet(doc);
    EXPECT_EQ(sheet.title, "Template : " + std::string(model.name));
    ASSERT_EQ(static_cast<int>(sheet.keys.size()), model.keyCount);
    const bool lShaped = HasLShapedEnter(model.id);
    for (const LegendKey& key : sheet.keys) {
      const auto p = static_cast<size_t>(key.position);
      EXPECT_EQ(key.rect, doc.KeyRects()[p]);
      EXPECT_EQ(key.label, doc.Labels()[p]);
      EXPECT_EQ(key.openBottom, lShaped && key.position == 28);
      EXPECT_EQ(key.topEdgeInset, lShaped && key.position == 41 ? 40 : 0);
      // The upper block of the Enter key shows no content: the Enter key does.
      EXPECT_EQ(key.content, key.openBottom ? "" : doc.Content(key.keyIndex));
      EXPECT_GE(key.rect.left, sheet.bounds.left);
      EXPECT_GE(key.rect.top, sheet.bounds.top);
      EXPECT_LE(key.rect.left + key.rect.width, sheet.bounds.left + sheet.bounds.width);
      EXPECT_LE(key.rect.top + key.rect.height, sheet.bounds.top + sheet.bounds.height);
    }
  }
}

TEST(LegendSheetTest, TitleNamesTheSavedFile) {
  MemorySettingsStore settings;
  CVEXADoc doc(settings, "/tmp");
  doc.NewTemplate();
  const std::string path = ::testing::TempDir() + "/shop.bin";
  ASSERT_TRUE(doc.SaveTemplate(path).ok);
  EXPECT_EQ(BuildLegendSheet(doc).title, "shop.bin : PX2400");
}

// Lines of the sheet never end inside a key word or an escaped bracket, and
// prefer to end before a key word or after a blank.
TEST(LegendSheetTest, WrapKeepsKeyWordsWhole) {
  struct Case {
    const char* text;
    int columns;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"[Separator]Sugar", 10, {"[Separator]", "Sugar"}},
      {"Tea[Separator]Sugar", 12, {"Tea", "[Separator]", "Sugar"}},
      {"Tea[CR]", 5, {"Tea", "[CR]"}},
      {"Milk and sugar", 9, {"Milk and ", "sugar"}},
      {"abcdefgh", 3, {"abc", "def", "gh"}},
      {"ab[[cd", 3, {"ab", "[[c", "d"}},
      {"[F1][F2][F3]", 8, {"[F1][F2]", "[F3]"}},
      {"[Delay 10]x", 4, {"[Delay 10]", "x"}},
      {"ab[open", 4, {"ab", "[open"}},
      {"", 5, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WrapLegendText(c.text, c.columns), c.lines);
  }
}

}  // namespace
}  // namespace vexa
