#include "view/qt/LegendSheetPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "view/ContentWindow.h"
#include "view/Cp1252.h"
#include "view/LegendSheet.h"

namespace vexa {

namespace {

constexpr qreal kScale = 1.5;  // sheet units per view pixel
constexpr qreal kMargin = 36;  // around everything
constexpr qreal kTitleSize = 16;
constexpr qreal kTitleGap = 14;  // between the title and the keyboard
constexpr qreal kPad = 2;        // inside a key
constexpr qreal kLabelSize = 9, kSmallestLabelSize = 6;
constexpr qreal kContentSize = 9, kSmallestContentSize = 7;
constexpr qreal kNoteSize = 10, kNotesGap = 18;

QFont LabelFont(qreal pixels) {
  QFont font(QStringLiteral("sans-serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(static_cast<int>(pixels));
  return font;
}

QFont ContentFont(qreal pixels) {
  QFont font(QStringLiteral("monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(static_cast<int>(pixels));
  return font;
}

// Key text as the view shows it: the code page's characters, and the bytes
// without a printable glyph as the view's substitute.
QString Shown(const std::string& bytes) {
  std::string shown = bytes;
  for (char& c : shown) {
    if (content_window::IsSubstituted(static_cast<unsigned char>(c)))
      c = static_cast<char>(content_window::kSubstitute);
  }
  return QString::fromStdU16String(Cp1252ToUtf16(shown));
}

// The key text cut into lines of at most `columns` characters where it can
// be (see WrapLegendText), as shown.
QStringList Wrap(const std::string& bytes, int columns) {
  QStringList lines;
  for (const std::string& line : WrapLegendText(bytes, columns)) lines << Shown(line);
  return lines;
}

bool Fits(const QStringList& lines, int columns) {
  return std::all_of(lines.begin(), lines.end(),
                     [columns](const QString& line) { return line.size() <= columns; });
}

qreal LineHeight(const QFont& font) { return QFontMetricsF(font).height(); }

}  // namespace

// The title holds the file name, which is local 8-bit text, not key text.
LegendSheetPainter::LegendSheetPainter(const LegendSheet& sheet)
    : m_title(QString::fromLocal8Bit(sheet.title)) {
  const qreal keyboardTop = kMargin + LineHeight(LabelFont(kTitleSize)) + kTitleGap;
  const qreal width = 2 * kMargin + sheet.bounds.width * kScale;
  std::vector<std::string> notes;  // key text bytes
  for (const LegendKey& key : sheet.keys) {
    PlacedKey placed;
    placed.rect = QRectF(kMargin + (key.rect.left - sheet.bounds.left) * kScale,
                         keyboardTop + (key.rect.top - sheet.bounds.top) * kScale, key.rect.width * kScale,
                         key.rect.height * kScale);
    placed.openBottom = key.openBottom;
    placed.topEdgeInset = key.topEdgeInset * kScale;
    placed.label = Shown(key.label);
    const qreal inner = placed.rect.width() - 2 * kPad;
    // The label shrinks until it fits the key's width.
    placed.labelSize = kLabelSize;
    while (placed.labelSize > kSmallestLabelSize &&
           QFontMetricsF(LabelFont(placed.labelSize)).horizontalAdvance(placed.label) > inner)
      placed.labelSize -= 1;
    const qreal contentTop = kPad + LineHeight(LabelFont(placed.labelSize));
    if (!key.content.empty()) {
      // The largest type in which the wrapped content fits below the label.
      for (qreal size = kContentSize; size >= kSmallestContentSize && placed.lines.isEmpty(); size -= 1) {
        const QFontMetricsF metrics(ContentFont(size));
        const int columns = static_cast<int>(std::floor(inner / metrics.horizontalAdvance(QLatin1Char('M'))));
        const QStringList lines = Wrap(key.content, columns);
        if (!lines.isEmpty() && Fits(lines, columns) &&
            contentTop + lines.size() * metrics.height() <= placed.rect.height() - kPad + 0.5) {
          placed.lines = lines;
          placed.contentSize = size;
        }
      }
      if (placed.lines.isEmpty()) {
        placed.note = ++m_noteCount;
        placed.lines << QStringLiteral("(%1)").arg(placed.note);
        placed.contentSize = kContentSize;
        const std::string name = key.label.empty() ? "position " + std::to_string(key.position) : key.label;
        notes.push_back("(" + std::to_string(placed.note) + ") " + name + ": " + key.content);
      }
    }
    m_keys.push_back(std::move(placed));
  }

  qreal bottom = keyboardTop + sheet.bounds.height * kScale;
  if (!notes.empty()) {
    m_notesTop = bottom + kNotesGap;
    const QFontMetricsF metrics(ContentFont(kNoteSize));
    const int columns = std::max(
        20,
        static_cast<int>(std::floor((width - 2 * kMargin) / metrics.horizontalAdvance(QLatin1Char('M')))));
    for (const std::string& note : notes) m_noteLines << Wrap(note, columns);
    bottom = m_notesTop + m_noteLines.size() * metrics.height();
  }
  m_size = QSizeF(std::ceil(width), std::ceil(bottom + kMargin));
}

void LegendSheetPainter::Paint(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.fillRect(QRectF(QPointF(0, 0), m_size), Qt::white);
  painter.setPen(Qt::black);

  const QFont titleFont = LabelFont(kTitleSize);
  painter.setFont(titleFont);
  painter.drawText(QPointF(kMargin, kMargin + QFontMetricsF(titleFont).ascent()), m_title);

  painter.setBrush(Qt::NoBrush);
  for (const PlacedKey& key : m_keys) {
    const QRectF& r = key.rect;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(r.right() - key.topEdgeInset, r.top()), r.topLeft());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (!key.openBottom) painter.drawLine(r.bottomLeft(), r.bottomRight());

    const QFont labelFont = LabelFont(key.labelSize);
    const QFontMetricsF labelMetrics(labelFont);
    if (!key.label.isEmpty()) {
      painter.setFont(labelFont);
      painter.drawText(QPointF(r.left() + kPad, r.top() + kPad + labelMetrics.ascent()), key.label);
    }
    if (key.lines.isEmpty()) continue;
    const QFont contentFont = ContentFont(key.contentSize);
    const QFontMetricsF contentMetrics(contentFont);
    painter.setFont(contentFont);
    qreal y = r.top() + kPad + labelMetrics.height();
    for (const QString& line : key.lines) {
      painter.drawText(QPointF(r.left() + kPad, y + contentMetrics.ascent()), line);
      y += contentMetrics.height();
    }
  }

  const QFont noteFont = ContentFont(kNoteSize);
  const QFontMetricsF noteMetrics(noteFont);
  painter.setFont(noteFont);
  qreal y = m_notesTop;
  for (const QString& line : m_noteLines) {
    painter.drawText(QPointF(kMargin, y + noteMetrics.ascent()), line);
    y += noteMetrics.height();
  }
  painter.restore();
}

void LegendSheetPainter::PaintFitted(QPainter& painter, const QRectF& target) const {
  const qreal scale = std::min(target.width() / m_size.width(), target.height() / m_size.height());
  painter.save();
  painter.translate(target.left() + (target.width() - m_size.width() * scale) / 2, target.top());
  painter.scale(scale, scale);
  Paint(painter);
  painter.restore();
}

}  // namespace vexa
