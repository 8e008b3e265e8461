// The legend sheet: the keyboard picture that is printed or exported, so that
// an integrator can see (and cut out) what a template puts on each key. It is
// the layout view's geometry without the editing around it: each key's
// rectangle, its label and its content text.
//
// This is the Qt-free model of the sheet; LegendSheetPainter (view/qt) lays
// it out in fonts and draws it, for the editor's Print and Export Picture and
// for `vexa-cli template render`.
//
// The L-shaped Enter key of the PX models is drawn as the view draws it: its
// upper block (position 28) without a bottom edge and the Enter key (41) with
// its top edge stopping where the block begins; the content stands in the
// Enter key. Keys the layout does not show (beyond the model's key count, the
// PX2400's hidden twin) are not on the sheet.
#pragma once

#include <string>
#include <vector>

#include "models/ModelTable.h"

namespace vexa {

class CVEXADoc;

struct LegendKey {
  int position = 0;
  int keyIndex = 0;
  KeyRect rect;  // in the view's pixels
  std::string label;
  std::string content;      // empty for the upper block of the Enter key
  bool openBottom = false;  // the upper block of the L-shaped Enter key
  int topEdgeInset = 0;     // the Enter key's top edge ends this far left of its right edge
};

struct LegendSheet {
  std::string title;            // "shop.bin : PX2400", or "Template : PX2400" before the first save
  KeyRect bounds;               // the keys' bounding box in the view's pixels
  std::vector<LegendKey> keys;  // in layout position order
};

[[nodiscard]] LegendSheet BuildLegendSheet(const CVEXADoc& doc);

}  // namespace vexa

namespace vexa {

// Cuts a key text into lines of at most `columns` bytes for the sheet. A line
// never ends inside a key word ("[Separator]" stays whole) nor between the two
// brackets of an escaped bracket ("[["); where it can, it ends before or after
// a key word or after a blank. A key word longer than a whole line stands alone on a line
// that is longer than `columns`: the caller sees that the text does not fit.
[[nodiscard]] std::vector<std::string> WrapLegendText(const std::string& text, int columns);

}  // namespace vexa
