#include "view/ViewColours.h"

#include <algorithm>
#include <cmath>

namespace vexa {

namespace {

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t Mix(std::uint8_t from, double towardsWhite) {
  return static_cast<std::uint8_t>(std::lround(from + (255 - from) * towardsWhite));
}

}  // namespace

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDark(const PaletteColours& palette) {
  return RelativeLuminance(palette.window) < RelativeLuminance(palette.windowText);
}

Rgb LightenedFor(Rgb colour, Rgb background, double ratio) {
  for (int step = 0; step <= 20; ++step) {
    const double t = step / 20.0;
    const Rgb mixed{Mix(colour.r, t), Mix(colour.g, t), Mix(colour.b, t)};
    if (ContrastRatio(mixed, background) >= ratio) return mixed;
  }
  return colours::kWhite;
}

ViewColours ViewColours::FromPalette(const PaletteColours& palette) {
  ViewColours c;
  c.background = palette.window;
  c.text = palette.windowText;
  c.field = palette.base;
  c.fieldText = palette.text;
  c.light = palette.light;
  // The shadowed edges were black; a palette's shadow may be a mid grey
  // (Qt's own), which the darker text colour of a light palette beats.
  c.shadow = RelativeLuminance(palette.shadow) <= RelativeLuminance(palette.windowText) ? palette.shadow
                                                                                        : palette.windowText;
  c.blank = palette.windowText;
  if (IsDark(palette)) {
    c.defined = LightenedFor(colours::kBlue, palette.window);
    c.modified = LightenedFor(colours::kGreen, palette.window);
    c.error = LightenedFor(colours::kRed, palette.window);
  }
  return c;
}

}  // namespace vexa
