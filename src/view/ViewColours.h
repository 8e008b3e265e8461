// The colours of the layout view, the output test and the toolbar images,
// taken from the desktop's palette, so that the editor reads as well on a dark
// desktop as on a light one.
//
// On a light palette the key colours stay the ones users know: black for a
// blank key, blue RGB(0,0,255) for a defined one, green RGB(30,150,0) for a
// modified one, red for the error line. On a dark palette (the window colour
// darker than its text) each of them is lightened until it stands out from the
// window colour by a contrast ratio of at least 4.5:1 (the WCAG ratio for body
// text); the blank keys take the palette's text colour.
#pragma once

#include <cstdint>

namespace vexa {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb kBackground{220, 220, 220};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{30, 150, 0};
inline constexpr Rgb kRed{255, 0, 0};
}  // namespace colours

// The palette entries the view draws with (the names of the Qt palette roles).
struct PaletteColours {
  Rgb window = colours::kBackground;
  Rgb windowText = colours::kBlack;
  Rgb base = colours::kWhite;    // the content box
  Rgb text = colours::kBlack;    // text in the content box
  Rgb light = colours::kWhite;   // lit edges of the keys and the frame
  Rgb shadow = colours::kBlack;  // their shadowed edges
};

struct ViewColours {
  Rgb background = colours::kBackground;
  Rgb text = colours::kBlack;  // texts, outlines, the caret and the selected key's outline
  Rgb field = colours::kWhite;
  Rgb fieldText = colours::kBlack;
  Rgb light = colours::kWhite;
  Rgb shadow = colours::kBlack;
  Rgb blank = colours::kBlack;
  Rgb defined = colours::kBlue;
  Rgb modified = colours::kGreen;
  Rgb error = colours::kRed;

  // The colours of a palette (see above); ViewColours{} are the view's own
  // fixed colours of old, PaletteColours{} gives the same.
  [[nodiscard]] static ViewColours FromPalette(const PaletteColours& palette);
  friend bool operator==(const ViewColours&, const ViewColours&) = default;
};

// WCAG 2 relative luminance (0 black .. 1 white) and contrast ratio (1 .. 21).
[[nodiscard]] double RelativeLuminance(Rgb colour);
[[nodiscard]] double ContrastRatio(Rgb a, Rgb b);
// True when the palette is dark: its window colour darker than its text.
[[nodiscard]] bool IsDark(const PaletteColours& palette);
// `colour` mixed with white, in steps, until its contrast with `background`
// reaches `ratio`; `colour` itself when it already does.
[[nodiscard]] Rgb LightenedFor(Rgb colour, Rgb background, double ratio = 4.5);

}  // namespace vexa
