// The key editor's dispatch of keystrokes into the selected key's content: both
// key modes, the ESC prefix, the keypad with and without Num Lock, the decimal
// display, the deletes, Shift tracking and the PX2400 linked key.
#include "view/KeyEditor.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "document/SettingsStore.h"
#include "models/KeyLayout.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

// A key as the mapping hands it over: virtual key and make code | extended bit.
struct Key {
  int vk;
  int flags;
};
constexpr Key kEsc{27, 0x01}, kF1{112, 0x3B}, kF2{113, 0x3C}, kF12{123, 0x58}, kTab{9, 0x0F};
constexpr Key kBackspace{8, 0x0E}, kEnter{13, 0x1C}, kSpace{32, 0x39}, kLeftShift{16, 0x2A},
    kRightCtrl{17, 0x11D}, kRightShift{16, 0x36}, kLeftCtrl{17, 0x1D};
constexpr Key kA{65, 0x1E}, kE{69, 0x12}, kF{70, 0x21}, kOne{49, 0x02}, kSemicolon{186, 0x27};
constexpr Key kOpenBracket{219, 0x1A}, kCloseBracket{221, 0x1B}, kNumLock{144, 0x145}, kPause{19, 0x45};
constexpr Key kHome{36, 0x147}, kEnd{35, 0x14F}, kLeft{37, 0x14B}, kRight{39, 0x14D}, kUp{38, 0x148};
constexpr Key kDelete{46, 0x153}, kInsert{45, 0x152};
// Keypad: with Num Lock on the digit codes, off the navigation codes.
constexpr Key kPad7On{103, 0x47}, kPad7Off{36, 0x47}, kPad4Off{37, 0x4B}, kPad1Off{35, 0x4F};
constexpr Key kPad0On{96, 0x52}, kPad0Off{45, 0x52}, kPadDotOn{110, 0x53}, kPadDotOff{46, 0x53};
constexpr Key kPad5Off{12, 0x4C}, kPadStar{106, 0x37}, kPadSeparator{108, 0x53}, kPadEnter{13, 0x11C};
constexpr Key kCtrlF6{117, 0x40}, kIsoExtra{226, 0x56};

constexpr int kPx2400 = 2013;

struct Press {
  Key key;
  bool shift = false;
  bool caps = false;
};

class KeyEditorTest : public ::testing::Test {
 protected:
  void UseModel(int modelId) {
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
    doc = std::make_unique<CVEXADoc>(settings, "/tmp");
    doc->NewTemplate();
    state = ViewState();
    state.ResetForInitialUpdate(*doc);
    editor = std::make_unique<KeyEditor>(*doc, state);
  }
  void SetUp() override { UseModel(kPx2400); }

  void Down(Key key, bool shift = false, bool caps = false) {
    PcKeyEvent e;
    e.virtualKey = key.vk;
    e.flags = key.flags;
    e.shift = shift;
    e.capsLock = caps;
    (void)editor->KeyDown(e);
  }
  void Type(std::initializer_list<Press> presses) {
    for (const Press& p : presses) Down(p.key, p.shift, p.caps);
  }
  // Puts `text` into the selected key with the cursor at its end.
  void SetContent(const std::string& text, bool ascii = true) {
    content() = text;
    state.keyModes[static_cast<size_t>(state.selectedKey)] = ascii ? 1 : 0;
    state.cursor = static_cast<int>(text.size());
    state.caretColumn = std::min(state.cursor, kContentColumns);
  }
  std::string& content() { return doc->Content(state.selectedKey); }
  // Leaves no space: one other key takes every free byte.
  void FillMemory() {
    const int other = state.selectedKey == 0 ? 1 : 0;
    doc->Content(other) =
        std::string(static_cast<size_t>(doc->SpaceLeft()) + doc->Content(other).size(), 'x');
    ASSERT_EQ(doc->SpaceLeft(), 0);
  }

  MemorySettingsStore settings;
  std::unique_ptr<CVEXADoc> doc;
  ViewState state;
  std::unique_ptr<KeyEditor> editor;
};

TEST_F(KeyEditorTest, KeystrokesGiveTheirTextInBothModes) {
  struct Case {
    const char* name;
    bool ascii;
    std::vector<Press> presses;
    std::string content;
    bool escPrefixAfter;
  } cases[] = {
      {"Esc F1, ASCII", true, {{kEsc}, {kF1}}, "[F1]", false},
      {"Esc F1, scan", false, {{kEsc}, {kF1}}, "[F1]", false},
      {"F1 alone", true, {{kF1}}, "", false},
      {"Esc Esc keeps the prefix", true, {{kEsc}, {kEsc}}, "[ESC]", true},
      {"Esc Esc F2", false, {{kEsc}, {kEsc}, {kF2}}, "[ESC][F2]", false},
      {"Esc E, ASCII", true, {{kEsc}, {kE}}, "[0E0]", false},
      {"Esc F, scan", false, {{kEsc}, {kF}}, "[0F0]", false},
      {"E without Esc", false, {{kE}}, "[E]", false},
      {"Esc A, ASCII", true, {{kEsc}, {kA}}, "a", false},
      {"Esc A, scan", false, {{kEsc}, {kA}}, "[A]", false},
      {"Esc Tab, Tab", true, {{kEsc}, {kTab}, {kTab}}, "[Tab]", false},
      {"Esc right Ctrl", true, {{kEsc}, {kRightCtrl}}, "[RightCtrl]", false},
      {"Esc F12, Esc Num Lock, Esc Pause",
       false,
       {{kEsc}, {kF12}, {kEsc}, {kNumLock}, {kEsc}, {kPause}},
       "[F12][NumLock][PauseBreak]",
       false},
      {"Esc arrows, Home, Delete, Insert",
       true,
       {{kEsc}, {kLeft}, {kEsc}, {kUp}, {kEsc}, {kHome}, {kEsc}, {kDelete}, {kEsc}, {kInsert}},
       "[ArrowLeft][ArrowUp][Home][Delete][Insert]",
       false},
      {"Esc Backspace", true, {{kEsc}, {kBackspace}}, "[Backspace]", false},
      {"Esc Shift", true, {{kEsc}, {kLeftShift}}, "[Shift]", false},
      {"keypad 7, Num Lock on, ASCII", true, {{kPad7On}}, "7", false},
      {"keypad 7, Num Lock on, scan", false, {{kPad7On}}, "[PAD7]", false},
      {"Esc keypad 7 keeps the prefix", true, {{kEsc}, {kPad7On}}, "7", true},
      {"Esc keypad 7 then F1", false, {{kEsc}, {kPad7On}, {kF1}}, "[PAD7][F1]", false},
      {"keypad 0 and ., Num Lock on, scan", false, {{kPad0On}, {kPadDotOn}}, "[PAD0][PAD.]", false},
      {"keypad ., Num Lock on, ASCII", true, {{kPadDotOn}}, ".", false},
      {"keypad 0 and ., Num Lock off, scan", false, {{kPad0Off}, {kPadDotOff}}, "", false},
      {"keypad 5, Num Lock off", true, {{kPad5Off}}, "5", false},
      {"keypad 5, Num Lock off, scan", false, {{kPad5Off}}, "[PAD5]", false},
      // Keys the dictionary has no word for give nothing in scan code mode,
      // as in ASCII mode, instead of a word that locks the key.
      {"keypad *, separator, Enter, scan",
       false,
       {{kPadStar}, {kPadSeparator}, {kPadEnter}},
       "[PAD*][Enter]",
       false},
      {"ISO <> key, scan", false, {{kIsoExtra}, {kIsoExtra, true}}, "", false},
      {"ISO <> key, ASCII", true, {{kIsoExtra}}, "", false},
      {"Ctrl+F6 names no key", false, {{kCtrlF6}}, "", false},
      {"Caps Lock with Shift", true, {{kA, true, true}}, "a", false},
      {"Caps Lock alone", true, {{kA, false, true}}, "A", false},
      {"Shift alone", true, {{kA, true, false}}, "A", false},
      {"shifted digit and semicolon", true, {{kOne, true}, {kSemicolon, true}, {kSemicolon}}, "!:;", false},
      {"Enter and Space, ASCII", true, {{kEnter}, {kSpace}}, "[CR] ", false},
      {"Enter and Space, scan", false, {{kEnter}, {kSpace}}, "[Enter][Space]", false},
      {"brackets, scan", false, {{kOpenBracket}, {kCloseBracket}}, "[{][}]", false},
      {"brackets, ASCII", true, {{kOpenBracket}, {kCloseBracket, true}}, "[}", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UseModel(kPx2400);
    state.keyModes[static_cast<size_t>(state.selectedKey)] = c.ascii ? 1 : 0;
    for (const Press& p : c.presses) Down(p.key, p.shift, p.caps);
    EXPECT_EQ(content(), c.content);
    EXPECT_EQ(state.cursor, static_cast<int>(c.content.size()));
    EXPECT_EQ(state.caretColumn, static_cast<int>(c.content.size()));
    EXPECT_EQ(state.escPrefix, c.escPrefixAfter);
    // Modified exactly when the keys changed the template (here: the key is green).
    EXPECT_EQ(doc->IsModified(), doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)] == 0);
  }
}

TEST_F(KeyEditorTest, OnlyKeysThatChangeTheTemplateMarkItModified) {
  state.errorFlag = true;
  Down(kF1);
  EXPECT_FALSE(state.errorFlag);
  // Keys that move or have nothing to do leave the template as saved.
  SetContent("ab");
  for (const Press& p : std::initializer_list<Press>{{kF1},
                                                     {kTab},
                                                     {kHome},
                                                     {kEnd},
                                                     {kLeft},
                                                     {kRight},
                                                     {kRight, true},
                                                     {kLeft, true},
                                                     {kUp},
                                                     {kPause}}) {
    Down(p.key, p.shift);
    EXPECT_FALSE(doc->IsModified()) << p.key.flags << (p.shift ? " with Shift" : "");
  }
  // A key with no text still turns the key green, and so changes the template.
  EXPECT_EQ(doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)], 1);
  Down(kCtrlF6);
  EXPECT_EQ(doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)], 0);
  EXPECT_EQ(doc->BlankFlags()[static_cast<size_t>(state.selectedKey)], 0);
  EXPECT_TRUE(doc->IsModified());
}

// A shift level code is the whole content of its key: what would add to it is
// refused before it changes anything, and the editor says why.
TEST_F(KeyEditorTest, NothingIsAddedToAShiftLevelCode) {
  const struct {
    const char* name;
    std::initializer_list<Press> presses;
    bool atStart;
  } cases[] = {
      {"a letter after it", {{kA}}, false}, {"a letter before it", {{kA}}, true},
      {"Enter", {{kEnter}}, false},         {"a word after Esc", {{kEsc}, {kF1}}, false},
      {"Esc E", {{kEsc}, {kE}}, false},     {"a keypad digit", {{kPad7On}}, false},
  };
  for (const auto& c : cases) {
    SetContent("[ShiftLevel2]");
    if (c.atStart) state.cursor = state.caretColumn = 0;
    doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)] = 1;
    doc->SetModified(false);
    Type(c.presses);
    EXPECT_EQ(content(), "[ShiftLevel2]") << c.name;
    EXPECT_EQ(editor->TakeRefusal(), msg::kShiftLevelIsWhole) << c.name;
    EXPECT_EQ(doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)], 1) << c.name;
    EXPECT_FALSE(doc->IsModified()) << c.name;
  }
  // Backspace still takes the code away, and the key can be typed into again.
  SetContent("[ShiftLevel2]");
  Type({{kBackspace}, {kA}});
  EXPECT_EQ(content(), "a");
  EXPECT_EQ(editor->TakeRefusal(), "");
}

// Shift and Ctrl on their own are half of a shortcut: they change nothing, so
// Ctrl+O after them does not ask to save. With the ESC prefix they give words.
TEST_F(KeyEditorTest, BareShiftAndCtrlLeaveTheTemplateUnmodified) {
  for (const Key& key : {kLeftShift, kRightShift, kLeftCtrl, kRightCtrl}) {
    doc->SetModified(false);
    Down(key);
    EXPECT_FALSE(doc->IsModified()) << key.flags;
  }
  Down(kEsc);
  doc->SetModified(false);
  Down(kRightCtrl);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(doc->Content(state.selectedKey), "[RightCtrl]");
}

TEST_F(KeyEditorTest, SystemKeysAndReleasesAreIgnored) {
  PcKeyEvent altA;
  altA.virtualKey = 65;
  altA.flags = 0x201E;
  altA.systemKey = true;
  EXPECT_EQ(editor->KeyDown(altA), Repaint::None);
  PcKeyEvent release;
  release.press = false;
  release.virtualKey = 65;
  release.flags = 0xC01E;
  EXPECT_EQ(editor->KeyDown(release), Repaint::None);
  EXPECT_EQ(content(), "");
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(KeyEditorTest, NoSpaceLeftDropsTextButMarksTheKey) {
  FillMemory();
  state.escPrefix = true;
  Down(kA);
  EXPECT_EQ(content(), "");
  EXPECT_FALSE(state.escPrefix);
  EXPECT_EQ(doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)], 0);
  Type({{kEsc}, {kF1}});
  EXPECT_EQ(content(), "");
}

TEST_F(KeyEditorTest, WordLongerThanTheSpaceLeftStillGoesIn) {
  FillMemory();
  doc->Content(state.selectedKey == 0 ? 1 : 0).pop_back();  // one byte free
  state.keyModes[static_cast<size_t>(state.selectedKey)] = 0;
  Down(kEnter);
  EXPECT_EQ(content(), "[Enter]");
  EXPECT_LT(doc->SpaceLeft(), 0);
}

TEST_F(KeyEditorTest, CaretColumnStopsAt85WhileTheCursorGoesOn) {
  SetContent(std::string(84, 'a'));
  Down(kEnter);
  EXPECT_EQ(state.cursor, 88);
  EXPECT_EQ(state.caretColumn, 85);
}

TEST_F(KeyEditorTest, CharacterCursorMoves) {
  struct Case {
    const char* name;
    int cursor, caret;
    Key key;
    int cursorAfter, caretAfter;
  } cases[] = {
      {"Home", 5, 5, kHome, 0, 0},
      {"keypad 7 without Num Lock", 5, 5, kPad7Off, 0, 0},
      {"End", 0, 0, kEnd, 100, 85},
      {"keypad 1 without Num Lock", 0, 0, kPad1Off, 100, 85},
      {"Left", 5, 5, kLeft, 4, 4},
      {"Left at caret 0 scrolls", 50, 0, kLeft, 49, 0},
      {"Left at 0", 0, 0, kLeft, 0, 0},
      {"keypad 4 without Num Lock", 5, 5, kPad4Off, 4, 4},
      {"Right", 5, 5, kRight, 6, 6},
      {"Right at column 85 scrolls", 90, 85, kRight, 91, 85},
      {"Right at the end", 100, 85, kRight, 100, 85},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetContent(std::string(100, 'a'));
    state.cursor = c.cursor;
    state.caretColumn = c.caret;
    Down(c.key);
    EXPECT_EQ(state.cursor, c.cursorAfter);
    EXPECT_EQ(state.caretColumn, c.caretAfter);
    EXPECT_EQ(content(), std::string(100, 'a'));
  }
}

TEST_F(KeyEditorTest, DeletesInCharacterDisplay) {
  struct Case {
    const char* name;
    int cursor, caret;
    Key key;
    std::string after;
    int cursorAfter;
  } cases[] = {
      {"Backspace", 3, 3, kBackspace, "abde", 2},
      {"Backspace at 0", 0, 0, kBackspace, "abcde", 0},
      {"Backspace at caret column 0 of a scrolled window", 3, 0, kBackspace, "abcde", 3},
      {"Delete", 1, 1, kDelete, "acde", 1},
      {"Delete at the end", 5, 5, kDelete, "abcde", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UseModel(kPx2400);
    SetContent("abcde");
    state.cursor = c.cursor;
    state.caretColumn = c.caret;
    Down(c.key);
    EXPECT_EQ(content(), c.after);
    EXPECT_EQ(state.cursor, c.cursorAfter);
  }
}

// A key word or an escaped bracket next to the cursor goes as a whole, so a
// Backspace after a word never leaves a broken word behind; anything else
// goes one character at a time.
TEST_F(KeyEditorTest, DeletesInCharacterDisplayTakeWholeKeyWords) {
  struct Case {
    const char* name;
    std::string content;
    bool ascii;
    int cursor, caret;
    Key key;
    std::string after;
    int cursorAfter, caretAfter;
  } cases[] = {
      {"Backspace after [CR]", "ab[CR]", true, 6, 6, kBackspace, "ab", 2, 2},
      {"Delete before [CR]", "ab[CR]x", true, 2, 2, kDelete, "abx", 2, 2},
      {"Backspace after a character", "[CR]ab", true, 6, 6, kBackspace, "[CR]a", 5, 5},
      {"Backspace after an escaped bracket", "a[[", true, 3, 3, kBackspace, "a", 1, 1},
      {"Delete before an escaped bracket", "]]a", true, 0, 0, kDelete, "a", 0, 0},
      {"Backspace inside a word", "[Delay5]", true, 3, 3, kBackspace, "[Dlay5]", 2, 2},
      {"Backspace after an unfinished word", "a[CR", true, 4, 4, kBackspace, "a[C", 3, 3},
      {"Backspace after a word, scan", "[A][F1]", false, 7, 7, kBackspace, "[A]", 3, 3},
      {"Delete before a word, scan", "[A][F1]", false, 0, 0, kDelete, "[F1]", 0, 0},
      {"Backspace after [{], scan", "[{][}]", false, 6, 6, kBackspace, "[{]", 3, 3},
      // The window scrolled: the caret column stops at 0, the cursor moves the whole word.
      {"Backspace after a word at caret column 2", "xxxxx[Caps]", true, 11, 2, kBackspace, "xxxxx", 5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UseModel(kPx2400);
    SetContent(c.content, c.ascii);
    state.cursor = c.cursor;
    state.caretColumn = c.caret;
    Down(c.key);
    EXPECT_EQ(content(), c.after);
    EXPECT_EQ(state.cursor, c.cursorAfter);
    EXPECT_EQ(state.caretColumn, c.caretAfter);
  }
}

TEST_F(KeyEditorTest, BackspaceAtCaretColumnZeroStillMarksTheKey) {
  SetContent("abcde");
  state.caretColumn = 0;
  Down(kBackspace);
  EXPECT_EQ(content(), "abcde");
  EXPECT_EQ(doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)], 0);
}

TEST_F(KeyEditorTest, DecimalDisplayMovesGroupByGroup) {
  // [65][CR][91][66]: A, the function word, an escaped bracket, B.
  SetContent("A[CR][[B");
  state.decimalDisplay = true;
  Down(kHome);
  struct Step {
    Key key;
    int decimalCursor, cursor;
  } steps[] = {
      {kRight, 4, 1}, {kRight, 8, 5}, {kRight, 12, 7}, {kRight, 16, 8}, {kRight, 16, 8}, {kLeft, 12, 7},
      {kLeft, 8, 5},  {kLeft, 4, 1},  {kLeft, 0, 0},   {kLeft, 0, 0},   {kEnd, 16, 8},   {kHome, 0, 0},
  };
  for (const Step& s : steps) {
    Down(s.key);
    EXPECT_EQ(state.decimalCursor, s.decimalCursor);
    EXPECT_EQ(state.caretColumn, s.decimalCursor);
    EXPECT_EQ(state.cursor, s.cursor);
  }
}

TEST_F(KeyEditorTest, DecimalDisplayDeletesWholeGroups) {
  SetContent("A[CR][[B");
  state.decimalDisplay = true;
  Down(kEnd);
  const char* afterEachBackspace[] = {"A[CR][[", "A[CR]", "A", "", ""};
  for (const char* expected : afterEachBackspace) {
    Down(kBackspace);
    EXPECT_EQ(content(), expected);
    EXPECT_TRUE(IsAsciiContent(content()));
  }
  SetContent("A[Delay5]B");
  state.decimalDisplay = true;
  Down(kHome);
  Down(kRight);
  Down(kDelete);
  EXPECT_EQ(content(), "AB");
  EXPECT_EQ(state.cursor, 1);
}

TEST_F(KeyEditorTest, DecimalDisplayTypesNothing) {
  SetContent("AB");
  state.decimalDisplay = true;
  Down(kHome);
  Type({{kA}, {kEnter}, {kEsc}, {kF1}, {kPad7On}});
  EXPECT_EQ(content(), "AB");
  // Esc still sets the prefix, and the keypad key moved the cursor home.
  EXPECT_TRUE(state.escPrefix);
  EXPECT_EQ(state.decimalCursor, 0);
}

// "Shift held" is the Shift state each key event reports. Remembered Shift
// key-downs and key-ups went wrong when a release went to another window.
TEST_F(KeyEditorTest, ShiftHeldFollowsTheShiftStateOfEachEvent) {
  struct Case {
    const char* name;
    std::vector<Press> before;  // what came first
    bool releaseSeen;           // the Shift release reached the editor
    bool shiftOnArrow;          // the Shift state the arrow key-down reports
    bool movesSelection;
  } cases[] = {
      {"Shift+Right", {{kLeftShift}}, false, true, true},
      {"Right after Shift was released", {{kLeftShift}}, true, false, false},
      // The release went to a dialog: the editor never saw it.
      {"Right after a release the editor missed", {{kLeftShift}}, false, false, false},
      // Shift went down while a dialog had the focus.
      {"Shift+Right with a key-down the editor missed", {}, false, true, true},
      // Esc Shift gives the word [Shift]; Shift still held moves the selection.
      {"Esc Shift, then Shift+Right", {{kEsc}, {kLeftShift}}, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UseModel(kPx2400);
    SetContent("ab", false);
    state.cursor = state.caretColumn = 1;
    for (const Press& p : c.before) Down(p.key, p.shift, p.caps);
    content() = "ab";  // whatever the keys before typed
    if (c.releaseSeen) (void)editor->KeyUp(0xC02A);
    const int position = state.selectedPosition;
    Down(kRight, c.shiftOnArrow);
    if (c.movesSelection) {
      EXPECT_EQ(state.selectedPosition, Neighbour(kPx2400, 1, position));
    } else {
      EXPECT_EQ(state.selectedPosition, position);
      EXPECT_EQ(state.cursor, 2);  // the cursor moved instead
    }
    EXPECT_EQ(state.shiftReleased, !c.shiftOnArrow);
  }
}

TEST_F(KeyEditorTest, ShiftReleasesAreSeenWithAltHeldAndAfterEscShift) {
  Down(kLeftShift);
  EXPECT_FALSE(state.shiftReleased);
  EXPECT_EQ(editor->KeyUp(0xC02A), Repaint::None);
  EXPECT_TRUE(state.shiftReleased);
  // Released while Alt was down: still a Shift release.
  Down(kLeftShift);
  (void)editor->KeyUp(0xE02A);
  EXPECT_TRUE(state.shiftReleased);
  // Esc Shift gives the word and leaves Shift released.
  Type({{kEsc}, {kLeftShift}});
  EXPECT_EQ(content(), "[Shift]");
  EXPECT_TRUE(state.shiftReleased);
}

TEST_F(KeyEditorTest, UpAndDownMoveTheSelectionUnlessTheContentIsInvalid) {
  Down(kUp);
  const int up = Neighbour(kPx2400, 2, 0);
  EXPECT_EQ(state.selectedPosition, up);
  SetContent("[Nonsense]");
  Down(kUp);
  EXPECT_EQ(state.selectedPosition, up);
  EXPECT_TRUE(state.errorFlag);
  Down(kEnd);
  EXPECT_FALSE(state.errorFlag);
}

TEST_F(KeyEditorTest, LinkedKeyOfThePx2400FollowsEveryEdit) {
  state.selectedKey = kLinkedKeyIndex;
  doc->Content(kLinkedKeyTwinIndex) = "old";
  Type({{kA}, {kOne}});
  EXPECT_EQ(doc->Content(kLinkedKeyTwinIndex), "a1");
  Down(kBackspace);
  Down(kBackspace);
  EXPECT_EQ(doc->Content(kLinkedKeyIndex), "");
  EXPECT_EQ(doc->Content(kLinkedKeyTwinIndex), "");

  UseModel(2016);  // another model: the keys are independent
  state.selectedKey = kLinkedKeyIndex;
  Down(kA);
  EXPECT_EQ(doc->Content(kLinkedKeyTwinIndex), "");
}

TEST(KeyEditorTranslation, DecimalGroupsCoverTheDecimalForm) {
  for (const char* content :
       {"", "A", "[CR]x", "[[]]", "a[Delay 12]b[Caps]", "[ShiftLevel3]", "\xE9[Separator]"}) {
    SCOPED_TRACE(content);
    std::string joined;
    int contentLength = 0;
    for (const DecimalGroup& g : KeyEditor::DecimalGroups(content)) {
      EXPECT_EQ(g.contentStart, contentLength);
      contentLength += g.contentLength;
      joined += ToDecimalForm(std::string(content).substr(static_cast<size_t>(g.contentStart),
                                                          static_cast<size_t>(g.contentLength)));
    }
    EXPECT_EQ(joined, ToDecimalForm(content));
  }
  EXPECT_TRUE(KeyEditor::DecimalGroups("[F1]").empty());  // not an ASCII mode content
}

}  // namespace
}  // namespace vexa
