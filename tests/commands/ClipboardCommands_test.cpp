// Copy, Cut and Paste of the selected key's content: the text on the
// clipboard, and a paste accepted or refused whole under the rules of typing
// (the key's mode, the keyboard's memory, the decimal display, the PX2400's
// linked key).
#include "commands/ClipboardCommands.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/Messages.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/MemoryClipboard.h"
#include "support/ScriptedUserInterface.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

constexpr int kPx2400 = 2013;

class ClipboardCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, kPx2400);
    doc = std::make_unique<CVEXADoc>(settings, "/tmp");
    doc->NewTemplate();
    state.ResetForInitialUpdate(*doc);
    commands = std::make_unique<ClipboardCommands>(*doc, state, ui, clipboard);
  }
  void SetContent(const std::string& text, bool ascii, int cursor) {
    doc->Content(state.selectedKey) = text;
    state.keyModes[static_cast<size_t>(state.selectedKey)] = ascii ? 1 : 0;
    state.cursor = state.caretColumn = cursor;
  }
  std::string& content() { return doc->Content(state.selectedKey); }

  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  MemoryClipboard clipboard;
  std::unique_ptr<CVEXADoc> doc;
  ViewState state;
  std::unique_ptr<ClipboardCommands> commands;
};

TEST_F(ClipboardCommandsTest, CopyPutsTheContentTextAsShown) {
  EXPECT_FALSE(commands->CanCopy());  // an empty key has nothing to copy
  SetContent("[[x]][CR]\x80\xe9", true, 0);
  ASSERT_TRUE(commands->CanCopy());
  (void)commands->Copy();
  EXPECT_EQ(clipboard.text, std::u16string(u"[[x]][CR]\u20ac\u00e9"));
  EXPECT_EQ(content(), "[[x]][CR]\x80\xe9");
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(ClipboardCommandsTest, CutCopiesAndClearsTheKey) {
  SetContent("abc", true, 3);
  EXPECT_EQ(commands->Cut(), Repaint::InformationArea);
  EXPECT_EQ(clipboard.text, std::u16string(u"abc"));
  EXPECT_EQ(content(), "");
  EXPECT_EQ(state.cursor, 0);
  EXPECT_TRUE(doc->IsModified());
}

TEST_F(ClipboardCommandsTest, PasteFollowsTheRulesOfTyping) {
  struct Case {
    const char* name;
    std::string content;  // before, cursor at `cursor`
    bool ascii;
    int cursor;
    std::u16string clipboard;
    std::string result;  // the content afterwards
    bool asciiAfter;
    std::string message;  // empty when accepted
  } cases[] = {
      {"text at the cursor", "ad", true, 1, u"bc", "abcd", true, ""},
      {"the line end of a copied line", "", true, 0, u"Tea[CR]\r\n", "Tea[CR]", true, ""},
      {"8-bit characters", "", true, 0, u"\u20ac5",
       "\x80"
       "5",
       true, ""},
      {"a scan code word into an ASCII key", "ab", true, 2, u"[F1]", "ab", true,
       std::string(msg::kWrongKeyWord)},
      {"a key word into a scan code key", "[A]", false, 3, u"[F1][Enter]", "[A][F1][Enter]", false, ""},
      {"a character into a scan code key", "[A]", false, 3, u"b", "[A]", false,
       std::string(msg::kWrongKeyWord)},
      {"an empty key takes the words' mode", "", true, 0, u"[F1][A]", "[F1][A]", false, ""},
      {"a key whose words left its mode", "[F1]", true, 4, u"[A]", "[F1][A]", false, ""},
      {"an open word", "", true, 0, u"[Caps", "", true, std::string(msg::kWrongKeyWord)},
      {"a character no key can hold", "", true, 0, u"\u4e2d", "", true, std::string(msg::kWrongKeyWord)},
      {"a word completed by the paste", "[Ca", true, 3, u"ps]", "[Caps]", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.messages.clear();
    SetContent(c.content, c.ascii, c.cursor);
    clipboard.text = c.clipboard;
    ASSERT_TRUE(commands->CanPaste());
    (void)commands->Paste();
    EXPECT_EQ(content(), c.result);
    EXPECT_EQ(state.SelectedIsAscii(), c.asciiAfter);
    if (c.message.empty()) {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_TRUE(doc->IsModified());
      EXPECT_EQ(state.cursor, c.cursor + static_cast<int>(c.result.size() - c.content.size()));
      EXPECT_EQ(doc->DefinedFlags()[static_cast<size_t>(state.selectedKey)], 0);  // drawn green
    } else {
      EXPECT_EQ(ui.messages, std::vector<std::string>{c.message});
      EXPECT_FALSE(doc->IsModified());
      EXPECT_EQ(state.cursor, c.cursor);
    }
  }
}

TEST_F(ClipboardCommandsTest, PasteThatOverrunsTheMemoryIsRefused) {
  const int other = state.selectedKey == 0 ? 1 : 0;
  doc->Content(other) = std::string(static_cast<size_t>(doc->SpaceLeft() - 2), 'x');
  clipboard.text = u"abc";
  (void)commands->Paste();
  EXPECT_EQ(content(), "");
  EXPECT_EQ(ui.messages, std::vector<std::string>{msg::FormatMessage(msg::kNotEnoughMemory, 1)});
  clipboard.text = u"ab";  // exactly the space left
  (void)commands->Paste();
  EXPECT_EQ(content(), "ab");
  EXPECT_EQ(doc->SpaceLeft(), 0);
}

TEST_F(ClipboardCommandsTest, PasteIsOffInTheDecimalDisplay) {
  state.decimalDisplay = true;
  clipboard.text = u"a";
  EXPECT_FALSE(commands->CanPaste());
  EXPECT_EQ(commands->Paste(), Repaint::None);
  EXPECT_EQ(content(), "");
}

TEST_F(ClipboardCommandsTest, LinkedKeyOfThePx2400FollowsPasteAndCut) {
  state.selectedKey = kLinkedKeyIndex;
  clipboard.text = u"[F1]";
  (void)commands->Paste();
  EXPECT_EQ(doc->Content(kLinkedKeyTwinIndex), "[F1]");
  (void)commands->Cut();
  EXPECT_EQ(doc->Content(kLinkedKeyTwinIndex), "");
}

}  // namespace
}  // namespace vexa
