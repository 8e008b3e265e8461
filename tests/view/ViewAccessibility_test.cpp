// What screen readers are told about the drawn keyboard: names, contents and
// modes of the keys, the selected children and the announcements of a change.
#include "view/ViewAccessibility.h"

#include <gtest/gtest.h>

#include <string>

#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "models/ModelTable.h"
#include "view/ViewSelection.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

namespace va = view_accessibility;
using Kind = va::Announcement::Kind;

class ViewAccessibilityTest : public ::testing::Test {
 protected:
  void UseModel(int modelId) {
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
    doc = std::make_unique<CVEXADoc>(settings, "/tmp");
    doc->NewTemplate();
    state = ViewState();
    state.ResetForInitialUpdate(*doc);
  }
  void SetUp() override { UseModel(2013); }
  int KeyAt(int position) const { return doc->KeyMap()[static_cast<size_t>(position)]; }

  MemorySettingsStore settings;
  std::unique_ptr<CVEXADoc> doc;
  ViewState state;
};

// Every model: one child per layout position, named by its label, and only
// the selected position (with the Enter key also its upper block) selected.
TEST_F(ViewAccessibilityTest, ChildrenFollowTheLayoutOfEveryModel) {
  for (const ModelInfo& model : Models()) {
    UseModel(model.id);
    ASSERT_EQ(va::ChildCount(*doc), model.keyCount) << model.name;
    int selected = 0;
    for (int p = 0; p < model.keyCount; ++p) {
      const va::KeyFacts facts = va::FactsOf(*doc, state, p);
      EXPECT_FALSE(facts.name.empty()) << model.name << " position " << p;
      if (va::IsSelectedChild(*doc, state, p)) ++selected;
    }
    EXPECT_EQ(selected, 1) << model.name;
  }
}

TEST_F(ViewAccessibilityTest, UpperEnterBlockIsPartOfTheEnterKey) {
  struct Case {
    int modelId;
    bool lShaped;
  } cases[] = {{2013, true}, {2014, true}, {2015, true}, {2016, false}, {2017, false}, {2018, false}};
  for (const Case& c : cases) {
    UseModel(c.modelId);
    if (doc->KeyCount() <= 41) continue;
    ASSERT_EQ(view_selection::SelectKey(*doc, state, 28), ClickResult::Selected);
    EXPECT_EQ(state.selectedPosition, c.lShaped ? 41 : 28) << c.modelId;
    EXPECT_TRUE(va::IsSelectedChild(*doc, state, 28)) << c.modelId;
    EXPECT_EQ(va::IsSelectedChild(*doc, state, 41), c.lShaped) << c.modelId;
    if (c.lShaped) {
      EXPECT_EQ(va::FactsOf(*doc, state, 28).name, "Enter") << c.modelId;
    }
  }
}

TEST_F(ViewAccessibilityTest, ContentAndModeAsTheEditorShowsThem) {
  struct Case {
    const char* content;
    bool selected;
    bool selectedInScanMode;
    va::KeyMode mode;
    const char* shown;
  } cases[] = {
      {"Tea[CR]", false, false, va::KeyMode::Ascii, "Tea[CR]"},
      {"[F1][F2]", false, false, va::KeyMode::ScanCode, "[F1][F2]"},
      {"", false, false, va::KeyMode::Empty, ""},
      // The selected key is in the editor's mode, even while empty.
      {"", true, false, va::KeyMode::Ascii, ""},
      {"", true, true, va::KeyMode::ScanCode, ""},
      // Bytes without a glyph read as the substitute the window draws.
      {"a\x01z", false, false, va::KeyMode::Ascii, "a\xF8z"},
  };
  for (const Case& c : cases) {
    const int position = c.selected ? state.selectedPosition : 5;
    doc->Content(KeyAt(position)) = c.content;
    state.keyModes[static_cast<size_t>(state.selectedKey)] = c.selectedInScanMode ? 0 : 1;
    const va::KeyFacts facts = va::FactsOf(*doc, state, position);
    EXPECT_EQ(facts.mode, c.mode) << c.content;
    EXPECT_EQ(facts.content, c.shown) << c.content;
    doc->Content(KeyAt(position)).clear();
  }
}

TEST_F(ViewAccessibilityTest, LabelsAreNamedWithoutSurroundingBlanks) {
  doc->Labels()[3] = "  Tea ";
  EXPECT_EQ(va::FactsOf(*doc, state, 3).name, "Tea");
  doc->Labels()[3] = "   ";
  EXPECT_EQ(va::FactsOf(*doc, state, 3).name, "");
  EXPECT_EQ(va::FactsOf(*doc, state, doc->KeyCount()).name, "");  // outside the layout
}

TEST_F(ViewAccessibilityTest, ComparisonAnnouncesWhatChanged) {
  struct Case {
    const char* what;
    void (*change)(CVEXADoc&, ViewState&);
    std::vector<va::Announcement> expected;
  } cases[] = {
      {"nothing", [](CVEXADoc&, ViewState&) {}, {}},
      // An empty key reads as empty, and in the editor's mode once selected.
      {"selection moved between empty keys",
       [](CVEXADoc& d, ViewState& s) { (void)view_selection::SelectKey(d, s, 7); },
       {{Kind::ModeChanged, 0}, {Kind::ModeChanged, 7}, {Kind::Selected, 7}}},
      {"content typed",
       [](CVEXADoc& d, ViewState& s) { d.Content(s.selectedKey) = "Tea[CR]"; },
       {{Kind::ContentChanged, 0}}},
      {"mode only",
       [](CVEXADoc&, ViewState& s) { s.keyModes[static_cast<size_t>(s.selectedKey)] = 0; },
       {{Kind::ModeChanged, 0}}},
      {"label and content of another key",
       [](CVEXADoc& d, ViewState&) {
         d.Labels()[9] = "Tea";
         d.Content(d.KeyMap()[9]) = "x";
       },
       {{Kind::NameChanged, 9}, {Kind::ContentChanged, 9}}},
      {"content, then the selection moves",
       [](CVEXADoc& d, ViewState& s) {
         d.Content(s.selectedKey) = "a";
         (void)view_selection::SelectKey(d, s, 2);
       },
       {{Kind::ContentChanged, 0}, {Kind::ModeChanged, 2}, {Kind::Selected, 2}}},
  };
  for (const Case& c : cases) {
    UseModel(2013);
    const va::Snapshot before = va::TakeSnapshot(*doc, state);
    c.change(*doc, state);
    EXPECT_EQ(va::Compare(before, va::TakeSnapshot(*doc, state)), c.expected) << c.what;
  }
}

TEST_F(ViewAccessibilityTest, AnotherLayoutIsAResetThenTheSelection) {
  const va::Snapshot px2400 = va::TakeSnapshot(*doc, state);
  UseModel(2017);
  const std::vector<va::Announcement> expected{{Kind::Reset, -1}, {Kind::Selected, 0}};
  EXPECT_EQ(va::Compare(px2400, va::TakeSnapshot(*doc, state)), expected);
  EXPECT_EQ(va::Compare(va::Snapshot{}, va::TakeSnapshot(*doc, state)), expected);
}

}  // namespace
}  // namespace vexa
