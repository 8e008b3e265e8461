// Key selection in the layout view: the strict hit test of the key rectangles,
// left clicks (content box or key) and the arrow-key moves through the model's
// navigation table.
//
// The selection never leaves a key whose content is neither a valid ASCII-mode
// nor a valid scan code content: a click is refused (the caller shows the
// message box), an arrow move sets the error line.
#pragma once

namespace vexa {

class CVEXADoc;
struct ViewState;

enum class ClickResult {
  Nothing,     // outside every key and the content box
  ContentBox,  // the cursor moved; repaint the content box only
  Selected,    // a key was selected; repaint the whole view
  Refused,     // the selected key's content is invalid; show the message box
};

namespace view_selection {

// The first layout position whose rectangle holds (x, y) strictly inside its
// edges; -1 when none does.
[[nodiscard]] int HitTest(const CVEXADoc& doc, int x, int y);
[[nodiscard]] bool SelectedContentIsValid(const CVEXADoc& doc, const ViewState& state);

[[nodiscard]] ClickResult LeftButtonDown(const CVEXADoc& doc, ViewState& state, int x, int y);
// Selects the key at a layout position as a click on it does (the upper block
// of the L-shaped Enter key selects the Enter key): Refused while the selected
// key's content is invalid, Nothing for a position outside the layout.
[[nodiscard]] ClickResult SelectKey(const CVEXADoc& doc, ViewState& state, int position);
// Direction 0 left, 1 right, 2 up, 3 down. Returns false (and sets the error
// flag) when the move is refused.
bool MoveSelection(const CVEXADoc& doc, ViewState& state, int direction);

}  // namespace view_selection
}  // namespace vexa
