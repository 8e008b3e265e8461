#include "commands/KeyEditCommands.h"

#include <algorithm>
#include <array>

#include "base/Messages.h"
#include "commands/CommandTable.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "models/CodeEntry.h"
#include "models/KeyWordDictionary.h"
#include "view/ViewState.h"

namespace vexa {
namespace {

constexpr std::array kIds{cmd::kClearKey,      cmd::kSetAsciiMode,   cmd::kSetScanCodeMode,
                          cmd::kInsertCaps,    cmd::kInsertDelay,    cmd::kLevelSeparator,
                          cmd::kShiftLevel,    cmd::kEnterAsciiCode, cmd::kSwitchDisplay,
                          cmd::kSelectScanCode};

// The content text of a character code: the brackets are written doubled, as
// a single one would open (or close) a key word.
std::string CodeText(int code) {
  std::string text = CodeEntry::AsciiCodeText(code);
  if (text == "[" || text == "]") text += text;
  return text;
}

}  // namespace

KeyEditCommands::KeyEditCommands(CVEXADoc& doc, ViewState& state, UserInterface& ui)
    : m_doc(doc), m_state(state), m_ui(ui), m_editor(doc, state) {}

std::span<const int> KeyEditCommands::Ids() { return kIds; }

const std::string& KeyEditCommands::Content() const { return m_doc.Content(m_state.selectedKey); }
bool KeyEditCommands::SelectedIsAscii() const { return m_state.SelectedIsAscii(); }

bool KeyEditCommands::IsEnabled(int id) const {
  switch (id) {
    case cmd::kClearKey:
      return !Content().empty();
    case cmd::kSetAsciiMode:
    case cmd::kSelectScanCode:
      return !SelectedIsAscii();
    case cmd::kSetScanCodeMode:
    case cmd::kInsertCaps:
    case cmd::kEnterAsciiCode:
    case cmd::kSwitchDisplay:
      return SelectedIsAscii();
    case cmd::kInsertDelay:
    case cmd::kLevelSeparator:
      return true;
    case cmd::kShiftLevel:
      return Content().empty() && SelectedIsAscii();
    default:
      return false;
  }
}

Repaint KeyEditCommands::Execute(int id) {
  if (!IsEnabled(id)) return Repaint::None;
  switch (id) {
    case cmd::kClearKey:
      return ClearKey();
    case cmd::kSetAsciiMode:
      return SetAsciiMode();
    case cmd::kSetScanCodeMode:
      return SetScanCodeMode();
    case cmd::kInsertCaps:
      return InsertCaps();
    case cmd::kInsertDelay:
      return InsertDelay();
    case cmd::kLevelSeparator:
      return LevelSeparator();
    case cmd::kShiftLevel:
      return ShiftLevel();
    case cmd::kEnterAsciiCode:
      return EnterAsciiCode();
    case cmd::kSwitchDisplay:
      return SwitchDisplay();
    case cmd::kSelectScanCode:
      return SelectScanCode();
    default:
      return Repaint::None;
  }
}

Repaint KeyEditCommands::ClearKey() {
  m_doc.SetModified(true);
  m_state.cursor = 0;
  m_state.decimalCursor = 0;
  m_state.caretColumn = 0;
  m_doc.Content(m_state.selectedKey).clear();
  m_editor.SyncLinkedKey();
  // The key shows its new colour at the next full repaint.
  return Repaint::InformationArea;
}

void KeyEditCommands::SetMode(bool ascii) {
  if (SelectedIsAscii() != ascii) {
    m_doc.Content(m_state.selectedKey).clear();
    // The PX2400's twin is emptied too; otherwise saving would bring the old
    // content back into the key.
    m_editor.SyncLinkedKey();
  }
  m_state.keyModes[static_cast<size_t>(m_state.selectedKey)] = ascii ? 1 : 0;
  m_state.cursor = 0;
  m_state.decimalCursor = 0;
  m_state.caretColumn = 0;
  m_state.decimalDisplay = false;
}

Repaint KeyEditCommands::SetAsciiMode() {
  SetMode(true);
  return Repaint::WholeView;
}

Repaint KeyEditCommands::SetScanCodeMode() {
  SetMode(false);
  return Repaint::WholeView;
}

bool KeyEditCommands::RefusedForShiftLevel() {
  // Checked before any dialog opens: nothing can be added to a shift level code.
  if (!IsShiftLevelCode(Content())) return false;
  m_ui.StatusLine(std::string(msg::Tr(msg::kShiftLevelIsWhole)));
  return true;
}

Repaint KeyEditCommands::InsertCommand(std::string_view text) {
  if (RefusedForShiftLevel()) return Repaint::None;
  m_doc.SetModified(true);
  (void)m_editor.InsertAtCursor(text);
  m_editor.MarkKeyEdited();
  if (m_state.decimalDisplay) {
    m_state.cursor = 0;
    m_state.decimalCursor = 0;
    m_state.caretColumn = 0;
  }
  return Repaint::WholeView;
}

Repaint KeyEditCommands::InsertCaps() { return InsertCommand(kWordCaps); }

Repaint KeyEditCommands::InsertDelay() {
  if (RefusedForShiftLevel()) return Repaint::None;
  const std::optional<int> tenths = m_ui.AskDelayTime();
  if (!tenths) return Repaint::None;
  return InsertCommand(CodeEntry::DelayWord(*tenths));
}

Repaint KeyEditCommands::LevelSeparator() { return InsertCommand(kWordSeparator); }

Repaint KeyEditCommands::ShiftLevel() {
  const std::optional<int> level = m_ui.AskShiftLevel();
  if (!level) return Repaint::None;
  const std::string word = CodeEntry::ShiftLevelWord(*level);
  m_doc.SetModified(true);
  (void)m_editor.InsertAtCursor(word);
  m_editor.MarkKeyEdited();
  if (m_state.decimalDisplay) {
    // The word is the whole content and its own decimal group: the caret goes
    // after it, as in the character display, not back to column 0.
    const int length = static_cast<int>(ToDecimalForm(Content()).size());
    m_state.cursor = static_cast<int>(Content().size());
    m_state.decimalCursor = length;
    m_state.caretColumn = std::min(length, kContentColumns);
  }
  return Repaint::WholeView;
}

Repaint KeyEditCommands::SelectScanCode() {
  if (RefusedForShiftLevel()) return Repaint::None;
  const std::optional<std::string> word = m_ui.AskScanCode(std::string(CodeEntry::kInitialScanCode));
  if (!word) return Repaint::None;
  return InsertCommand(*word);
}

Repaint KeyEditCommands::EnterAsciiCode() {
  if (RefusedForShiftLevel()) return Repaint::None;
  const std::optional<int> code = m_ui.AskAsciiCode(CodeEntry::kAsciiInitial);
  if (!code) return Repaint::None;
  const std::string text = CodeText(*code);
  m_doc.SetModified(true);
  if (!m_state.decimalDisplay) {
    (void)m_editor.InsertAtCursor(text);
  } else if (m_doc.SpaceLeft() >= 1) {
    // The character goes in at the cursor, which stays in front of it.
    std::string& content = m_doc.Content(m_state.selectedKey);
    const int at = m_editor.EditCursor();
    content.insert(static_cast<size_t>(at), text);
    m_state.cursor = at;
    m_editor.SyncLinkedKey();
    const std::string decimal = ToDecimalForm(content);
    const int length = static_cast<int>(decimal.size());
    int& dc = m_state.decimalCursor;
    while (dc < length && decimal[static_cast<size_t>(dc)] != '[') {
      ++dc;
      if (m_state.caretColumn < kContentColumns && m_state.caretColumn < length) ++m_state.caretColumn;
    }
  }
  m_editor.MarkKeyEdited();
  return Repaint::WholeView;
}

Repaint KeyEditCommands::SwitchDisplay() {
  if (!IsAsciiContent(Content())) {
    m_ui.Message(std::string(msg::Tr(msg::kWrongAsciiWord)));
    return Repaint::None;
  }
  if (SelectedIsAscii()) m_state.decimalDisplay = !m_state.decimalDisplay;
  m_state.cursor = 0;
  m_state.decimalCursor = 0;
  m_state.caretColumn = 0;
  return Repaint::WholeView;
}

}  // namespace vexa
