// A dark desktop palette, as a dark desktop theme gives one. A test aid: Qt
// reads no desktop palette under a bare X server (Xvfb), so the end-to-end
// tests and the screenshots start the editor with VEXA_PALETTE=dark (and
// -style Fusion), and the widget tests set it directly, to see the editor as a
// user of a dark desktop does.
#pragma once

#include <QPalette>

namespace vexa {

[[nodiscard]] QPalette DarkPalette();
// VEXA_PALETTE=dark: DarkPalette() becomes the application's palette.
void ApplyPaletteFromEnvironment();

}  // namespace vexa
