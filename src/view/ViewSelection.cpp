#include "view/ViewSelection.h"

#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "models/KeyLayout.h"
#include "models/ModelTable.h"
#include "view/ContentWindow.h"
#include "view/ViewState.h"

namespace vexa::view_selection {

namespace {

constexpr int kEnterUpperBlock = 28;
constexpr int kEnterKey = 41;

void SelectPosition(const CVEXADoc& doc, ViewState& state, int position) {
  state.selectedPosition = position;
  state.selectedKey = doc.KeyMap()[static_cast<size_t>(position)];
  state.cursor = 0;
  state.decimalCursor = 0;
  state.caretColumn = 0;
  state.SetModeFromContent(doc);
}

}  // namespace

int HitTest(const CVEXADoc& doc, int x, int y) {
  const auto& rects = doc.KeyRects();
  for (int p = 0; p < doc.KeyCount(); ++p) {
    const KeyRect& r = rects[static_cast<size_t>(p)];
    if (r.left < x && x < r.left + r.width && r.top < y && y < r.top + r.height) return p;
  }
  return -1;
}

bool SelectedContentIsValid(const CVEXADoc& doc, const ViewState& state) {
  const std::string& content = doc.Content(state.selectedKey);
  return IsAsciiContent(content) || IsScanCodeContent(content);
}

ClickResult LeftButtonDown(const CVEXADoc& doc, ViewState& state, int x, int y) {
  if (content_window::Contains(x, y)) {
    content_window::Click(x, doc, state);
    return ClickResult::ContentBox;
  }
  return SelectKey(doc, state, HitTest(doc, x, y));
}

ClickResult SelectKey(const CVEXADoc& doc, ViewState& state, int position) {
  if (position < 0 || position >= doc.KeyCount()) return ClickResult::Nothing;
  if (!SelectedContentIsValid(doc, state)) return ClickResult::Refused;

  // The upper block of the L-shaped Enter key belongs to the Enter key.
  if (position == kEnterUpperBlock && HasLShapedEnter(doc.ModelId()) && doc.KeyCount() > kEnterKey) {
    position = kEnterKey;
  }
  const int previousKey = state.selectedKey;
  SelectPosition(doc, state, position);
  if (state.selectedKey != previousKey) state.decimalDisplay = false;
  return ClickResult::Selected;
}

bool MoveSelection(const CVEXADoc& doc, ViewState& state, int direction) {
  if (!SelectedContentIsValid(doc, state)) {
    state.errorFlag = true;
    return false;
  }
  int position = Neighbour(doc.ModelId(), direction, state.selectedPosition);
  if (position < 0 || position >= doc.KeyCount()) position = 0;
  SelectPosition(doc, state, position);
  state.decimalDisplay = false;
  return true;
}

}  // namespace vexa::view_selection
