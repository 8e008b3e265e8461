// The 16 x 16 toolbar images and the application icon, drawn in code so they
// stay crisp at any screen scale. The images drawn straight onto the toolbar
// (the "232", "+" and "10" glyphs, the coloured letters and arrows) follow the
// palette: its text colour, and on a dark palette lightened colours that stand
// out from the window colour.
#pragma once

#include <QIcon>
#include <QPalette>

namespace vexa {

class ToolbarIcons {
 public:
  // The image of a toolbar command; a null icon for ids without one.
  [[nodiscard]] static QIcon ForCommand(int id, const QPalette& palette = QPalette());
  [[nodiscard]] static QIcon Application();
};

}  // namespace vexa
