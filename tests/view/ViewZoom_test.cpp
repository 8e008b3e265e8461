// The zoom of the layout view: one scale that fits the window, never below 1,
// and a mapping between logical and device pixels that round-trips exactly,
// so a click lands on the key drawn under it at every size.
#include "view/ViewZoom.h"

#include <gtest/gtest.h>

#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"

namespace vexa {
namespace {

TEST(ViewZoomTest, FitsTheWindowKeepingTheProportions) {
  const struct {
    int width, height;
    double scale;
  } cases[] = {
      {760, 420, 1.0},  {700, 300, 1.0},    // smaller: scrolls, never shrinks
      {1520, 840, 2.0}, {1520, 2000, 2.0},  // the narrower side decides
      {3000, 630, 1.5}, {1024, 688, 1024.0 / 760}, {1920, 1003, 1003.0 / 420},
  };
  for (const auto& c : cases) {
    const ViewZoom zoom = ViewZoom::Fit(c.width, c.height);
    EXPECT_DOUBLE_EQ(zoom.Scale(), c.scale) << c.width << "x" << c.height;
    EXPECT_LE(zoom.ToDeviceX(ViewZoom::kLogicalWidth), std::max(c.width, ViewZoom::kLogicalWidth) + 1);
    EXPECT_LE(zoom.ToDeviceY(ViewZoom::kLogicalHeight), std::max(c.height, ViewZoom::kLogicalHeight) + 1);
  }
}

// Every logical pixel comes back from its first device pixel, and every
// device pixel maps to the logical pixel whose device pixels hold it.
TEST(ViewZoomTest, MappingRoundTripsAtEverySize) {
  for (const auto& [w, h] :
       {std::pair{760, 420}, {900, 560}, {1024, 688}, {1366, 700}, {1920, 1003}, {2560, 1400}}) {
    const ViewZoom zoom = ViewZoom::Fit(w, h);
    SCOPED_TRACE(zoom.Scale());
    for (int x = -5; x <= ViewZoom::kLogicalWidth + 5; ++x) {
      ASSERT_EQ(zoom.ToLogicalX(zoom.ToDeviceX(x)), x);
      ASSERT_EQ(zoom.ToLogicalY(zoom.ToDeviceY(x)), x);
      for (int px = zoom.ToDeviceX(x); px < zoom.ToDeviceX(x + 1); ++px) ASSERT_EQ(zoom.ToLogicalX(px), x);
      ASSERT_GE(zoom.ToDeviceX(x + 1) - zoom.ToDeviceX(x), 1);
    }
  }
}

// The device rectangle of a key holds exactly the device pixels that map back
// into the key, edges included, on every model's layout.
TEST(ViewZoomTest, KeyRectanglesMapBothWays) {
  MemorySettingsStore settings;
  CVEXADoc doc(settings, ".");
  doc.NewTemplate();
  for (const auto& [w, h] : {std::pair{1024, 688}, {1920, 1003}, {1300, 777}}) {
    const ViewZoom zoom = ViewZoom::Fit(w, h);
    for (int p = 0; p < doc.KeyCount(); ++p) {
      const KeyRect& k = doc.KeyRects()[static_cast<size_t>(p)];
      const ZoomRect logical{k.left, k.top, k.width, k.height};
      const ZoomRect device = zoom.ToDevice(logical);
      EXPECT_EQ(zoom.ToLogical(device), logical) << "position " << p << " at " << zoom.Scale();
      // Just outside the device rectangle is outside the key.
      EXPECT_EQ(zoom.ToLogicalX(device.left - 1), k.left - 1);
      EXPECT_EQ(zoom.ToLogicalX(device.left + device.width), k.left + k.width);
    }
  }
}

}  // namespace
}  // namespace vexa
