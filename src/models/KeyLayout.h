// The key layouts of the six keyboard models: for every layout position the
// label drawn on the key, the key index it edits (its slot in the template's
// per-key arrays and so in the memory image), its rectangle in the view, and
// where each arrow key moves the selection from it.
//
// Layout positions run 0..key count - 1 in the model's own order; text template
// lines follow the same order. The key map (position -> key index) is the
// identity only on the DV3300. Two positions share a key index on the PX2100
// (28 and 41 -> 81) and the PX2200 (28 and 41 -> 14): the Enter key drawn as two
// rectangles. On the PX2400 the upper block (position 28) edits key index 28 of
// its own while Enter (41) is key index 51. Arrow moves never land on 28.
#pragma once

#include <string>
#include <vector>

#include "models/ModelTable.h"

namespace vexa {

struct LayoutKey {
  std::string label;  // may be empty (the upper block of the Enter key)
  int keyIndex;       // 0..175
  KeyRect rect;
};

// One entry per layout position (key count entries). Ids outside 2013..2018
// give the PX2400 layout. The tables are built once, on first use.
const std::vector<LayoutKey>& LayoutOf(int modelId);

enum Direction { kLeft = 0, kRight = 1, kUp = 2, kDown = 3 };

// The position the selection moves to from `position` for an arrow key.
// Left and right move within a navigation row and wrap at its ends; up and down
// follow the model's own table. A position outside 0..key count - 1 gives 0; a
// direction other than the four leaves the selection where it is.
[[nodiscard]] int Neighbour(int modelId, int direction, int position);

}  // namespace vexa
