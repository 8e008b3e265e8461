// The layout view zoomed to fit its window: everything the view draws lives in
// fixed logical pixels (the key rectangles of the layouts, the information
// area, the progress display), kLogicalWidth x kLogicalHeight of them. The
// zoom takes one scale for both axes (the keyboard keeps its proportions),
// the largest at which the logical area fits the widget, and never below 1: a
// smaller window scrolls instead. The area starts at the widget's top left
// corner, as the unzoomed view always did, leaving the room below to the
// progress rows of a transfer.
//
// Mapping: logical pixel x covers the device pixels whose centres lie in
// [x * scale, (x + 1) * scale) after the offset, which is what an unsmoothed
// fill of that pixel paints; a device pixel maps back to the logical pixel
// that covers its centre. So ToLogical(ToDevice(x)) == x at every scale, and a
// click lands on exactly the key drawn under it.
#pragma once

namespace vexa {

struct ZoomRect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const ZoomRect&, const ZoomRect&) = default;
};

class ViewZoom {
 public:
  static constexpr int kLogicalWidth = 760;
  // The progress display's warning line ends at y = 398 + 16.
  static constexpr int kLogicalHeight = 420;

  ViewZoom() = default;  // scale 1, no offset
  // The zoom for a widget of `width` x `height` device pixels.
  [[nodiscard]] static ViewZoom Fit(int width, int height);

  [[nodiscard]] double Scale() const { return m_scale; }
  [[nodiscard]] int OffsetX() const { return m_offsetX; }
  [[nodiscard]] int OffsetY() const { return m_offsetY; }
  [[nodiscard]] bool IsIdentity() const { return m_scale == 1.0 && m_offsetX == 0 && m_offsetY == 0; }

  // The first device pixel of logical pixel x (y).
  [[nodiscard]] int ToDeviceX(int x) const { return m_offsetX + Scaled(x); }
  [[nodiscard]] int ToDeviceY(int y) const { return m_offsetY + Scaled(y); }
  // The logical pixel under device pixel px (py).
  [[nodiscard]] int ToLogicalX(int px) const { return Unscaled(px - m_offsetX); }
  [[nodiscard]] int ToLogicalY(int py) const { return Unscaled(py - m_offsetY); }
  // The device pixels that show the logical rectangle, and the logical
  // pixels that the device rectangle shows (both covering).
  [[nodiscard]] ZoomRect ToDevice(const ZoomRect& logical) const;
  [[nodiscard]] ZoomRect ToLogical(const ZoomRect& device) const;

 private:
  ViewZoom(double scale, int offsetX, int offsetY) : m_scale(scale), m_offsetX(offsetX), m_offsetY(offsetY) {}
  [[nodiscard]] int Scaled(int logical) const;
  [[nodiscard]] int Unscaled(int device) const;

  double m_scale = 1.0;
  int m_offsetX = 0, m_offsetY = 0;
};

}  // namespace vexa
