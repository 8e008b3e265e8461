#include "view/ViewZoom.h"

#include <algorithm>
#include <cmath>

namespace vexa {

ViewZoom ViewZoom::Fit(int width, int height) {
  const double scale = std::max(1.0, std::min(static_cast<double>(width) / kLogicalWidth,
                                              static_cast<double>(height) / kLogicalHeight));
  return ViewZoom(scale, 0, 0);
}

int ViewZoom::Scaled(int logical) const { return static_cast<int>(std::ceil(logical * m_scale - 0.5)); }

int ViewZoom::Unscaled(int device) const { return static_cast<int>(std::floor((device + 0.5) / m_scale)); }

ZoomRect ViewZoom::ToDevice(const ZoomRect& logical) const {
  const int left = ToDeviceX(logical.left), top = ToDeviceY(logical.top);
  return {left, top, ToDeviceX(logical.left + logical.width) - left,
          ToDeviceY(logical.top + logical.height) - top};
}

ZoomRect ViewZoom::ToLogical(const ZoomRect& device) const {
  const int left = ToLogicalX(device.left), top = ToLogicalY(device.top);
  const int right = ToLogicalX(device.left + device.width - 1) + 1;
  const int bottom = ToLogicalY(device.top + device.height - 1) + 1;
  return {left, top, right - left, bottom - top};
}

}  // namespace vexa
