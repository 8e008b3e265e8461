#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "commands/CommandTable.h"
#include "view/ViewColours.h"

namespace vexa {

namespace {

using Draw = std::function<void(QPainter&)>;

// Paints one image at 16 logical pixels for 1x and 2x screens.
QIcon Paint(const Draw& draw) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, scale > 1);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

// A white page with a folded corner, the base of the file images.
void Page(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  QPolygon page{{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}};
  p.drawPolygon(page);
  p.drawLine(10, 1, 10, 4);
  p.drawLine(10, 4, 13, 4);
}

void Letters(QPainter& p, const QString& text, QColor colour, int pixelSize = 9) {
  QFont font(QStringLiteral("sans"));
  font.setPixelSize(pixelSize);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
}

void Keycap(QPainter& p, QColor fill) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(fill);
  p.drawRoundedRect(QRect(1, 2, 13, 12), 2, 2);
}

void Arrow(QPainter& p, bool down, QColor colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  if (down) {
    p.drawRect(6, 1, 4, 6);
    p.drawPolygon(QPolygon{{3, 7}, {13, 7}, {8, 12}});
  } else {
    p.drawRect(6, 6, 4, 6);
    p.drawPolygon(QPolygon{{3, 6}, {13, 6}, {8, 1}});
  }
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(1, 12, 14, 3);
}

// A glyph colour that stands out from the palette's window colour.
QColor Readable(QColor colour, const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const auto rgb = [](const QColor& c) {
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
  };
  PaletteColours colours;
  colours.window = rgb(window);
  colours.windowText = rgb(palette.color(QPalette::WindowText));
  if (!IsDark(colours)) return colour;
  const Rgb lighter = LightenedFor(rgb(colour), colours.window);
  return QColor(lighter.r, lighter.g, lighter.b);
}

Draw DrawingFor(int id, const QPalette& palette) {
  const QColor blue = Readable(QColor(0, 0, 200), palette), green = Readable(QColor(30, 150, 0), palette),
               red = Readable(QColor(200, 0, 0), palette);
  // The text colour of a light palette is black; the glyphs were a dark grey there.
  const QColor text = palette.color(QPalette::WindowText);
  const QColor dark = text.lightness() < 128 ? QColor(40, 40, 40) : text;
  switch (id) {
    case cmd::kNew:
      return [](QPainter& p) { Page(p); };
    case cmd::kLoad:
      return [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(230, 190, 60));
        p.drawPolygon(QPolygon{{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 14}, {1, 14}});
        p.setBrush(QColor(250, 220, 110));
        p.drawPolygon(QPolygon{{3, 8}, {15, 8}, {13, 14}, {1, 14}});
      };
    case cmd::kSave:
      return [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(60, 80, 160));
        p.drawRect(1, 1, 13, 13);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(4, 9, 7, 5);
      };
    case cmd::kConfigRs232:
      return [dark](QPainter& p) { Letters(p, QStringLiteral("232"), dark, 7); };
    case cmd::kConfigKeyboard:
      return [blue](QPainter& p) {
        Keycap(p, QColor(235, 235, 235));
        Letters(p, QStringLiteral("K"), blue);
      };
    case cmd::kConfigCardReader:
      return [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(250, 240, 200));
        p.drawRect(1, 3, 14, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(2, 5, 13, 2);
      };
    case cmd::kReadFromKeyboard:
      return [green](QPainter& p) { Arrow(p, true, green); };
    case cmd::kWriteIntoKeyboard:
      return [red](QPainter& p) { Arrow(p, false, red); };
    case cmd::kClearKey:
      return [red](QPainter& p) {
        Keycap(p, Qt::white);
        p.setPen(QPen(red, 2));
        p.drawLine(4, 5, 11, 11);
        p.drawLine(11, 5, 4, 11);
      };
    case cmd::kSetAsciiMode:
      return [blue](QPainter& p) { Letters(p, QStringLiteral("A"), blue, 12); };
    case cmd::kSetScanCodeMode:
      return [green](QPainter& p) { Letters(p, QStringLiteral("S"), green, 12); };
    case cmd::kInsertCaps:
      return [blue](QPainter& p) {
        Keycap(p, Qt::white);
        Letters(p, QStringLiteral("C"), blue);
      };
    case cmd::kInsertDelay:
      return [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(1, 1, 13, 13);
        p.drawLine(8, 8, 8, 3);
        p.drawLine(8, 8, 11, 10);
      };
    case cmd::kLevelSeparator:
      return [dark](QPainter& p) {
        p.setPen(QPen(dark, 2));
        p.drawLine(8, 1, 8, 15);
        p.drawLine(3, 8, 13, 8);
      };
    case cmd::kShiftLevel:
      return [blue](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPolygon(QPolygon{{8, 1}, {15, 8}, {11, 8}, {11, 14}, {5, 14}, {5, 8}, {1, 8}});
      };
    case cmd::kSelectScanCode:
      return [green](QPainter& p) { Letters(p, QStringLiteral("[ ]"), green, 10); };
    case cmd::kEnterAsciiCode:
      return [blue](QPainter& p) { Letters(p, QStringLiteral("#"), blue, 12); };
    case cmd::kSwitchDisplay:
      return [dark](QPainter& p) { Letters(p, QStringLiteral("10"), dark, 9); };
    default:
      return {};
  }
}

}  // namespace

QIcon ToolbarIcons::ForCommand(int id, const QPalette& palette) {
  const Draw draw = DrawingFor(id, palette);
  return draw ? Paint(draw) : QIcon();
}

QIcon ToolbarIcons::Application() {
  return Paint([](QPainter& p) {
    Keycap(p, QColor(235, 235, 235));
    Letters(p, QStringLiteral("V"), QColor(0, 0, 255), 11);
  });
}

}  // namespace vexa
