#include "device/ui/CKeyCodeOutView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "base/Messages.h"
#include "device/KeyCodeOutput.h"
#include "device/ui/CKeyCodeOutEdit.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {

constexpr int kHintWidth = 230;  // between the title and the Quit box

QString Q(std::string_view text) { return i18n::FromBytes(text); }

// Left, top, right, bottom with right and bottom outside the rectangle.
QRect ToQRect(const KeyCodeOutput::Box& box) {
  return QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
}

// Bold and fixed pitch, no particular face. The title is the window's heading:
// it fills the 20-pixel band of the Quit box (y 5..25) instead of the 16-pixel
// character cell of the view's body text, where it read as one more line of
// that text. "Quit" must still fit its box.
QFont MakeTitleFont() {
  QFont font(QStringLiteral("monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setBold(true);
  const auto& box = KeyCodeOutput::kQuitBox;
  for (int pixels = 18; pixels >= 10; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics metrics(font);
    const bool fitsBand = metrics.height() <= box.bottom - box.top;
    const bool quitFits =
        KeyCodeOutput::kQuitTextX + metrics.horizontalAdvance(Q(msg::Tr(msg::kKeyCodeTestQuit))) < box.right;
    if (fitsBand && quitFits) break;
  }
  return font;
}

// The hint beside the Quit box: plain and smaller than the title.
QFont MakeHintFont() {
  QFont font;
  font.setPixelSize(12);
  return font;
}

}  // namespace

CKeyCodeOutView::CKeyCodeOutView(QWidget* view)
    : QWidget(view),
      m_view(view),
      m_edit(new CKeyCodeOutEdit(this)),
      m_titleFont(MakeTitleFont()),
      m_hintFont(MakeHintFont()) {
  setObjectName(QStringLiteral("KeyCodeTest"));
  setProperty("controlId", KeyCodeOutput::kWindowControlId);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(ToQRect(KeyCodeOutput::kWindowRect));
  m_edit->setGeometry(ToQRect(KeyCodeOutput::kTextAreaRect));
  m_view->installEventFilter(this);
  connect(m_edit, &CKeyCodeOutEdit::quitRequested, this, &CKeyCodeOutView::Close);
  m_textFont = m_edit->font();
  hide();
}

QRect CKeyCodeOutView::LogicalRect() { return ToQRect(KeyCodeOutput::kWindowRect); }

void CKeyCodeOutView::Place(const QRect& rect, double scale) {
  m_scale = scale;
  setGeometry(rect);
  const QRect area = ToQRect(KeyCodeOutput::kTextAreaRect);
  m_edit->setGeometry(
      QRect(QPoint(qRound(area.left() * scale), qRound(area.top() * scale)),
            QPoint(qRound((area.right() + 1) * scale) - 1, qRound((area.bottom() + 1) * scale) - 1)));
  QFont font = m_textFont;
  if (m_textFont.pointSizeF() > 0)
    font.setPointSizeF(m_textFont.pointSizeF() * scale);
  else
    font.setPixelSize(qRound(m_textFont.pixelSize() * scale));
  m_edit->setFont(font);
  update();
}

void CKeyCodeOutView::Open() {
  m_edit->Clear();
  show();
  raise();
  m_active = true;
  // The keys are taken from the layout view, so it keeps the focus.
  if (!m_edit->hasFocus()) m_view->setFocus(Qt::OtherFocusReason);
  update();
}

void CKeyCodeOutView::Close() {
  hide();
  m_active = false;
  m_view->setFocus(Qt::OtherFocusReason);
  m_view->update();
}

void CKeyCodeOutView::Recreate() {
  if (m_active) Close();
  hide();
  m_edit->Reset();
}

bool CKeyCodeOutView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_view || !m_active) return QWidget::eventFilter(watched, event);
  if (CKeyCodeOutEdit::TakesShortcut(*event)) return true;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    m_edit->HandleKey(static_cast<QKeyEvent&>(*event));
    update();
    return true;  // never to the key editor
  }
  return QWidget::eventFilter(watched, event);
}

void CKeyCodeOutView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor text = palette().color(QPalette::WindowText);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  // Zoomed with the layout view: drawn in its logical pixels.
  painter.scale(m_scale, m_scale);
  painter.setPen(QPen(text, 1));
  painter.drawRect(QRect(QPoint(0, 0), LogicalRect().size()).adjusted(0, 0, -1, -1));
  painter.setFont(m_titleFont);
  const QFontMetrics metrics(m_titleFont);
  painter.drawText(KeyCodeOutput::kTitleX, KeyCodeOutput::kTitleY + metrics.ascent(),
                   Q(msg::Tr(msg::kKeyCodeTestTitle)));
  // The Quit box: lit from the top left, shadowed at the bottom right.
  const auto& box = KeyCodeOutput::kQuitBox;
  painter.setPen(QPen(palette().color(QPalette::Light), 1));
  painter.drawLine(box.left, box.bottom, box.left, box.top);
  painter.drawLine(box.left, box.top, box.right, box.top);
  // Shadowed in the palette's shadow, or in its text colour where that is darker.
  const QColor shadow = palette().color(QPalette::Shadow);
  painter.setPen(QPen(shadow.lightness() <= text.lightness() ? shadow : text, 1));
  painter.drawLine(box.right, box.top, box.right, box.bottom);
  painter.drawLine(box.right, box.bottom, box.left, box.bottom);
  painter.setPen(QPen(text, 1));
  painter.drawText(KeyCodeOutput::kQuitTextX, KeyCodeOutput::kQuitTextY + metrics.ascent(),
                   Q(msg::Tr(msg::kKeyCodeTestQuit)));
  // The way out by keyboard, right-aligned before the Quit box.
  painter.setFont(m_hintFont);
  painter.drawText(QRect(box.left - 4 - kHintWidth, box.top, kHintWidth, box.bottom - box.top),
                   Qt::AlignRight | Qt::AlignVCenter, Q(msg::Tr(msg::kKeyCodeTestQuitByKeys)));
}

void CKeyCodeOutView::mousePressEvent(QMouseEvent* event) {
  // The logical pixel under the click (see ViewZoom).
  const QPointF device = event->position();
  const QPoint at(static_cast<int>(std::floor((std::floor(device.x()) + 0.5) / m_scale)),
                  static_cast<int>(std::floor((std::floor(device.y()) + 0.5) / m_scale)));
  if (event->button() == Qt::LeftButton && KeyCodeOutput::IsInQuitBox(at.x(), at.y())) Close();
  event->accept();
}

}  // namespace vexa
