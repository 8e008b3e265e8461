#include "device/ui/TransferProgressDisplay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QProgressBar>
#include <algorithm>

#include "base/Messages.h"
#include "document/MemoryImage.h"

namespace vexa {

namespace {

constexpr QPoint kTitleAt{250, 360};
constexpr QPoint kWarningAt{200, 398};
constexpr QPoint kPercentAt{460, 380};
const QRect kBarRect{QPoint(200, 380), QPoint(454, 394)};  // (200,380)-(455,395), right and bottom exclusive
const QColor kBackground(220, 220, 220);

QString Q(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Arial 16 in normal weight, or the nearest proportional sans serif face the
// system has (Liberation Sans is Arial's metric twin). Never a fixed-pitch
// face: the title and the warning are sentences, not a listing.
QFont MakeFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("sans-serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setFixedPitch(false);
  font.setPixelSize(16);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

TransferProgressDisplay::TransferProgressDisplay(QWidget* view) : QWidget(view), m_font(MakeFont()) {
  setObjectName(QStringLiteral("transferProgress"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  // The area the texts and the bar can cover; outside the texts the view
  // shows through.
  const QFontMetrics metrics(m_font);
  const int right = std::max({kTitleAt.x() + metrics.horizontalAdvance(Q(msg::kWritingTitle)),
                              kTitleAt.x() + metrics.horizontalAdvance(Q(msg::kReadingTitle)),
                              kWarningAt.x() + metrics.horizontalAdvance(Q(msg::kDontTouch)),
                              kPercentAt.x() + metrics.horizontalAdvance(QStringLiteral("100%"))});
  setGeometry(QRect(QPoint(kWarningAt.x(), kTitleAt.y()), QPoint(right, kWarningAt.y() + metrics.height())));
  hide();
}

void TransferProgressDisplay::Begin(std::string_view title) {
  m_title = Q(title);
  m_percent.clear();
  delete m_bar;
  m_bar = new QProgressBar(this);
  m_bar->setObjectName(QStringLiteral("progressBar"));
  m_bar->setProperty("controlId", kProgressBarId);
  m_bar->setGeometry(QRect(FromView(kBarRect.topLeft()), kBarRect.size()));
  m_bar->setTextVisible(false);
  m_bar->setRange(1, kBlockCount);
  m_bar->reset();  // position 0: below the range, an empty bar
  m_bar->show();
  raise();
  show();
}

void TransferProgressDisplay::Step(int block, std::string_view percentText) {
  if (m_bar) m_bar->setValue(block + 1);
  m_percent = Q(percentText);
  update();
  if (m_observer) m_observer(block);
}

void TransferProgressDisplay::End() {
  hide();
  delete m_bar;
  m_bar = nullptr;
  m_title.clear();
  m_percent.clear();
}

void TransferProgressDisplay::DrawText(QPainter& painter, QPoint viewPoint, const QString& text) const {
  if (text.isEmpty()) return;
  const QFontMetrics metrics(m_font);
  const QPoint at = FromView(viewPoint);
  painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())), kBackground);
  painter.drawText(at.x(), at.y() + metrics.ascent(), text);
}

void TransferProgressDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(m_font);
  painter.setPen(Qt::black);
  DrawText(painter, kTitleAt, m_title);
  // The percentage is drawn over the previous one: clear the widest it gets.
  const QFontMetrics metrics(m_font);
  painter.fillRect(
      QRect(FromView(kPercentAt), QSize(metrics.horizontalAdvance(QStringLiteral("100%")), metrics.height())),
      kBackground);
  DrawText(painter, kPercentAt, m_percent);
  DrawText(painter, kWarningAt, Q(msg::kDontTouch));
}

}  // namespace vexa
