// The content window of the layout view: the one-line box (95,330)-(700,350)
// that shows up to 85 characters of the selected key's content, starting at
// cursor - caret column, either as the content itself or, in decimal display,
// as its decimal form. Clicks inside the box place the cursor.
#pragma once

#include <string>

namespace vexa {

class CVEXADoc;
struct ViewState;

namespace content_window {

inline constexpr int kLeft = 95, kTop = 330, kRight = 700, kBottom = 350;
inline constexpr int kTextX = 98, kTextY = 331;
inline constexpr int kColumnWidth = 7;  // pixels per caret column
inline constexpr int kFirstColumnX = 99;
inline constexpr unsigned char kSubstitute = 248;

// The text the window scrolls over: the content, or in decimal display its
// decimal form (empty when the content is not an ASCII-mode content).
[[nodiscard]] std::string SourceText(const CVEXADoc& doc, const ViewState& state);
// What the window shows: at most 85 bytes of the source from the window start,
// with control bytes and the bytes that have no printable glyph drawn as 248.
[[nodiscard]] std::string ShownText(const CVEXADoc& doc, const ViewState& state);
// The bytes drawn as 248: below 32, and 129, 141, 143, 144, 157, 162, 173.
[[nodiscard]] bool IsSubstituted(unsigned char byte);

// Strictly inside the box.
[[nodiscard]] bool Contains(int x, int y);
// A click at x inside the box: moves the cursor (or the decimal cursor) and
// the caret column to the clicked column, never past the end of the text.
void Click(int x, const CVEXADoc& doc, ViewState& state);

}  // namespace content_window
}  // namespace vexa
