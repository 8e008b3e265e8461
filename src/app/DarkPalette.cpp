#include "app/DarkPalette.h"

#include <QApplication>

namespace vexa {

QPalette DarkPalette() {
  const QColor window(45, 45, 48), text(230, 230, 230), base(30, 30, 32), disabled(128, 128, 128);
  QPalette p;
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, QColor(55, 55, 58));
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, QColor(60, 60, 64));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::white);
  p.setColor(QPalette::Light, QColor(105, 105, 110));
  p.setColor(QPalette::Midlight, QColor(80, 80, 84));
  p.setColor(QPalette::Mid, QColor(50, 50, 53));
  p.setColor(QPalette::Dark, QColor(25, 25, 27));
  p.setColor(QPalette::Shadow, QColor(0, 0, 0));
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, disabled);
  p.setColor(QPalette::Link, QColor(120, 170, 255));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, disabled);
  return p;
}

void ApplyPaletteFromEnvironment() {
  if (qEnvironmentVariable("VEXA_PALETTE") == QLatin1String("dark")) QApplication::setPalette(DarkPalette());
}

}  // namespace vexa
