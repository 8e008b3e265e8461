// The view's colours from a palette: the old colours on a light palette, and
// on a dark one key and error colours that keep a WCAG contrast of 4.5:1 with
// the window colour.
#include "view/ViewColours.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(ViewColoursTest, LuminanceAndContrastFollowTheWcagFormula) {
  EXPECT_DOUBLE_EQ(RelativeLuminance(colours::kBlack), 0.0);
  EXPECT_DOUBLE_EQ(RelativeLuminance(colours::kWhite), 1.0);
  EXPECT_NEAR(ContrastRatio(colours::kBlack, colours::kWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(colours::kWhite, colours::kBlack), 21.0, 1e-9);
  EXPECT_NEAR(RelativeLuminance(Rgb{118, 118, 118}), 0.1812, 1e-3);             // #767676 ...
  EXPECT_NEAR(ContrastRatio(Rgb{118, 118, 118}, colours::kWhite), 4.54, 0.01);  // ... the 4.5:1 grey
}

TEST(ViewColoursTest, ALightPaletteKeepsTheKeyColours) {
  PaletteColours light;
  light.window = {239, 239, 239};
  const ViewColours c = ViewColours::FromPalette(light);
  EXPECT_EQ(c.background, light.window);
  EXPECT_EQ(c.blank, colours::kBlack);
  EXPECT_EQ(c.defined, colours::kBlue);
  EXPECT_EQ(c.modified, colours::kGreen);
  EXPECT_EQ(c.error, colours::kRed);
  EXPECT_EQ(ViewColours::FromPalette(PaletteColours{}), ViewColours{});
}

TEST(ViewColoursTest, ADarkPaletteGetsReadableKeyColours) {
  const struct {
    const char* what;
    Rgb window, text;
  } palettes[] = {
      {"editor's dark", {45, 45, 48}, {230, 230, 230}},
      {"black", {0, 0, 0}, {255, 255, 255}},
      {"dim grey", {80, 80, 80}, {240, 240, 240}},
      {"navy", {10, 20, 60}, {220, 220, 255}},
  };
  for (const auto& p : palettes) {
    SCOPED_TRACE(p.what);
    PaletteColours palette;
    palette.window = p.window;
    palette.windowText = p.text;
    palette.base = {20, 20, 20};
    palette.text = p.text;
    palette.light = {100, 100, 100};
    palette.shadow = {0, 0, 0};
    ASSERT_TRUE(IsDark(palette));
    const ViewColours c = ViewColours::FromPalette(palette);
    for (const Rgb key : {c.blank, c.defined, c.modified, c.error, c.text})
      EXPECT_GE(ContrastRatio(key, c.background), 4.5)
          << int(key.r) << "," << int(key.g) << "," << int(key.b);
    // Still told apart: blue stays bluest, green greenest, red reddest.
    EXPECT_GT(c.defined.b, c.defined.r);
    EXPECT_GT(c.modified.g, c.modified.r);
    EXPECT_GT(c.error.r, c.error.g);
  }
}

}  // namespace
}  // namespace vexa
