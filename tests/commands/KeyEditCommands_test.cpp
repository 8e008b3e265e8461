// The Key Edit commands: their enabling rules and what each does to the
// selected key, with the code entry dialogs answered from a script.
#include "commands/KeyEditCommands.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/Messages.h"
#include "commands/CommandTable.h"
#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "document/SettingsStore.h"
#include "support/ScriptedUserInterface.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

constexpr int kPx2400 = 2013;

class KeyEditCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, kPx2400);
    doc = std::make_unique<CVEXADoc>(settings, "/tmp");
    doc->NewTemplate();
    state.ResetForInitialUpdate(*doc);
    commands = std::make_unique<KeyEditCommands>(*doc, state, ui);
  }
  void SetContent(const std::string& text, bool ascii, int cursor) {
    doc->Content(state.selectedKey) = text;
    state.keyModes[static_cast<size_t>(state.selectedKey)] = ascii ? 1 : 0;
    state.cursor = cursor;
    state.caretColumn = cursor;
  }
  std::string& content() { return doc->Content(state.selectedKey); }
  int defined() const { return doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)]; }
  void FillMemory() {
    const int other = state.selectedKey == 0 ? 1 : 0;
    doc->Content(other) = std::string(static_cast<size_t>(doc->SpaceLeft()), 'x');
    ASSERT_EQ(doc->SpaceLeft(), 0);
  }

  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  std::unique_ptr<CVEXADoc> doc;
  ViewState state;
  std::unique_ptr<KeyEditCommands> commands;
};

TEST_F(KeyEditCommandsTest, EnablingRulesFollowModeAndContent) {
  using namespace cmd;
  struct Case {
    const char* name;
    std::string content;
    bool ascii;
    // Clear, ASCII, Scan, Caps, Delay, Separator, Shift level, ASCII code, Switch, Select scan code
    bool enabled[10];
  } cases[] = {
      {"empty, ASCII", "", true, {false, false, true, true, true, true, true, true, true, false}},
      {"content, ASCII", "ab", true, {true, false, true, true, true, true, false, true, true, false}},
      {"content, scan", "[A]", false, {true, true, false, false, true, true, false, false, false, true}},
      {"empty, scan", "", false, {false, true, false, false, true, true, false, false, false, true}},
  };
  const int ids[] = {kClearKey,       kSetAsciiMode, kSetScanCodeMode, kInsertCaps,    kInsertDelay,
                     kLevelSeparator, kShiftLevel,   kEnterAsciiCode,  kSwitchDisplay, kSelectScanCode};
  ASSERT_EQ(KeyEditCommands::Ids().size(), std::size(ids));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetContent(c.content, c.ascii, 0);
    for (size_t i = 0; i < std::size(ids); ++i) {
      EXPECT_EQ(commands->IsEnabled(ids[i]), c.enabled[i]) << "command " << ids[i];
    }
  }
  EXPECT_FALSE(commands->IsEnabled(kSave));
  // A disabled command does nothing.
  SetContent("ab", true, 2);
  EXPECT_EQ(commands->Execute(kSelectScanCode), Repaint::None);
  EXPECT_TRUE(ui.codeDialogs.empty());
}

TEST_F(KeyEditCommandsTest, InsertCommandsPutTheirWordAtTheCursor) {
  struct Case {
    const char* name;
    int id;
    bool ascii;
    std::string content;
    int cursor;
    std::string after;
    std::string dialog;
  } cases[] = {
      {"Caps", cmd::kInsertCaps, true, "ab", 1, "a[Caps]b", ""},
      {"Delay 5", cmd::kInsertDelay, true, "ab", 2, "ab[Delay5]", "delay"},
      {"Separator in scan mode", cmd::kLevelSeparator, false, "[A]", 3, "[A][Separator]", ""},
      {"Shift level 3", cmd::kShiftLevel, true, "", 0, "[ShiftLevel3]", "shift level"},
      {"Select scan code", cmd::kSelectScanCode, false, "[A]", 0, "[Forward][A]", "scan code [F6]"},
      {"Enter ASCII code 65", cmd::kEnterAsciiCode, true, "ab", 1, "aAb", "ascii 32"},
      {"Enter ASCII code 91", cmd::kEnterAsciiCode, true, "ab", 1, "a[[b", "ascii 32"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.codeDialogs.clear();
    ui.delayAnswers = {5};
    ui.shiftLevelAnswers = {3};
    ui.scanCodeAnswers = {std::string("[Forward]")};
    ui.asciiCodeAnswers = {c.after == "a[[b" ? 91 : 65};
    SetContent(c.content, c.ascii, c.cursor);
    EXPECT_EQ(commands->Execute(c.id), Repaint::WholeView);
    EXPECT_EQ(content(), c.after);
    EXPECT_EQ(state.cursor, c.cursor + static_cast<int>(c.after.size() - c.content.size()));
    EXPECT_EQ(state.caretColumn, state.cursor);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(defined(), 0);
    EXPECT_TRUE(IsValidContent(content()));
    if (!c.dialog.empty()) {
      ASSERT_EQ(ui.codeDialogs.size(), 1u);
      EXPECT_EQ(ui.codeDialogs[0], c.dialog);
    }
  }
}

TEST_F(KeyEditCommandsTest, CancelledDialogsChangeNothing) {
  for (int id : {cmd::kInsertDelay, cmd::kShiftLevel, cmd::kEnterAsciiCode}) {
    SetContent("", true, 0);
    EXPECT_EQ(commands->Execute(id), Repaint::None);
  }
  SetContent("", false, 0);
  EXPECT_EQ(commands->Execute(cmd::kSelectScanCode), Repaint::None);
  EXPECT_EQ(ui.codeDialogs.size(), 4u);
  EXPECT_EQ(content(), "");
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(defined(), 1);
}

TEST_F(KeyEditCommandsTest, NoSpaceLeftStillMarksTheKeyAndTheTemplate) {
  FillMemory();
  EXPECT_EQ(commands->Execute(cmd::kLevelSeparator), Repaint::WholeView);
  ui.asciiCodeAnswers = {65};
  (void)commands->Execute(cmd::kEnterAsciiCode);
  EXPECT_EQ(content(), "");
  EXPECT_EQ(defined(), 0);
  EXPECT_TRUE(doc->IsModified());
}

TEST_F(KeyEditCommandsTest, ClearEmptiesTheKeyAndThePx2400Twin) {
  state.selectedKey = kLinkedKeyIndex;
  SetContent("abc", true, 3);
  doc->Content(kLinkedKeyTwinIndex) = "abc";
  EXPECT_EQ(commands->Execute(cmd::kClearKey), Repaint::InformationArea);
  EXPECT_EQ(content(), "");
  EXPECT_EQ(doc->Content(kLinkedKeyTwinIndex), "");
  EXPECT_EQ(state.cursor, 0);
  EXPECT_EQ(state.caretColumn, 0);
  EXPECT_TRUE(doc->IsModified());
}

TEST_F(KeyEditCommandsTest, ModeSwitchEmptiesWithoutMarkingModified) {
  state.selectedKey = kLinkedKeyIndex;
  SetContent("abc", true, 3);
  doc->Content(kLinkedKeyTwinIndex) = "abc";
  state.decimalDisplay = true;
  EXPECT_EQ(commands->Execute(cmd::kSetScanCodeMode), Repaint::WholeView);
  EXPECT_EQ(content(), "");
  // Emptied with it: saving would otherwise bring "abc" back from the twin.
  EXPECT_EQ(doc->Content(kLinkedKeyTwinIndex), "");
  EXPECT_FALSE(state.SelectedIsAscii());
  EXPECT_FALSE(state.decimalDisplay);
  EXPECT_EQ(state.cursor, 0);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(defined(), 1);

  SetContent("[A]", false, 3);
  EXPECT_EQ(commands->Execute(cmd::kSetAsciiMode), Repaint::WholeView);
  EXPECT_EQ(content(), "");
  EXPECT_TRUE(state.SelectedIsAscii());
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(KeyEditCommandsTest, SwitchDisplayRefusesContentsThatAreNotAscii) {
  SetContent("a[Nonsense]", true, 2);
  EXPECT_EQ(commands->Execute(cmd::kSwitchDisplay), Repaint::None);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], msg::kWrongAsciiWord);
  EXPECT_FALSE(state.decimalDisplay);
  EXPECT_EQ(state.cursor, 2);

  SetContent("ab", true, 2);
  EXPECT_EQ(commands->Execute(cmd::kSwitchDisplay), Repaint::WholeView);
  EXPECT_TRUE(state.decimalDisplay);
  EXPECT_EQ(state.cursor, 0);
  (void)commands->Execute(cmd::kSwitchDisplay);
  EXPECT_FALSE(state.decimalDisplay);
}

TEST_F(KeyEditCommandsTest, DecimalDisplayInserts) {
  // Enter ASCII Code leaves the cursor in front of the new character.
  SetContent("BC", true, 0);
  state.decimalDisplay = true;
  state.decimalCursor = 4;  // on [67]
  state.caretColumn = 4;
  ui.asciiCodeAnswers = {65};
  (void)commands->Execute(cmd::kEnterAsciiCode);
  EXPECT_EQ(content(), "BAC");
  EXPECT_EQ(state.cursor, 1);
  EXPECT_EQ(state.decimalCursor, 4);

  // The word commands put the cursors back at the start; the shift level
  // word, which is the whole content, leaves the caret after it.
  struct Case {
    int id;
    std::string content;
    int cursorAfter;
  } cases[] = {{cmd::kInsertCaps, "[Caps]", 0},
               {cmd::kLevelSeparator, "[Separator]", 0},
               {cmd::kShiftLevel, "[ShiftLevel2]", 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    SetContent("", true, 0);
    state.decimalDisplay = true;
    ui.shiftLevelAnswers = {2};
    (void)commands->Execute(c.id);
    EXPECT_EQ(content(), c.content);
    EXPECT_EQ(state.cursor, c.cursorAfter);
    EXPECT_EQ(state.decimalCursor, c.cursorAfter);
    EXPECT_EQ(state.caretColumn, c.cursorAfter);
    EXPECT_TRUE(state.decimalDisplay);
  }
}

}  // namespace
}  // namespace vexa
