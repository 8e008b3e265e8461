// The key words that keystrokes insert against the key word dictionary: every
// key of a PC keyboard goes through the key event mapping and the key editor,
// and the word it gives must make the keyboard send the key that was pressed.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "models/KeyWordDictionary.h"
#include "view/KeyEditor.h"
#include "view/KeyEventMapping.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

constexpr std::uint32_t kXkbKeycodeOffset = 8;
constexpr std::uint32_t kModNumLock = 0x10;

// The scan code bytes of a make code as the keyboard sends a plain key press.
std::string BytesOfMakeCode(int makeCode) {
  std::string bytes;
  if (makeCode & kMakeCodeExtended) bytes.push_back(static_cast<char>(kCodeExtended));
  bytes.push_back(static_cast<char>(makeCode & 0xFF));
  return bytes;
}

// What one key-down inserts into an empty key in scan code mode.
std::string Insert(const PcKeyEvent& event, bool escPrefix) {
  MemorySettingsStore settings;
  CVEXADoc doc(settings, "/tmp");
  doc.NewTemplate();
  ViewState state;
  state.ResetForInitialUpdate(doc);
  state.keyModes[static_cast<size_t>(state.selectedKey)] = 0;
  state.escPrefix = escPrefix;
  KeyEditor editor(doc, state);
  (void)editor.KeyDown(event);
  return doc.Content(state.selectedKey);
}

// Each key alone and, when that gives nothing, after Esc; with Num Lock on and
// off. A word is inserted for a key only when it encodes to the key's own make
// code, or to what the keyboard sends for the few keys listed here.
TEST(KeyEditorKeyWordsTest, EveryInsertedWordSendsThePressedKey) {
  const std::map<int, std::string> otherBytes = {
      {0x145, "\x45"},         // Num Lock: reported extended, sent as the single byte 45
      {0x45, "\xE1\x1D\x45"},  // Pause: reported plain, sent with the E1 prefix
      {0x11C, "\x1C"},         // keypad Enter: shares the virtual key of Enter and gives [Enter]
  };
  std::set<int> keysWithWords;
  for (const std::uint32_t modifiers : {kModNumLock, 0u}) {
    for (std::uint32_t evdev = 1; evdev < 256; ++evdev) {
      const std::optional<PcKeyEvent> event = MapKeyEvent({evdev + kXkbKeycodeOffset, 0, modifiers});
      if (!event || event->systemKey) continue;
      const int makeCode = event->flags & KeyEditor::kPhysicalKeyMask;
      std::string word = Insert(*event, false);
      // Typed without Esc (letters, digits, punctuation, keypad), a key gives
      // the word of its virtual key, whichever path of the editor it takes.
      if (!word.empty()) {
        EXPECT_EQ(word, KeyEditor::ScanCodeText(event->virtualKey));
      }
      if (word.empty()) word = Insert(*event, true);
      if (word.empty()) continue;
      SCOPED_TRACE(word);
      const auto other = otherBytes.find(makeCode);
      const std::string expected = other == otherBytes.end() ? BytesOfMakeCode(makeCode) : other->second;
      EXPECT_EQ(ScanCodeOfWord(word), expected) << std::hex << makeCode;
      keysWithWords.insert(makeCode);
    }
  }
  // Letters, digits, punctuation, the keypad, Esc, the function keys but F6
  // and F10, the modifiers but Alt, and the navigation block. Not the extra
  // key of ISO keyboards ("<>"): the dictionary has no word for it.
  EXPECT_EQ(keysWithWords.size(), 99u);
  EXPECT_EQ(keysWithWords.count(0x56), 0u);
}

// Scan code mode never inserts a word the dictionary does not know: such a
// word would make the content invalid and lock the key. Every virtual key.
TEST(KeyEditorKeyWordsTest, ScanCodeModeInsertsOnlyDictionaryWords) {
  int words = 0;
  for (int vk = 0; vk < 256; ++vk) {
    const std::string word = KeyEditor::ScanCodeText(vk);
    if (word.empty()) continue;
    ++words;
    EXPECT_FALSE(ScanCodeOfWord(word).empty()) << vk << " " << word;
  }
  EXPECT_GT(words, 60);
  // The ISO "<>" key (226) and the keypad separator (108) give nothing.
  EXPECT_EQ(KeyEditor::ScanCodeText(226), "");
  EXPECT_EQ(KeyEditor::ScanCodeText(108), "");
  EXPECT_EQ(KeyEditor::ScanCodeText('A'), "[A]");
}

}  // namespace
}  // namespace vexa
