// The edit history: which edits make one step, typing grouped per key, what
// Undo and Redo put back (contents, flags, labels, settings bytes, selection
// and cursor), the modified flag against the saved state, the history cleared
// when the template is replaced, and its bound. The commands are wired through
// a router and document events as the editor wires them.
#include "commands/UndoHistory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "commands/ClipboardCommands.h"
#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/DocumentCommands.h"
#include "commands/KeyEditCommands.h"
#include "commands/ModelCommands.h"
#include "commands/SettingsCommands.h"
#include "commands/TextTemplateCommands.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/MemoryClipboard.h"
#include "support/ScriptedUserInterface.h"
#include "view/KeyEditor.h"
#include "view/ViewSelection.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

constexpr int kPx2400 = 2013, kDv3100 = 2017;

struct Key {
  int vk;
  int flags;
};
constexpr Key kA{65, 0x1E}, kB{66, 0x30}, kC{67, 0x2E}, kLeft{37, 0x14B}, kDown{40, 0x150},
    kBackspace{8, 0x0E};

// The template as a step sees it.
struct TemplateState {
  KeyContents contents;
  std::array<int, kKeyCount> defined{};
  std::array<std::string, kKeyCount> labels;
  Image image{};
  CursorMemento cursor;
  bool operator==(const TemplateState& o) const {
    return contents == o.contents && defined == o.defined && labels == o.labels &&
           std::equal(image.begin() + kContentAreaSize, image.end(), o.image.begin() + kContentAreaSize) &&
           cursor == o.cursor;
  }
};

class UndoHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(kPx2400, UndoHistory::kDefaultLimit); }
  void TearDown() override { fs::remove_all(m_dir); }

  void Start(int modelId, std::size_t limit) {
    m_dir = fs::temp_directory_path() /
            ("vexa_undo_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
    doc = std::make_unique<CVEXADoc>(settings, m_dir.string());
    doc->NewTemplate();
    state.ResetForInitialUpdate(*doc);
    router = CommandRouter();
    history = std::make_unique<UndoHistory>(*doc, state, events, limit);
    history->Register(router);
    events.documentReplaced = [this] {
      history->Clear();
      state.ResetForInitialUpdate(*doc);
    };
    events.modelSwitched = [this] {
      history->Clear();
      state.ResetForModelSwitch(*doc);
    };
    events.saved = [this] { history->MarkSaved(); };
    files = std::make_unique<DocumentCommands>(*doc, settings, ui, events);
    files->Register(router);
    models = std::make_unique<ModelCommands>(*doc, ui, events);
    models->Register(router);
    texts = std::make_unique<TextTemplateCommands>(*doc, ui, events);
    texts->Register(router);
    config = std::make_unique<SettingsCommands>(*doc, state, ui, nullptr, nullptr);
    config->Register(router);
    keyEdit = std::make_unique<KeyEditCommands>(*doc, state, ui);
    for (int id : KeyEditCommands::Ids())
      router.Register(
          id, [this, id] { (void)keyEdit->Execute(id); }, [this, id] { return keyEdit->IsEnabled(id); });
    clipboardEdits = std::make_unique<ClipboardCommands>(*doc, state, ui, clipboard);
    router.Register(cmd::kCut, [this] { (void)clipboardEdits->Cut(); });
    router.Register(cmd::kPaste, [this] { (void)clipboardEdits->Paste(); });
    editor = std::make_unique<KeyEditor>(*doc, state);
  }

  std::string Path(const char* name) const { return (m_dir / name).string(); }

  // A keystroke as the layout view hands it to the editor: recorded as typing.
  void Press(Key key) {
    PcKeyEvent e;
    e.virtualKey = key.vk;
    e.flags = key.flags;
    history->Record(UndoHistory::StepKind::Typing, [&] { (void)editor->KeyDown(e); });
  }
  void Select(int position) {
    state.selectedPosition = position;
    state.selectedKey = doc->KeyMap()[static_cast<size_t>(position)];
    state.cursor = state.caretColumn = state.decimalCursor = 0;
    state.SetModeFromContent(*doc);
  }
  std::string& Selected() { return doc->Content(state.selectedKey); }
  TemplateState Now() const {
    return {doc->Contents(), doc->DefinedFlags(), doc->Labels(), doc->MemoryImage(), state.SaveCursor()};
  }

  fs::path m_dir;
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  MemoryClipboard clipboard;
  DocumentEvents events;
  std::unique_ptr<CVEXADoc> doc;
  ViewState state;
  CommandRouter router;
  std::unique_ptr<UndoHistory> history;
  std::unique_ptr<DocumentCommands> files;
  std::unique_ptr<ModelCommands> models;
  std::unique_ptr<TextTemplateCommands> texts;
  std::unique_ptr<SettingsCommands> config;
  std::unique_ptr<KeyEditCommands> keyEdit;
  std::unique_ptr<ClipboardCommands> clipboardEdits;
  std::unique_ptr<KeyEditor> editor;
};

TEST_F(UndoHistoryTest, TypingIntoOneKeyIsOneStep) {
  Select(16);
  const TemplateState before = Now();
  Press(kA), Press(kB), Press(kBackspace), Press(kC);
  const TemplateState after = Now();
  EXPECT_EQ(Selected(), "ac");
  EXPECT_EQ(history->StepCount(), 1u);

  ASSERT_TRUE(history->Undo());
  EXPECT_EQ(Now(), before);
  EXPECT_FALSE(history->CanUndo());
  ASSERT_TRUE(history->Redo());
  EXPECT_EQ(Now(), after);
  EXPECT_EQ(state.cursor, 2);
  EXPECT_FALSE(history->CanRedo());

  // A run that ends where it began is no step at all.
  Press(kA), Press(kBackspace);
  EXPECT_EQ(history->StepCount(), 1u);
  EXPECT_TRUE(history->CanUndo());
  Press(kB);
  EXPECT_EQ(history->StepCount(), 2u);
}

TEST_F(UndoHistoryTest, TypingStartsANewStepAfterAnythingElse) {
  struct Case {
    const char* name;
    std::function<void()> between;
    std::size_t steps;    // after "a", the step between, "b"
    std::string content;  // of the key typed into first, after one Undo
  } cases[] = {
      {"nothing", [] {}, 1, ""},
      {"another key", [&] { Press(kDown); }, 2, "a"},
      {"the cursor moved", [&] { Press(kLeft); }, 2, "a"},
      {"a command", [&] { router.Execute(cmd::kInsertCaps); }, 3, "a[Caps]"},
      {"a save",
       [&] {
         ui.fileAnswers.push_back(Path("saved.bin"));
         router.Execute(cmd::kSave);
       },
       2, "a"},
      {"an undo", [&] { history->Undo(); }, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(kPx2400, UndoHistory::kDefaultLimit);
    Select(16);
    Press(kA);
    c.between();
    Press(kB);
    EXPECT_EQ(history->StepCount(), c.steps);
    history->Undo();
    EXPECT_EQ(doc->Content(doc->KeyMap()[16]), c.content);
  }
}

// Each edit that changes the template is one step; Undo puts back the template
// and the editing position exactly, Redo the state after the edit.
TEST_F(UndoHistoryTest, EachCommandIsOneStep) {
  struct Case {
    const char* name;
    std::function<void()> prepare;  // not recorded
    std::function<void()> edit;
  } cases[] = {
      {"Clear Current Key", [&] { Selected() = "abc", state.cursor = state.caretColumn = 2; },
       [&] { router.Execute(cmd::kClearKey); }},
      {"Set ScanCode Mode", [&] { Selected() = "abc"; }, [&] { router.Execute(cmd::kSetScanCodeMode); }},
      {"Insert Delay Time", [&] { ui.delayAnswers.push_back(5); },
       [&] { router.Execute(cmd::kInsertDelay); }},
      {"Enter ASCII Code", [&] { ui.asciiCodeAnswers.push_back(91); },
       [&] { router.Execute(cmd::kEnterAsciiCode); }},
      {"Cut", [&] { Selected() = "xy"; }, [&] { router.Execute(cmd::kCut); }},
      {"Paste", [&] { clipboard.text = u"Tea[CR]"; }, [&] { router.Execute(cmd::kPaste); }},
      {"Config KB OK",
       [&] {
         FeatureSettings changed =
             FeatureSettings::FromImage(doc->MemoryImage(), FeatureLayout::OneByte, false);
         changed.keyBeep = !changed.keyBeep;
         changed.delay = 9;
         ui.featureAnswers.push_back(changed);
       },
       [&] { router.Execute(cmd::kConfigKeyboard); }},
      {"Config MR OK",
       [&] {
         CardReaderSettings changed = CardReaderSettings::FromImage(doc->MemoryImage());
         changed.tracks[1].prefix = "[CR]";
         ui.cardReaderAnswers.push_back(changed);
       },
       [&] { router.Execute(cmd::kConfigCardReader); }},
      {"Import Text Data",
       [&] {
         std::ofstream(Path("in.txt"), std::ios::binary) << "Lock,[F1]\r\nF1,x\r\n";
         ui.fileAnswers.push_back(Path("in.txt"));
       },
       [&] { router.Execute(cmd::kImportText); }},
      {"Load Default", [&] { std::ofstream(Path("PX2400.txt"), std::ios::binary) << "A,b\r\n"; },
       [&] { router.Execute(cmd::kLoadDefault); }},
      {"Read From KB (the image taken and position 0 selected)", [&] {},
       [&] {
         history->Record(UndoHistory::StepKind::Command, [&] {
           Image image = doc->MemoryImage();
           image[0] = 'q';  // the first key string of the image: key number 121
           image[offs::kInterCharDelay] = 7;
           doc->TakeImageFromKeyboard(image);
           state.ResetAfterTransfer(*doc);
         });
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(kPx2400, UndoHistory::kDefaultLimit);
    Select(20);
    c.prepare();
    const TemplateState before = Now();
    c.edit();
    const TemplateState after = Now();
    ASSERT_FALSE(after == before);
    EXPECT_EQ(history->StepCount(), 1u);
    ASSERT_TRUE(history->Undo());
    EXPECT_EQ(Now(), before);
    ASSERT_TRUE(history->Redo());
    EXPECT_EQ(Now(), after);
  }
}

TEST_F(UndoHistoryTest, EditsThatChangeNothingRecordNothing) {
  struct Case {
    const char* name;
    std::function<void()> edit;
  } cases[] = {
      {"Insert Delay Time cancelled", [&] { router.Execute(cmd::kInsertDelay); }},
      {"Config KB cancelled", [&] { router.Execute(cmd::kConfigKeyboard); }},
      {"Set ScanCode Mode on an empty key", [&] { router.Execute(cmd::kSetScanCodeMode); }},
      {"Switch ASCII Display mode", [&] { router.Execute(cmd::kSwitchDisplay); }},
      {"Import cancelled", [&] { router.Execute(cmd::kImportText); }},
      {"Paste of an empty clipboard", [&] { router.Execute(cmd::kPaste); }},
      {"a cursor key", [&] { Press(kLeft); }},
      {"Save",
       [&] {
         ui.fileAnswers.push_back(Path("saved.bin"));
         router.Execute(cmd::kSaveAs);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(kPx2400, UndoHistory::kDefaultLimit);
    c.edit();
    EXPECT_EQ(history->StepCount(), 0u);
    EXPECT_FALSE(history->CanUndo());
    EXPECT_FALSE(doc->IsModified());  // so Exit asks nothing
  }
}

TEST_F(UndoHistoryTest, AnEditThatChangesNothingKeepsTheModifiedMark) {
  for (const bool modified : {false, true}) {
    doc->SetModified(modified);
    history->Record(UndoHistory::StepKind::Command, [&] { doc->SetModified(true); });
    EXPECT_EQ(doc->IsModified(), modified);
  }
}

TEST_F(UndoHistoryTest, TheSavedStateShowsItsKeysDefinedAfterUndoAndRedo) {
  Select(16);
  Press(kA);
  const auto key = static_cast<size_t>(state.selectedKey);
  ASSERT_EQ(doc->DefinedFlags()[key], 0);  // green: changed
  ui.fileAnswers.push_back(Path("shop.bin"));
  router.Execute(cmd::kSave);
  EXPECT_EQ(doc->DefinedFlags()[key], 1);  // blue: saved
  Press(kB);
  history->Undo();
  EXPECT_EQ(doc->DefinedFlags()[key], 1);
  EXPECT_FALSE(doc->IsModified());
  history->Undo();
  EXPECT_EQ(doc->DefinedFlags()[key], 1);  // the blank key before: defined since New
  history->Redo();
  EXPECT_EQ(doc->DefinedFlags()[key], 1);
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(UndoHistoryTest, ModifiedFlagFollowsTheSavedState) {
  Select(16);
  Press(kA);
  EXPECT_TRUE(doc->IsModified());
  history->Undo();
  EXPECT_FALSE(doc->IsModified());  // back at the template as it was created
  history->Redo();
  EXPECT_TRUE(doc->IsModified());

  ui.fileAnswers.push_back(Path("shop.bin"));
  router.Execute(cmd::kSave);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_TRUE(history->CanUndo());  // the history survives the save
  Press(kB);
  history->Undo();
  EXPECT_FALSE(doc->IsModified());
  history->Undo();
  EXPECT_TRUE(doc->IsModified());  // before the saved state
  history->Redo();
  EXPECT_FALSE(doc->IsModified());

  // A new step after undoing past the saved state: no state is saved any more.
  history->Undo();
  Press(kC);
  history->Undo();
  EXPECT_TRUE(doc->IsModified());
  history->Redo();
  EXPECT_TRUE(doc->IsModified());
}

TEST_F(UndoHistoryTest, NewLoadAndModelSwitchClearTheHistory) {
  struct Case {
    const char* name;
    std::function<void()> replace;
    bool cleared;
  } cases[] = {
      {"New",
       [&] {
         ui.saveAnswers.push_back(SaveAnswer::No);
         router.Execute(cmd::kNew);
       },
       true},
      {"New cancelled",
       [&] {
         ui.saveAnswers.push_back(SaveAnswer::Cancel);
         router.Execute(cmd::kNew);
       },
       false},
      {"Load",
       [&] {
         ASSERT_TRUE(doc->SaveTemplate(Path("other.bin")).ok);
         doc->SetModified(true);
         ui.saveAnswers.push_back(SaveAnswer::No);
         ui.fileAnswers.push_back(Path("other.bin"));
         router.Execute(cmd::kLoad);
       },
       true},
      {"Load of a file that can't be read",
       [&] {
         ui.saveAnswers.push_back(SaveAnswer::No);
         ui.fileAnswers.push_back(Path("missing.bin"));
         router.Execute(cmd::kLoad);
       },
       false},
      {"model switch",
       [&] {
         ui.modelSwitchAnswers.push_back(true);
         router.Execute(ModelCommandOf(kDv3100));
       },
       true},
      {"model switch declined", [&] { router.Execute(ModelCommandOf(kDv3100)); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(kPx2400, UndoHistory::kDefaultLimit);
    Select(16);
    Press(kA);
    c.replace();
    EXPECT_EQ(history->CanUndo(), !c.cleared);
    EXPECT_EQ(history->StepCount(), c.cleared ? 0u : 1u);
  }
}

TEST_F(UndoHistoryTest, KeepsTheLastStepsWithinItsBound) {
  Start(kPx2400, 3);
  ui.fileAnswers.push_back(Path("shop.bin"));
  router.Execute(cmd::kSave);  // saved before the first step
  for (int position : {10, 11, 12, 13, 14}) {
    Select(position);
    Press(kA);
  }
  EXPECT_EQ(history->StepCount(), 3u);
  while (history->Undo()) {
  }
  // The two oldest steps are gone for good, and with them the saved state.
  EXPECT_EQ(doc->Content(doc->KeyMap()[11]), "a");
  EXPECT_EQ(doc->Content(doc->KeyMap()[12]), "");
  EXPECT_TRUE(doc->IsModified());
}

}  // namespace
}  // namespace vexa
