// How the main window's menus show a command's check state: a tick in front of
// a checked entry (the current model in the Keyboard menu, a bar that is shown
// in the View menu) and nothing at all in front of an unchecked one. The
// platform styles would draw an empty box or an empty circle for every entry
// that can be checked, which reads as "a model that was current once" or as a
// setting that is half on.
#pragma once

#include <QProxyStyle>

namespace vexa {

class MenuCheckStyle : public QProxyStyle {
  Q_OBJECT
 public:
  MenuCheckStyle();

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

}  // namespace vexa
