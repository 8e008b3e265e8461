// The layout view's logic without painting: the content window, clicks, arrow
// moves, the resets and the paint model.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/Messages.h"
#include "base/Translate.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "models/ModelTable.h"
#include "view/ContentWindow.h"
#include "view/ViewPaintModel.h"
#include "view/ViewSelection.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

class ViewLogicTest : public ::testing::Test {
 protected:
  void UseModel(int modelId) {
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
    doc = std::make_unique<CVEXADoc>(settings, "/tmp");
    doc->NewTemplate();
    state = ViewState();
    state.ResetForInitialUpdate(*doc);
  }
  void SetUp() override { UseModel(2013); }

  // The centre of layout position p.
  std::pair<int, int> Centre(int p) const {
    const KeyRect& r = doc->KeyRects()[static_cast<size_t>(p)];
    return {r.left + r.width / 2, r.top + r.height / 2};
  }
  ClickResult ClickKey(int p) {
    auto [x, y] = Centre(p);
    return view_selection::LeftButtonDown(*doc, state, x, y);
  }

  MemorySettingsStore settings;
  std::unique_ptr<CVEXADoc> doc;
  ViewState state;
};

TEST_F(ViewLogicTest, ContentWindowSubstitutesUnprintableBytes) {
  struct Case {
    unsigned char byte;
    bool substituted;
  } cases[] = {{0x01, true}, {0x1F, true}, {0x20, false}, {'A', false}, {128, false},
               {129, true},  {141, true},  {143, true},   {144, true},  {157, true},
               {162, true},  {173, true},  {174, false},  {248, false}};
  for (const Case& c : cases) {
    doc->Content(state.selectedKey) = std::string(1, static_cast<char>(c.byte));
    const std::string shown = content_window::ShownText(*doc, state);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(shown[0]), c.substituted ? 248 : c.byte) << int(c.byte);
  }
}

TEST_F(ViewLogicTest, ContentWindowShowsEightyFiveColumnsFromTheWindowStart) {
  std::string content;
  for (int i = 0; i < 120; ++i) content += static_cast<char>('a' + i % 26);
  doc->Content(state.selectedKey) = content;
  state.cursor = 100;
  state.caretColumn = 85;
  EXPECT_EQ(content_window::ShownText(*doc, state), content.substr(15, 85));
  // A cursor left beyond the content shows the tail instead of reading past it.
  state.cursor = 500;
  state.caretColumn = 0;
  EXPECT_EQ(content_window::ShownText(*doc, state), "");
  state.decimalDisplay = true;  // decimal form of a non-ASCII content is empty
  doc->Content(state.selectedKey) = "[F1]";
  EXPECT_EQ(content_window::SourceText(*doc, state), "");
}

TEST_F(ViewLogicTest, ContentBoxClickPlacesCursor) {
  struct Case {
    std::string content;
    int cursor, caret;  // before
    int x;
    int wantCursor, wantCaret;
  } cases[] = {
      {"abcdef", 0, 0, 99 + 7 * 3 + 2, 3, 3},          // inside a short content
      {"abcdef", 0, 0, 99 + 7 * 40, 6, 6},             // right of the end: at the end
      {"abcdef", 2, 2, 97, 0, 0},                      // x 96..98 is column 0
      {std::string(100, 'x'), 100, 85, 699, 100, 85},  // long content, last column
      // Scrolled window ending before the box: stops at the end of the text.
      {std::string(100, 'x'), 20, 0, 99 + 7 * 84, 100, 80},
  };
  for (const Case& c : cases) {
    doc->Content(state.selectedKey) = c.content;
    state.cursor = c.cursor;
    state.caretColumn = c.caret;
    ASSERT_EQ(view_selection::LeftButtonDown(*doc, state, c.x, 340), ClickResult::ContentBox);
    EXPECT_EQ(state.cursor, c.wantCursor) << c.content.size() << " x=" << c.x;
    EXPECT_EQ(state.caretColumn, c.wantCaret) << c.content.size() << " x=" << c.x;
  }
}

TEST_F(ViewLogicTest, DecimalClickSnapsToGroupStart) {
  doc->Content(state.selectedKey) = "Ab[CR]";  // decimal form [65][98][CR]
  state.decimalDisplay = true;
  // Column 6 is inside "[98]": back to its "[" at 4, which stands for the
  // content's second character.
  (void)view_selection::LeftButtonDown(*doc, state, 99 + 7 * 6, 340);
  EXPECT_EQ(state.decimalCursor, 4);
  EXPECT_EQ(state.caretColumn, 4);
  EXPECT_EQ(state.cursor, 1);
  // On "[CR]": the cursor stands before the whole word, not inside it.
  (void)view_selection::LeftButtonDown(*doc, state, 99 + 7 * 9, 340);
  EXPECT_EQ(state.decimalCursor, 8);
  EXPECT_EQ(state.cursor, 2);
  // Past the end: decimal cursor at the end, the cursor after the last word.
  (void)view_selection::LeftButtonDown(*doc, state, 99 + 7 * 50, 340);
  EXPECT_EQ(state.decimalCursor, 12);
  EXPECT_EQ(state.cursor, 6);
}

TEST_F(ViewLogicTest, HitTestIsStrict) {
  const KeyRect r = doc->KeyRects()[5];
  struct Case {
    int dx, dy;
    bool hit;
  } cases[] = {{1, 1, true},  {0, 5, false},        {r.width, 5, false},
               {5, 0, false}, {5, r.height, false}, {r.width - 1, r.height - 1, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(view_selection::HitTest(*doc, r.left + c.dx, r.top + c.dy) == 5, c.hit) << c.dx << "," << c.dy;
  }
  EXPECT_EQ(view_selection::HitTest(*doc, 5, 5), -1);
}

TEST_F(ViewLogicTest, ClickSelectsKeyAndUpperEnterBlockSelectsEnter) {
  for (int model : {2013, 2014, 2015, 2016, 2017, 2018}) {
    UseModel(model);
    const int last = doc->KeyCount() - 1;
    ASSERT_EQ(ClickKey(last), ClickResult::Selected);
    EXPECT_EQ(state.selectedPosition, last) << model;
    EXPECT_EQ(state.selectedKey, doc->KeyMap()[static_cast<size_t>(last)]) << model;
    if (HasLShapedEnter(model)) {
      ASSERT_EQ(ClickKey(28), ClickResult::Selected);
      EXPECT_EQ(state.selectedPosition, 41) << model;
    }
  }
}

TEST_F(ViewLogicTest, SelectionSetsModeAndResetsCursor) {
  const int keyOf3 = doc->KeyMap()[3];
  doc->Content(keyOf3) = "[F1][F2]";
  state.cursor = 2;
  state.caretColumn = 2;
  state.decimalDisplay = true;
  ASSERT_EQ(ClickKey(3), ClickResult::Selected);
  EXPECT_FALSE(state.SelectedIsAscii());
  EXPECT_EQ(state.cursor, 0);
  EXPECT_EQ(state.caretColumn, 0);
  EXPECT_FALSE(state.decimalDisplay);
  // Clicking the same (ASCII mode) key keeps the decimal display.
  doc->Content(keyOf3) = "ab";
  state.SetModeFromContent(*doc);
  state.decimalDisplay = true;
  ASSERT_EQ(ClickKey(3), ClickResult::Selected);
  EXPECT_TRUE(state.decimalDisplay);
}

TEST_F(ViewLogicTest, InvalidContentRefusesToLeave) {
  doc->Content(state.selectedKey) = "[F1]a";  // mixes the two modes
  EXPECT_EQ(ClickKey(10), ClickResult::Refused);
  EXPECT_EQ(state.selectedPosition, 0);
  EXPECT_FALSE(state.errorFlag);
  EXPECT_FALSE(view_selection::MoveSelection(*doc, state, 3));
  EXPECT_EQ(state.selectedPosition, 0);
  EXPECT_TRUE(state.errorFlag);
}

TEST_F(ViewLogicTest, ArrowsFollowTheNavigationTable) {
  struct Case {
    int model, from, direction, to;
  } cases[] = {{2013, 0, 0, 119}, {2013, 77, 2, 123}, {2013, 13, 3, 41},
               {2018, 3, 0, 171}, {2018, 8, 2, 15},   {2017, 7, 3, 0}};
  for (const Case& c : cases) {
    UseModel(c.model);
    state.selectedPosition = c.from;
    state.selectedKey = doc->KeyMap()[static_cast<size_t>(c.from)];
    state.decimalDisplay = true;
    ASSERT_TRUE(view_selection::MoveSelection(*doc, state, c.direction));
    EXPECT_EQ(state.selectedPosition, c.to) << c.model << " " << c.from;
    EXPECT_EQ(state.selectedKey, doc->KeyMap()[static_cast<size_t>(c.to)]);
    EXPECT_FALSE(state.decimalDisplay);
  }
}

TEST_F(ViewLogicTest, ResetsClearTheEditingState) {
  UseModel(2014);
  auto dirty = [&] {
    state.selectedPosition = 7;
    state.selectedKey = 99;
    state.keyModes.fill(0);
    state.cursor = state.decimalCursor = state.caretColumn = 3;
    state.escPrefix = true;
    state.shiftReleased = false;
    state.decimalDisplay = state.errorFlag = true;
  };
  dirty();
  state.ResetForInitialUpdate(*doc);
  EXPECT_EQ(state.selectedPosition, 0);
  EXPECT_EQ(state.selectedKey, doc->KeyMap()[0]);
  EXPECT_TRUE(std::all_of(state.keyModes.begin(), state.keyModes.end(), [](int m) { return m == 1; }));
  EXPECT_EQ(state.cursor + state.decimalCursor + state.caretColumn, 0);
  EXPECT_FALSE(state.escPrefix || state.decimalDisplay || state.errorFlag);
  EXPECT_TRUE(state.shiftReleased);

  dirty();
  state.ResetForModelSwitch(*doc);
  EXPECT_EQ(state.selectedPosition, 0);
  EXPECT_EQ(state.decimalCursor, 0);
  EXPECT_TRUE(state.decimalDisplay);  // only the first display and New/Open switch it off
  EXPECT_TRUE(state.errorFlag);

  dirty();
  doc->Content(doc->KeyMap()[0]) = "[A]";
  state.ResetAfterTransfer(*doc);
  EXPECT_FALSE(state.SelectedIsAscii());
  EXPECT_EQ(state.keyModes[5], 0);  // other keys untouched
}

// Whenever the document's contents are replaced, the selected key's mode
// follows its content, as when a key is selected: a template whose first key
// holds [F1][F2] shows it in scan code mode.
TEST_F(ViewLogicTest, EveryResetSetsTheSelectedKeysModeFromItsContent) {
  using Reset = void (ViewState::*)(const CVEXADoc&);
  const struct {
    const char* name;
    Reset reset;
    bool keepsDecimalDisplay;  // for an ASCII mode key
  } resets[] = {
      {"initial update (New, Open)", &ViewState::ResetForInitialUpdate, false},
      {"model switch", &ViewState::ResetForModelSwitch, true},
      {"transfer", &ViewState::ResetAfterTransfer, true},
      {"import, Load Default", &ViewState::ResetAfterContentReplaced, true},
  };
  const struct {
    std::string content;
    bool ascii;
  } contents[] = {{"[F1][F2]", false}, {"ab[CR]", true}, {"", true}, {"[Delay5]", true}};
  for (const auto& r : resets) {
    for (const auto& c : contents) {
      SCOPED_TRACE(std::string(r.name) + ": " + c.content);
      // Position 0 (where most resets go) and position 5 (where an import
      // leaves the selection) hold the content.
      doc->Content(doc->KeyMap()[0]) = c.content;
      doc->Content(doc->KeyMap()[5]) = c.content;
      state.selectedPosition = 5;
      state.selectedKey = doc->KeyMap()[5];
      state.keyModes.fill(c.ascii ? 0 : 1);  // the wrong mode everywhere
      state.decimalDisplay = true;
      (state.*r.reset)(*doc);
      EXPECT_EQ(state.SelectedIsAscii(), c.ascii);
      // The decimal display never stays on for a scan code key.
      EXPECT_EQ(state.decimalDisplay, c.ascii && r.keepsDecimalDisplay);
    }
  }
}

// --- Paint model ------------------------------------------------------------

const DrawOp* FindText(const std::vector<DrawOp>& ops, int x, int y) {
  const DrawOp* found = nullptr;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Text && op.x1 == x && op.y1 == y) found = &op;
  }
  return found;
}

TEST_F(ViewLogicTest, LabelColoursFollowTheKeyFlags) {
  const int p = 16, k = doc->KeyMap()[16];
  const KeyRect r = doc->KeyRects()[16];
  struct Case {
    std::string content;
    int defined;
    Rgb colour;
  } cases[] = {{"", 1, colours::kBlack},
               {"", 0, colours::kBlack},
               {"q", 1, colours::kBlue},
               {"q", 0, colours::kGreen}};
  for (const Case& c : cases) {
    doc->Content(k) = c.content;
    doc->DefinedFlags()[static_cast<size_t>(k)] = c.defined;
    const auto ops = BuildViewPaint(*doc, state, 800, 400);
    const DrawOp* label = FindText(ops, r.left + 3, r.top + 2);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->position, p);
    EXPECT_EQ(label->colour, c.colour) << c.content << c.defined;
  }
}

// A language whose texts are all longer than the English ones, with a
// two-byte character in each.
std::string LongTranslation(const char* source) { return std::string(source) + " \xC3\xA4\xC3\xA4\xC3\xA4"; }

TEST_F(ViewLogicTest, LongerTranslatedTextsFlowWithoutOverlapping) {
  state.portName = "USB";
  for (const bool translated : {false, true}) {
    SCOPED_TRACE(translated);
    msg::SetTranslator(translated ? &LongTranslation : nullptr);
    const auto ops = BuildViewPaint(*doc, state, 800, 400);
    msg::SetTranslator(nullptr);
    for (const int y : {2, 310}) {
      std::vector<const DrawOp*> line;
      for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Text && op.y1 == y &&
            op.text.find_first_not_of(' ') != std::string::npos)
          line.push_back(&op);
      std::sort(line.begin(), line.end(), [](const DrawOp* a, const DrawOp* b) { return a->x1 < b->x1; });
      ASSERT_GE(line.size(), 4u);
      for (size_t i = 0; i < line.size(); ++i) {
        const int end = line[i]->x1 + content_window::kColumnWidth * TextCells(line[i]->text, line[i]->utf8);
        // English fits the view; a longer language moves texts, never over each other.
        if (!translated) {
          EXPECT_LE(end, 760) << line[i]->text;
        }
        if (i + 1 < line.size()) {
          EXPECT_LE(end, line[i + 1]->x1) << line[i]->text << " runs into " << line[i + 1]->text;
        }
      }
    }
    // The English texts stay where they always were.
    if (!translated) {
      ASSERT_NE(FindText(ops, 230, 2), nullptr);
      EXPECT_EQ(FindText(ops, 230, 2)->text, "Blue Key");
      ASSERT_NE(FindText(ops, 620, 2), nullptr);
      EXPECT_EQ(FindText(ops, 620, 2)->text, "Port Name: USB");
      ASSERT_NE(FindText(ops, 490, 310), nullptr);
      EXPECT_TRUE(FindText(ops, 490, 310)->utf8);
    }
  }
  // A key's label is its 8-bit bytes, the program's texts UTF-8.
  EXPECT_EQ(TextCells("\xC3\xA4", true), 1);
  EXPECT_EQ(TextCells("\xC3\xA4", false), 2);
}

TEST_F(ViewLogicTest, PaintShowsSelectionModeSpaceAndErrorLine) {
  doc->Content(doc->KeyMap()[0]) = "[F1]";
  state.SetModeFromContent(*doc);
  state.errorFlag = true;
  auto ops = BuildViewPaint(*doc, state, 800, 400);
  EXPECT_EQ(FindText(ops, 280, 310)->text, "ScanCode Mode");
  EXPECT_EQ(FindText(ops, 670, 310)->text, "1790");  // 176 terminators, the mode byte and F1
  EXPECT_EQ(FindText(ops, 100, 350)->colour, colours::kRed);
  EXPECT_NE(FindText(ops, 35, 25)->text.find("<ESC>"), std::string::npos);
  // The selected key: every edge black and two pixels; the others one pixel.
  for (const DrawOp& op : ops) {
    if (op.kind != DrawOp::Kind::Line || op.position < 0) continue;
    if (op.position == 0) {
      EXPECT_EQ(op.penWidth, 2);
      EXPECT_EQ(op.colour, colours::kBlack);
    } else if (op.position != 28) {
      EXPECT_EQ(op.penWidth, 1);
    }
  }
  doc->Content(doc->KeyMap()[0]).clear();
  state.SetModeFromContent(*doc);
  state.decimalDisplay = true;
  state.errorFlag = false;
  ops = BuildViewPaint(*doc, state, 800, 400);
  EXPECT_EQ(FindText(ops, 280, 310)->text, "ASCII Decimal Mode");
  EXPECT_EQ(FindText(ops, 100, 350)->text, std::string(99, ' '));
}

// A refused move shows, under the error line, the key and the word that is wrong.
TEST_F(ViewLogicTest, ErrorLineNamesTheKeyAndTheWrongWord) {
  const int key = doc->KeyMap()[0];
  doc->Content(key) = "[ShiftLevel2]Milk";
  state.SetModeFromContent(*doc);
  EXPECT_FALSE(view_selection::MoveSelection(*doc, state, 1));
  ASSERT_TRUE(state.errorFlag);
  const auto ops = BuildViewPaint(*doc, state, 800, 400);
  const DrawOp* detail = FindText(ops, 100, 366);
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(detail->text,
            msg::FormatMessage(msg::kKeyShiftLevelNotAlone, doc->Labels()[0].c_str(), "[ShiftLevel2]"));
  EXPECT_EQ(detail->colour, colours::kRed);
}

TEST_F(ViewLogicTest, LShapedEnterEdges) {
  struct Case {
    int model;
    int inset;
  } cases[] = {{2013, 40}, {2014, 40}, {2019, 38}};
  for (const Case& c : cases) {
    UseModel(c.model);
    state.selectedPosition = 41;
    const auto ops = BuildViewPaint(*doc, state, 800, 400);
    const KeyRect e = doc->KeyRects()[41];
    int upperEdges = 0, upperBold = 0;
    bool insetTop = false;
    for (const DrawOp& op : ops) {
      if (op.kind != DrawOp::Kind::Line) continue;
      if (op.position == 41 && op.y1 == e.top && op.y2 == e.top)
        insetTop = op.x1 == e.left + e.width - c.inset;
      if (op.position == 28) {
        ++upperEdges;
        upperBold += op.penWidth == 2;
      }
    }
    EXPECT_TRUE(insetTop) << c.model;
    EXPECT_EQ(upperEdges, 3 + 3) << c.model;  // no bottom edge; three drawn again in bold
    EXPECT_EQ(upperBold, 3) << c.model;
  }
}

}  // namespace
}  // namespace vexa
