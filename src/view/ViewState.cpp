#include "view/ViewState.h"

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
  errorFlag = false;
  decimalDisplay = false;
}

void ViewState::ResetForModelSwitch(const CVEXADoc& doc) {
  SelectFirstPositionAndHome(doc);
  keyModes.fill(1);
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
  if (!SelectedIsAscii()) decimalDisplay = false;
}

void ViewState::SetModeFromContent(const CVEXADoc& doc) {
  keyModes[static_cast<size_t>(selectedKey)] = IsAsciiContent(doc.Content(selectedKey)) ? 1 : 0;
}

}  // namespace vexa
