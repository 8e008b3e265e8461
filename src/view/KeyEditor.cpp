#include "view/KeyEditor.h"

#include <algorithm>
#include <utility>

#include "base/Messages.h"
#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "models/KeyWordDictionary.h"
#include "view/ViewSelection.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

constexpr int kVkClear = 12, kVkEnter = 13, kVkSpace = 32, kVkE = 69, kVkF = 70;
constexpr int kVkPad0 = 96, kVkPad9 = 105, kVkPadMultiply = 106, kVkPadSeparator = 108, kVkPadDivide = 111;
// PC virtual keys of the navigation block (Page Up 33 .. Delete 46): only the
// keypad reaches the ordinary-key path with them (Num Lock off).
constexpr int kVkFirstNavigation = 33, kVkLastNavigation = 46;
// Function keys F1..F24: those that reach the ordinary-key path (Ctrl+F6,
// Ctrl+F10 ...) name no key word of their own.
constexpr int kVkFirstFunction = 112, kVkLastFunction = 135;
constexpr int kShiftReleaseLeft = 0xC02A, kShiftReleaseRight = 0xC036;

// Directions of a selection move.
constexpr int kMoveLeft = 0, kMoveRight = 1, kMoveUp = 2, kMoveDown = 3;

// The punctuation keys of a US layout: the characters they type and the make
// code of the key, whose dictionary word names the key in scan code mode ([{]
// for the [ key, as the brackets are written doubled in a content).
struct Punctuation {
  int virtualKey;
  char plain;
  char shifted;
  int makeCode;
};
constexpr Punctuation kPunctuation[] = {
    {186, ';', ':', 0x27},  {187, '=', '+', 0x0D}, {188, ',', '<', 0x33},  {189, '-', '_', 0x0C},
    {190, '.', '>', 0x34},  {191, '/', '?', 0x35}, {192, '`', '~', 0x29},  {219, '[', '{', 0x1A},
    {220, '\\', '|', 0x2B}, {221, ']', '}', 0x1B}, {222, '\'', '"', 0x28},
};

// Virtual keys that scan code mode names by their physical key: the keypad
// (digits and operators with Num Lock on, Clear for keypad 5 with it off),
// Enter and Space. Both Enter keys share one virtual key and give [Enter].
struct VirtualKeyMakeCode {
  int virtualKey;
  int makeCode;
};
constexpr VirtualKeyMakeCode kPhysicalWordKeys[] = {
    {96, 0x52},  {97, 0x4F},  {98, 0x50},   {99, 0x51},       {100, 0x4B},      {101, 0x4C},
    {102, 0x4D}, {103, 0x47}, {104, 0x48},  {105, 0x49},      {106, 0x37},      {107, 0x4E},
    {109, 0x4A}, {110, 0x53}, {111, 0x135}, {kVkClear, 0x4C}, {kVkEnter, 0x1C}, {kVkSpace, 0x39},
};

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

int Length(std::string_view text) { return static_cast<int>(text.size()); }

int ClampColumn(int column) { return std::min(column, kContentColumns); }

}  // namespace

// --- Translations ---------------------------------------------------------

std::string KeyEditor::AsciiText(int v, bool shift, bool capsLock) {
  if (v >= 'A' && v <= 'Z') return std::string(1, static_cast<char>(shift != capsLock ? v : v + 32));
  if (v >= '0' && v <= '9') return std::string(1, shift ? kShiftedDigits[v - '0'] : static_cast<char>(v));
  if (v >= kVkPad0 && v <= kVkPad9) return std::string(1, static_cast<char>(v - 48));
  if (v >= kVkPadMultiply && v <= kVkPadDivide) return std::string(1, static_cast<char>(v - 64));
  if (v == kVkClear) return "5";
  if (v == kVkEnter) return std::string(kWordCR);
  if (v == kVkSpace) return " ";
  for (const Punctuation& p : kPunctuation) {
    if (p.virtualKey == v) return std::string(1, shift ? p.shifted : p.plain);
  }
  return {};
}

std::string KeyEditor::ScanCodeText(int v) {
  // A key whose word the dictionary does not know (the ISO "<>" key, the
  // keypad separator) gives nothing, as in ASCII mode: an unknown word would
  // make the content invalid and lock the key until it is mended by hand.
  std::string word = NamingWord(v);
  if (ScanCodeOfWord(word).empty()) return {};
  return word;
}

std::string KeyEditor::NamingWord(int v) {
  if ((v >= 'A' && v <= 'Z') || (v >= '0' && v <= '9')) return CharacterWord(static_cast<char>(v));
  for (const VirtualKeyMakeCode& k : kPhysicalWordKeys) {
    if (k.virtualKey == v) return std::string(WordOfMakeCode(k.makeCode));
  }
  for (const Punctuation& p : kPunctuation) {
    if (p.virtualKey == v) return std::string(WordOfMakeCode(p.makeCode));
  }
  // The separator key of some keypads has no key word; its code would come
  // out as [l], the word of the L key.
  if (v == kVkPadSeparator) return {};
  // The keypad's Page Up, Page Down, Insert and Delete (Num Lock off) and the
  // function keys would otherwise come out as the words of other keys ([-] for
  // keypad 0, [.] for keypad ., [u] for F6): they give nothing.
  if (v >= kVkFirstNavigation && v <= kVkLastNavigation) return {};
  if (v >= kVkFirstFunction && v <= kVkLastFunction) return {};
  if (v <= 0 || v > 255) return {};
  return {'[', static_cast<char>(v), ']'};
}

std::vector<DecimalGroup> KeyEditor::DecimalGroups(std::string_view content) {
  std::vector<DecimalGroup> groups;
  const std::string decimal = ToDecimalForm(content);
  if (decimal.empty()) return groups;
  auto byteGroupLength = [](unsigned char b) { return b >= 100 ? 5 : b >= 10 ? 4 : 3; };
  const int n = Length(content);
  int at = 0;
  int decimalAt = 0;
  while (at < n) {
    const char c = content[static_cast<size_t>(at)];
    const bool doubled = at + 1 < n && content[static_cast<size_t>(at) + 1] == c;
    DecimalGroup g{at, 1, decimalAt, 0};
    if ((c == '[' || c == ']') && doubled) {
      g.contentLength = 2;
      g.decimalLength = byteGroupLength(static_cast<unsigned char>(c));
    } else if (c == '[') {
      // A function word up to its closing bracket; escaped brackets inside it
      // are shown as groups of their own within the same stretch.
      int end = at + 1;
      int wordLength = 1;
      int escapes = 0;
      while (end < n) {
        const char w = content[static_cast<size_t>(end)];
        const bool wDoubled = end + 1 < n && content[static_cast<size_t>(end) + 1] == w;
        if ((w == '[' || w == ']') && wDoubled) {
          escapes += byteGroupLength(static_cast<unsigned char>(w));
          end += 2;
        } else if (w == ']') {
          ++wordLength;
          ++end;
          break;
        } else if (w == '[') {
          wordLength = 1;  // a second opening bracket starts the word afresh
          ++end;
        } else {
          ++wordLength;
          ++end;
        }
      }
      g.contentLength = end - at;
      g.decimalLength = wordLength + escapes;
    } else {
      g.decimalLength = byteGroupLength(static_cast<unsigned char>(c));
    }
    groups.push_back(g);
    at += g.contentLength;
    decimalAt += g.decimalLength;
  }
  // Only trust the groups when they cover the decimal text exactly.
  if (decimalAt != Length(decimal)) groups.clear();
  return groups;
}

std::vector<ContentItem> KeyEditor::ContentItems(std::string_view content) {
  std::vector<ContentItem> items;
  const int n = Length(content);
  auto at = [&](int i) { return content[static_cast<size_t>(i)]; };
  auto doubled = [&](int i) { return (at(i) == '[' || at(i) == ']') && i + 1 < n && at(i + 1) == at(i); };
  // Characters outside a complete word: escaped brackets and single characters.
  auto plain = [&](int from, int to) {
    while (from < to) {
      const int length = doubled(from) && from + 1 < to ? 2 : 1;
      items.push_back({from, length});
      from += length;
    }
  };
  int wordStart = -1;
  int i = 0;
  while (i < n) {
    if (doubled(i)) {  // an escape, also inside an open word (it stays part of the word's stretch)
      if (wordStart < 0) items.push_back({i, 2});
      i += 2;
    } else if (at(i) == '[') {
      if (wordStart >= 0) plain(wordStart, i);  // a second '[' starts the word afresh
      wordStart = i++;
    } else if (at(i) == ']' && wordStart >= 0) {
      items.push_back({wordStart, i + 1 - wordStart});
      wordStart = -1;
      ++i;
    } else {
      if (wordStart < 0) items.push_back({i, 1});
      ++i;
    }
  }
  if (wordStart >= 0) plain(wordStart, n);  // an unfinished word is only characters
  return items;
}

int KeyEditor::ItemEndingAt(std::string_view content, int at) {
  for (const ContentItem& item : ContentItems(content)) {
    if (item.start + item.length == at) return item.length;
  }
  return 0;
}

int KeyEditor::ItemStartingAt(std::string_view content, int at) {
  for (const ContentItem& item : ContentItems(content)) {
    if (item.start == at) return item.length;
  }
  return 0;
}

// --- State access ---------------------------------------------------------

std::string& KeyEditor::Content() { return m_doc.Content(m_state.selectedKey); }
const std::string& KeyEditor::Content() const { return m_doc.Content(m_state.selectedKey); }
bool KeyEditor::SelectedIsAscii() const { return m_state.SelectedIsAscii(); }

bool KeyEditor::RefusesAddition(std::string_view text) {
  if (text.empty() || !IsShiftLevelCode(Content())) return false;
  m_refusal = std::string(msg::Tr(msg::kShiftLevelIsWhole));
  return true;
}

std::string KeyEditor::TakeRefusal() { return std::exchange(m_refusal, {}); }

KeyEditor::KeyMark KeyEditor::MarkOf(int keyIndex) const {
  const auto k = static_cast<size_t>(keyIndex);
  return {m_doc.Content(keyIndex), m_doc.Content(kLinkedKeyTwinIndex), m_doc.BlankFlags()[k],
          m_doc.DefinedFlags()[k]};
}

void KeyEditor::MarkKeyEdited() {
  const auto key = static_cast<size_t>(m_state.selectedKey);
  m_doc.BlankFlags()[key] = 0;
  m_doc.DefinedFlags()[key] = 0;
}

void KeyEditor::SyncLinkedKey() {
  if (m_doc.ModelId() == kLinkedKeyModelId && m_state.selectedKey == kLinkedKeyIndex)
    m_doc.Content(kLinkedKeyTwinIndex) = m_doc.Content(kLinkedKeyIndex);
}

int KeyEditor::EditCursor() const {
  const std::string& content = Content();
  if (m_state.decimalDisplay) {
    const std::vector<DecimalGroup> groups = DecimalGroups(content);
    if (!groups.empty()) {
      for (const DecimalGroup& g : groups) {
        if (m_state.decimalCursor < g.decimalStart + g.decimalLength) return g.contentStart;
      }
      return Length(content);
    }
  }
  return std::clamp(m_state.cursor, 0, Length(content));
}

// --- Insertion ------------------------------------------------------------

bool KeyEditor::InsertAtCursor(std::string_view text) {
  if (RefusesAddition(text)) return false;
  if (m_doc.SpaceLeft() < 1) return false;
  std::string& content = Content();
  const int at = EditCursor();
  content.insert(static_cast<size_t>(at), text);
  m_state.cursor = at + Length(text);
  m_state.caretColumn = ClampColumn(m_state.caretColumn + Length(text));
  SyncLinkedKey();
  return true;
}

void KeyEditor::InsertByRule(std::string_view text) {
  if (m_state.decimalDisplay || text.empty()) return;
  (void)InsertAtCursor(text);
}

void KeyEditor::Word(std::string_view word) {
  m_state.escPrefix = false;
  if (!m_state.decimalDisplay && RefusesAddition(word)) return;
  MarkKeyEdited();
  InsertByRule(word);
}

void KeyEditor::DigitOrWord(std::string_view digit, std::string_view word) {
  if (!m_state.decimalDisplay && RefusesAddition(SelectedIsAscii() ? digit : word)) return;
  MarkKeyEdited();
  InsertByRule(SelectedIsAscii() ? digit : word);
}

void KeyEditor::OrdinaryKey(const PcKeyEvent& event) {
  const int v = event.virtualKey;
  const bool prefixWord = m_state.escPrefix && (v == kVkE || v == kVkF);
  const std::string text = prefixWord ? std::string(v == kVkE ? kWordExtendedPrefix : kWordBreakPrefix)
                           : SelectedIsAscii() ? AsciiText(v, event.shift, event.capsLock)
                                               : ScanCodeText(v);
  if (RefusesAddition(text)) {
    m_state.escPrefix = false;
    return;
  }
  MarkKeyEdited();
  InsertByRule(text);
  m_state.escPrefix = false;
}

// --- Cursor moves ---------------------------------------------------------

void KeyEditor::SyncCursorToDecimal() {
  if (!DecimalGroups(Content()).empty()) m_state.cursor = EditCursor();
}

void KeyEditor::DecimalStepBack(const std::string& decimal) {
  int& dc = m_state.decimalCursor;
  dc = std::clamp(dc, 0, Length(decimal));
  if (dc > 0) --dc;
  if (m_state.caretColumn > 0) --m_state.caretColumn;
  while (dc > 0 && decimal[static_cast<size_t>(dc)] != '[') {
    --dc;
    if (m_state.caretColumn > 0) --m_state.caretColumn;
  }
}

void KeyEditor::DecimalStepForward(const std::string& decimal) {
  int& dc = m_state.decimalCursor;
  const int length = Length(decimal);
  dc = std::clamp(dc, 0, length);
  auto advanceCaret = [&] {
    if (m_state.caretColumn < kContentColumns && m_state.caretColumn < length) ++m_state.caretColumn;
  };
  if (dc < length) ++dc;
  advanceCaret();
  while (dc < length && decimal[static_cast<size_t>(dc)] != '[') {
    ++dc;
    advanceCaret();
  }
}

void KeyEditor::CursorHome() {
  if (m_state.decimalDisplay && !SelectedIsAscii()) return;
  m_state.cursor = 0;
  m_state.decimalCursor = 0;
  m_state.caretColumn = 0;
}

void KeyEditor::CursorEnd() {
  const int length = Length(Content());
  if (!m_state.decimalDisplay) {
    m_state.cursor = length;
    m_state.caretColumn = ClampColumn(length);
  } else if (SelectedIsAscii()) {
    const int decimalLength = Length(ToDecimalForm(Content()));
    m_state.cursor = length;
    m_state.decimalCursor = decimalLength;
    m_state.caretColumn = ClampColumn(decimalLength);
  }
}

void KeyEditor::CursorLeft() {
  if (!m_state.decimalDisplay) {
    if (m_state.caretColumn > 0) --m_state.caretColumn;
    if (m_state.cursor > 0) --m_state.cursor;
    return;
  }
  if (!SelectedIsAscii()) return;
  DecimalStepBack(ToDecimalForm(Content()));
  if (m_state.cursor > 0) --m_state.cursor;
  SyncCursorToDecimal();
}

void KeyEditor::CursorRight() {
  const int length = Length(Content());
  if (!m_state.decimalDisplay) {
    if (m_state.cursor < length) ++m_state.cursor;
    if (m_state.caretColumn < kContentColumns && m_state.caretColumn < length) ++m_state.caretColumn;
    return;
  }
  if (!SelectedIsAscii()) return;
  if (m_state.cursor < length) ++m_state.cursor;
  DecimalStepForward(ToDecimalForm(Content()));
  SyncCursorToDecimal();
}

// --- Deletes --------------------------------------------------------------

void KeyEditor::DeleteBack() {
  std::string& content = Content();
  if (EditCursor() == 0) return;
  if (!m_state.decimalDisplay) {
    if (m_state.caretColumn > 0) {
      // A key word or an escaped bracket goes as a whole, so the content does
      // not turn invalid ("ab[CR]" becomes "ab", not "ab[CR").
      const int at = std::min(m_state.cursor, Length(content));
      const int length = std::max(1, ItemEndingAt(content, at));
      content.erase(static_cast<size_t>(at - length), static_cast<size_t>(length));
      m_state.cursor = at - length;
      m_state.caretColumn = std::max(0, m_state.caretColumn - length);
    }
  } else if (SelectedIsAscii() && m_state.caretColumn > 0) {
    // One decimal group goes: a character, an escaped bracket or a whole
    // function word, so the content stays a valid ASCII mode content.
    const std::vector<DecimalGroup> groups = DecimalGroups(content);
    DecimalStepBack(ToDecimalForm(content));
    if (groups.empty()) {
      const int at = std::clamp(m_state.cursor, 1, Length(content));
      content.erase(static_cast<size_t>(at) - 1, 1);
      m_state.cursor = at - 1;
    } else {
      const int at = EditCursor();
      const auto group = std::find_if(groups.begin(), groups.end(),
                                      [at](const DecimalGroup& g) { return g.contentStart == at; });
      if (group != groups.end())
        content.erase(static_cast<size_t>(at), static_cast<size_t>(group->contentLength));
      m_state.cursor = at;
    }
  }
  SyncLinkedKey();
  MarkKeyEdited();
}

void KeyEditor::DeleteForward() {
  std::string& content = Content();
  const int at = EditCursor();
  if (at < Length(content)) {
    if (!m_state.decimalDisplay) {
      content.erase(static_cast<size_t>(at), static_cast<size_t>(std::max(1, ItemStartingAt(content, at))));
    } else if (SelectedIsAscii()) {
      const std::vector<DecimalGroup> groups = DecimalGroups(content);
      const auto group = std::find_if(groups.begin(), groups.end(),
                                      [at](const DecimalGroup& g) { return g.contentStart == at; });
      content.erase(static_cast<size_t>(at),
                    group == groups.end() ? 1 : static_cast<size_t>(group->contentLength));
    }
  }
  SyncLinkedKey();
  MarkKeyEdited();
}

// --- Dispatch -------------------------------------------------------------

void KeyEditor::MoveSelection(int direction) {
  (void)view_selection::MoveSelection(m_doc, m_state, direction);
}

void KeyEditor::KeypadNavigation(int physicalKey, bool shiftHeld) {
  switch (physicalKey) {
    case kPad7:
      CursorHome();
      break;
    case kPad8:
      MoveSelection(kMoveUp);
      break;
    case kPad2:
      MoveSelection(kMoveDown);
      break;
    case kPad4:
      shiftHeld ? MoveSelection(kMoveLeft) : CursorLeft();
      break;
    case kPad6:
      shiftHeld ? MoveSelection(kMoveRight) : CursorRight();
      break;
    case kPad1:
      CursorEnd();
      break;
    default:
      break;
  }
}

Repaint KeyEditor::KeyDown(const PcKeyEvent& event) {
  if (!event.press || event.systemKey) return Repaint::None;
  const int key = event.flags & kPhysicalKeyMask;
  // Words are given only with the ESC prefix and the decimal display off.
  const bool words = m_state.escPrefix && !m_state.decimalDisplay;
  // The template is marked modified only when the key changed it: a move, a
  // modifier or a key with nothing to do must not make Exit ask to save a
  // template nobody changed.
  const int editedKey = m_state.selectedKey;
  const KeyMark before = MarkOf(editedKey);
  m_state.errorFlag = false;
  // "Shift held" is the Shift state the event itself reports, not a memory of
  // Shift key-downs and key-ups: a release that went to a dialog (or any other
  // window) would otherwise leave Left and Right moving the selection.
  m_state.shiftReleased = !event.shift;
  const bool shiftHeld = event.shift;

  // The word of the pressed key, from the key word dictionary by make code.
  const std::string_view keyWord = WordOfMakeCode(key);
  // The function keys that give words and otherwise do nothing (F6 and F10
  // never get here: the window takes them first).
  const bool wordOnlyFunctionKey =
      (key >= kF1 && key <= kF5) || (key >= kF7 && key <= kF9) || key == kF11 || key == kF12;

  switch (key) {
    case kEsc:
      if (words && !RefusesAddition(keyWord)) {
        MarkKeyEdited();
        InsertByRule(keyWord);
      } else {
        m_state.escPrefix = true;
      }
      break;
    case kBackspace:
      words ? Word(keyWord) : DeleteBack();
      break;
    case kLeftShift:
    case kRightShift:
      if (words) {
        Word(keyWord);
      } else {
        m_state.shiftReleased = false;
      }
      break;
    case kHome:
      words ? Word(keyWord) : CursorHome();
      break;
    case kEnd:
      words ? Word(keyWord) : CursorEnd();
      break;
    case kUp:
      words ? Word(keyWord) : MoveSelection(kMoveUp);
      break;
    case kDown:
      words ? Word(keyWord) : MoveSelection(kMoveDown);
      break;
    case kLeft:
      if (words) {
        Word(keyWord);
      } else {
        shiftHeld ? MoveSelection(kMoveLeft) : CursorLeft();
      }
      break;
    case kRight:
      if (words) {
        Word(keyWord);
      } else {
        shiftHeld ? MoveSelection(kMoveRight) : CursorRight();
      }
      break;
    case kDelete:
      words ? Word(keyWord) : DeleteForward();
      break;
    case kTab:
    case kLeftCtrl:
    case kRightCtrl:
    case kCapsLock:
    case kPause:
    case kScrollLock:
    case kNumLock:
    case kPageUp:
    case kPageDown:
    case kInsert:
    case kLeftWin:
    case kRightWin:
    case kMenu:
      if (words) Word(keyWord);
      break;
    case kPad7:
    case kPad8:
    case kPad2:
    case kPad4:
    case kPad6:
    case kPad1: {
      // The keypad digit, when Num Lock makes it one, whatever the ESC prefix.
      const int digitVk = key == kPad7   ? 103
                          : key == kPad8 ? 104
                          : key == kPad2 ? 98
                          : key == kPad4 ? 100
                          : key == kPad6 ? 102
                                         : 97;
      if (!m_state.decimalDisplay && event.virtualKey == digitVk) {
        const char digit = static_cast<char>(digitVk - 48);
        DigitOrWord(std::string(1, digit), keyWord);
      } else {
        KeypadNavigation(key, shiftHeld);
      }
      break;
    }
    default:
      if (wordOnlyFunctionKey) {
        if (words) Word(keyWord);
      } else if (!m_state.decimalDisplay) {
        OrdinaryKey(event);
      }
      break;
  }
  if (!(MarkOf(editedKey) == before)) m_doc.SetModified(true);
  return Repaint::WholeView;
}

Repaint KeyEditor::KeyUp(int flags) {
  // Bit 13 (Alt held) and bit 14 may vary; a Shift release always ends "Shift held".
  const int released = flags & (kKeyFlagRelease | kKeyFlagRepeat | kPhysicalKeyMask);
  if (released == kShiftReleaseLeft || released == kShiftReleaseRight) m_state.shiftReleased = true;
  return Repaint::None;
}

}  // namespace vexa
