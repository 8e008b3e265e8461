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
constexpr int kNameX = 510;                                // a keyboard's name, after "100%"
const QColor kBackground(220, 220, 220);

QString Q(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QPoint Down(QPoint at, int row) { return at + QPoint(0, row * TransferProgressDisplay::kRowPitch); }

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

class TransferProgressDisplay::RowSink : public ProgressSink {
 public:
  RowSink(TransferProgressDisplay& display, int row) : m_display(display), m_row(row) {}
  void Begin(std::string_view title) override { m_display.RowBegin(m_row, title); }
  void Step(int block, std::string_view percentText) override {
    m_display.RowStep(m_row, block, percentText);
  }
  void End() override {}

 private:
  TransferProgressDisplay& m_display;
  int m_row;
};

TransferProgressDisplay::TransferProgressDisplay(QWidget* view) : QWidget(view), m_font(MakeFont()) {
  setObjectName(QStringLiteral("transferProgress"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

TransferProgressDisplay::~TransferProgressDisplay() = default;

// The area the texts and the bars can cover; outside the texts the view
// shows through.
void TransferProgressDisplay::Show(const QStringList& names) {
  Clear();
  const QFontMetrics metrics(m_font);
  int right = std::max({kTitleAt.x() + metrics.horizontalAdvance(Q(msg::kWritingTitle)),
                        kTitleAt.x() + metrics.horizontalAdvance(Q(msg::kReadingTitle)),
                        kWarningAt.x() + metrics.horizontalAdvance(Q(msg::kDontTouch)),
                        kPercentAt.x() + metrics.horizontalAdvance(QStringLiteral("100%"))});
  const int rows = static_cast<int>(names.size());
  m_rows.resize(static_cast<size_t>(rows));
  for (int i = 0; i < rows; ++i) {
    m_rows[static_cast<size_t>(i)].name = names[i];
    right = std::max(right, kNameX + metrics.horizontalAdvance(names[i]));
  }
  setGeometry(QRect(QPoint(kWarningAt.x(), kTitleAt.y()),
                    QPoint(right, Down(kWarningAt, rows - 1).y() + metrics.height())));
  for (int i = 0; i < rows; ++i) {
    auto* bar = new QProgressBar(this);
    bar->setObjectName(i == 0 ? QStringLiteral("progressBar") : QStringLiteral("progressBar%1").arg(i));
    bar->setProperty("controlId", kProgressBarId + i);
    bar->setGeometry(QRect(FromView(Down(kBarRect.topLeft(), i)), kBarRect.size()));
    bar->setTextVisible(false);
    bar->setRange(1, kBlockCount);
    bar->reset();  // position 0: below the range, an empty bar
    bar->show();
    m_rows[static_cast<size_t>(i)].bar = bar;
  }
  raise();
  show();
}

void TransferProgressDisplay::Clear() {
  for (RowState& row : m_rows) delete row.bar;
  m_rows.clear();
  m_sinks.clear();
}

void TransferProgressDisplay::Begin(std::string_view title) {
  m_title = Q(title);
  Show({QString()});
}

void TransferProgressDisplay::Step(int block, std::string_view percentText) {
  RowStep(0, block, percentText);
}

void TransferProgressDisplay::End() {
  hide();
  Clear();
  m_title.clear();
}

void TransferProgressDisplay::BeginGroup(const QStringList& names) {
  m_title.clear();
  Show(names);
  for (int i = 0; i < Rows(); ++i) m_sinks.push_back(std::make_unique<RowSink>(*this, i));
}

ProgressSink& TransferProgressDisplay::Row(int row) { return *m_sinks.at(static_cast<size_t>(row)); }

void TransferProgressDisplay::EndGroup() { End(); }

QProgressBar* TransferProgressDisplay::Bar(int row) const {
  return row >= 0 && row < Rows() ? m_rows[static_cast<size_t>(row)].bar : nullptr;
}

const QString& TransferProgressDisplay::Percent(int row) const {
  static const QString none;
  return row >= 0 && row < Rows() ? m_rows[static_cast<size_t>(row)].percent : none;
}

void TransferProgressDisplay::RowBegin(int row, std::string_view title) {
  // The keyboards of a group start one after another with the same title.
  m_title = Q(title);
  RowState& r = m_rows.at(static_cast<size_t>(row));
  r.percent.clear();
  if (r.bar) r.bar->reset();
  update();
}

void TransferProgressDisplay::RowStep(int row, int block, std::string_view percentText) {
  if (row < 0 || row >= Rows()) return;
  RowState& r = m_rows[static_cast<size_t>(row)];
  if (r.bar) r.bar->setValue(block + 1);
  r.percent = Q(percentText);
  update();
  if (m_observer) m_observer(block);
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
  for (int i = 0; i < Rows(); ++i) {
    const RowState& row = m_rows[static_cast<size_t>(i)];
    const QPoint percentAt = Down(kPercentAt, i);
    painter.fillRect(QRect(FromView(percentAt),
                           QSize(metrics.horizontalAdvance(QStringLiteral("100%")), metrics.height())),
                     kBackground);
    DrawText(painter, percentAt, row.percent);
    DrawText(painter, Down(QPoint(kNameX, kPercentAt.y()), i), row.name);
  }
  DrawText(painter, Down(kWarningAt, std::max(Rows(), 1) - 1), Q(msg::kDontTouch));
}

}  // namespace vexa
