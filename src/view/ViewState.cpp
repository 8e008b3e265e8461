#include "view/ViewState.h"

#include <algorithm>

#include "document/CVEXADoc.h"
#include "document/KeyContent.h"

namespace vexa {

void ViewState::SelectFirstPositionAndHome(const CVEXADoc& doc) {
  selectedPosition = 0;
  selectedKey = doc.KeyMap()[0];
  cursor = 0;
  caretColumn = 0;
  // The decimal cursor goes with the cursor: a stale one would point into the
  // decimal form of a different (or emptied) content.
  decimalCursor = 0;
  escPrefix = false;
  shiftReleased = true;
}

void ViewState::ResetForInitialUpdate(const CVEXADoc& doc) {
  SelectFirstPositionAndHome(doc);
  keyModes.fill(1);
  // The selected key's mode follows its content, as whenever a key becomes
  // selected: a template opened with [F1][F2] at position 0 must not show that
  // key in ASCII mode (where Set ScanCode Mode would empty it and typing would
  // make it invalid).
  SetModeFromContent(doc);
  errorFlag = false;
  decimalDisplay = false;
}

void ViewState::ResetForModelSwitch(const CVEXADoc& doc) {
  SelectFirstPositionAndHome(doc);
  keyModes.fill(1);
  SetModeFromContent(doc);
}

void ViewState::ResetAfterTransfer(const CVEXADoc& doc) {
  SelectFirstPositionAndHome(doc);
  SetModeFromContent(doc);
}

void ViewState::ResetAfterContentReplaced(const CVEXADoc& doc) {
  cursor = 0;
  decimalCursor = 0;
  caretColumn = 0;
  SetModeFromContent(doc);
}

void ViewState::SetModeFromContent(const CVEXADoc& doc) {
  keyModes[static_cast<size_t>(selectedKey)] = IsAsciiContent(doc.Content(selectedKey)) ? 1 : 0;
  // The decimal display belongs to ASCII mode: left on for a scan code key it
  // would swallow every keystroke.
  if (!SelectedIsAscii()) decimalDisplay = false;
}

CursorMemento ViewState::SaveCursor() const {
  return {selectedPosition, selectedKey, SelectedIsAscii(), cursor,
          decimalCursor,    caretColumn, decimalDisplay};
}

void ViewState::RestoreCursor(const CursorMemento& memento, const CVEXADoc& doc) {
  selectedPosition = std::clamp(memento.selectedPosition, 0, std::max(doc.KeyCount() - 1, 0));
  selectedKey = std::clamp(memento.selectedKey, 0, kKeyCount - 1);
  keyModes[static_cast<size_t>(selectedKey)] = memento.asciiMode ? 1 : 0;
  const std::string& content = doc.Content(selectedKey);
  const int length = static_cast<int>(content.size());
  cursor = std::clamp(memento.cursor, 0, length);
  decimalDisplay = memento.decimalDisplay && memento.asciiMode;
  const int decimalLength = decimalDisplay ? static_cast<int>(ToDecimalForm(content).size()) : 0;
  decimalCursor = std::clamp(memento.decimalCursor, 0, decimalLength);
  caretColumn =
      std::clamp(memento.caretColumn, 0, std::min(kContentColumns, decimalDisplay ? decimalCursor : cursor));
  errorFlag = false;
}

}  // namespace vexa
