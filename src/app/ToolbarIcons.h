// The 16 x 16 toolbar images and the application icon, drawn in code so they
// stay crisp at any screen scale.
#pragma once

#include <QIcon>

namespace vexa {

class ToolbarIcons {
 public:
  // The image of a toolbar command; a null icon for ids without one.
  [[nodiscard]] static QIcon ForCommand(int id);
  [[nodiscard]] static QIcon Application();
};

}  // namespace vexa
