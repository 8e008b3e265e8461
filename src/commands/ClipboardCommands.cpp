#include "commands/ClipboardCommands.h"

#include <algorithm>

#include "base/Messages.h"
#include "commands/Clipboard.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "view/Cp1252.h"
#include "view/ViewState.h"

namespace vexa {

ClipboardCommands::ClipboardCommands(CVEXADoc& doc, ViewState& state, UserInterface& ui, Clipboard& clipboard)
    : m_doc(doc),
      m_state(state),
      m_ui(ui),
      m_clipboard(clipboard),
      m_keyEdit(doc, state, ui),
      m_editor(doc, state) {}

bool ClipboardCommands::CanCopy() const { return !m_doc.Content(m_state.selectedKey).empty(); }

bool ClipboardCommands::CanPaste() const { return !m_state.decimalDisplay; }

Repaint ClipboardCommands::Copy() {
  if (!CanCopy()) return Repaint::None;
  m_clipboard.SetText(Cp1252ToUtf16(m_doc.Content(m_state.selectedKey)));
  return Repaint::None;
}

Repaint ClipboardCommands::Cut() {
  if (!CanCopy()) return Repaint::None;
  (void)Copy();
  return m_keyEdit.ClearKey();
}

Repaint ClipboardCommands::Paste() {
  if (!CanPaste()) return Repaint::None;
  const std::optional<std::u16string> clipboard = m_clipboard.Text();
  if (!clipboard) return Repaint::None;
  std::string text;
  if (!Utf16ToCp1252(*clipboard, text)) {
    m_ui.Message(std::string(msg::Tr(msg::kWrongKeyWord)));
    return Repaint::None;
  }
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  if (text.empty()) return Repaint::None;

  if (m_editor.RefusesAddition(text)) {
    m_ui.StatusLine(m_editor.TakeRefusal());
    return Repaint::None;
  }
  const std::string& content = m_doc.Content(m_state.selectedKey);
  const int at = m_editor.EditCursor();
  std::string pasted = content;
  pasted.insert(static_cast<size_t>(at), text);
  bool asciiMode = m_state.SelectedIsAscii();
  if (content.empty()) {
    asciiMode = IsAsciiContent(pasted);
  } else if (!(asciiMode ? IsAsciiContent(content) : IsScanCodeContent(content)) &&
             (asciiMode ? IsScanCodeContent(content) : IsAsciiContent(content))) {
    // The content has already left the key's mode (a key word typed after Esc
    // in ASCII mode): it is judged in the mode it now has, as a new selection
    // of the key would show it.
    asciiMode = !asciiMode;
  }
  if (!(asciiMode ? IsAsciiContent(pasted) : IsScanCodeContent(pasted))) {
    m_ui.Message(std::string(msg::Tr(msg::kWrongKeyWord)));
    return Repaint::None;
  }
  // Measure the key data as they would stand, the PX2400's linked key included.
  KeyContents measured = m_doc.Contents();
  measured[static_cast<size_t>(m_state.selectedKey)] = pasted;
  if (m_doc.ModelId() == kLinkedKeyModelId && m_state.selectedKey == kLinkedKeyIndex)
    measured[kLinkedKeyTwinIndex] = pasted;
  if (const std::string refusal = CheckKeyDataFits(measured); !refusal.empty()) {
    m_ui.Message(refusal);
    return Repaint::None;
  }

  m_doc.SetModified(true);
  m_doc.Content(m_state.selectedKey) = std::move(pasted);
  m_state.keyModes[static_cast<size_t>(m_state.selectedKey)] = asciiMode ? 1 : 0;
  const int length = static_cast<int>(text.size());
  m_state.cursor = at + length;
  m_state.caretColumn = std::min(m_state.caretColumn + length, kContentColumns);
  m_editor.SyncLinkedKey();
  m_editor.MarkKeyEdited();
  return Repaint::WholeView;
}

}  // namespace vexa
