// What the layout view draws, where and in which colour, as a list of drawing
// operations in the view's logical pixel coordinates. The widget replays the
// list with its painter; tests read it without painting.
//
// Operations are listed in drawing order: later ones overwrite earlier ones.
// Every text is drawn over an opaque background of its own background colour,
// its top-left corner at (x1, y1), one 7-pixel column per byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/ViewColours.h"

namespace vexa {

class CVEXADoc;
struct ViewState;

// The number of character cells TEXT takes: bytes, or for a UTF-8 text its
// characters.
int TextCells(const std::string& text, bool utf8);

struct DrawOp {
  enum class Kind {
    Fill,  // rectangle (x1,y1)-(x2,y2), right and bottom exclusive, filled with colour
    Box,   // the same rectangle filled with background, outlined 1 pixel in colour
    Line,  // from (x1,y1) to (x2,y2) in colour, penWidth pixels wide
    Text,  // 8-bit text at (x1,y1)
  };
  Kind kind = Kind::Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int penWidth = 1;
  Rgb colour;
  Rgb background;
  std::string text;
  // A text of the program itself, in the user's language (UTF-8); otherwise
  // the text is 8-bit bytes (key labels and contents).
  bool utf8 = false;
  int position = -1;  // the layout position a key's edge or label belongs to; -1 otherwise
};

// Builds the whole view in `colours` (the palette's; the fixed colours of old
// by default). Runs SpaceLeft, which refreshes the blank flags that decide the
// key colours.
[[nodiscard]] std::vector<DrawOp> BuildViewPaint(CVEXADoc& doc, const ViewState& state, int clientWidth,
                                                 int clientHeight, const ViewColours& colours = {});

// The colour of a key's label: black when blank, else blue when defined, else
// green (modified); the palette's variants of them with `colours`.
[[nodiscard]] Rgb KeyLabelColour(const CVEXADoc& doc, int keyIndex, const ViewColours& colours = {});

}  // namespace vexa
