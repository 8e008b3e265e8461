#include "device/ui/TransferProgressDisplay.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "base/Messages.h"
#include "document/MemoryImage.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {

// In the view's logical pixels: the title at (250,360), the first bar at
// (200,380)-(455,395), its percentage at (460,380), a keyboard's name at
// (510,380), the warning line at (200,398). Here they are counted from the
// display's corner at (200,360); the rows from the list's top at y = 380.
constexpr QPoint kOrigin{200, 360};
constexpr QPoint kTitleAt{50, 0};
constexpr int kListTop = 20;
constexpr QSize kBarSize{255, 15};
constexpr int kPercentX = 260;
constexpr int kNameX = 310;      // after "100%"
constexpr int kWarningRise = 2;  // the warning line's top is this far above the list's end

QString Q(std::string_view text) { return i18n::FromBytes(text); }

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

// The rows: each keyboard's bar, percentage and name, one row every kRowPitch pixels.
class TransferProgressDisplay::RowsPane : public QWidget {
 public:
  explicit RowsPane(TransferProgressDisplay& display) : QWidget(nullptr), m_display(display) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(m_display.m_font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(m_display.m_font);
    for (int i = 0; i < m_display.Rows(); ++i) {
      const RowState& row = m_display.m_rows[static_cast<size_t>(i)];
      const int y = i * m_display.S(kRowPitch);
      // The percentage is drawn over the previous one: clear the widest it gets.
      painter.fillRect(QRect(QPoint(m_display.S(kPercentX), y),
                             QSize(metrics.horizontalAdvance(QStringLiteral("100%")), metrics.height())),
                       palette().color(QPalette::Window));
      m_display.DrawText(painter, QPoint(m_display.S(kPercentX), y), row.percent);
      m_display.DrawText(painter, QPoint(m_display.S(kNameX), y), row.name);
    }
  }

 private:
  TransferProgressDisplay& m_display;
};

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

TransferProgressDisplay::TransferProgressDisplay(QWidget* view)
    : QWidget(view), m_font(MakeFont()), m_topLeft(kOrigin) {
  setObjectName(QStringLiteral("transferProgress"));
  setFocusPolicy(Qt::NoFocus);
  m_list = new QScrollArea(this);
  m_list->setObjectName(QStringLiteral("progressRows"));
  m_list->setFrameShape(QFrame::NoFrame);
  m_list->setFocusPolicy(Qt::NoFocus);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_list->viewport()->setAutoFillBackground(false);
  m_pane = new RowsPane(*this);
  m_list->setWidget(m_pane);
  m_pane->setAutoFillBackground(false);  // setWidget turned it on; the view shows through
  hide();
}

TransferProgressDisplay::~TransferProgressDisplay() = default;

QPoint TransferProgressDisplay::LogicalOrigin() { return kOrigin; }

void TransferProgressDisplay::Place(QPoint topLeft, int viewHeight, double scale) {
  m_topLeft = topLeft;
  m_viewHeight = viewHeight;
  m_zoomScale = scale;
  if (!m_rows.empty()) Layout();
}

int TransferProgressDisplay::WarningY() const { return S(kListTop) + m_list->height() - S(kWarningRise); }

void TransferProgressDisplay::Layout() {
  const int rows = Rows();
  const int viewHeight = m_viewHeight > 0 ? m_viewHeight : (parentWidget() ? parentWidget()->height() : 0);
  // As large as the view's zoom, but small enough for the title, up to four
  // rows and the warning line to fit below the display's corner.
  const int shownRows = std::min(rows, 4);
  const double fitting = (viewHeight - m_topLeft.y() - 1) / double(kListTop + shownRows * kRowPitch + 18);
  m_scale = std::max(1.0, std::min(m_zoomScale, fitting));
  m_font.setPixelSize(S(16));
  const QFontMetrics metrics(m_font);
  const int pitch = S(kRowPitch);
  int paneWidth =
      std::max(S(kBarSize.width()), S(kPercentX) + metrics.horizontalAdvance(QStringLiteral("100%")));
  for (const RowState& row : m_rows)
    paneWidth = std::max(paneWidth, S(kNameX) + metrics.horizontalAdvance(row.name));
  const int fullHeight = rows * pitch;
  // What is left of the view below the list's top, less the warning line.
  const int room = viewHeight - m_topLeft.y() - S(kListTop) - (metrics.height() - S(kWarningRise)) - 1;
  int listHeight = fullHeight;
  if (room < fullHeight) listHeight = std::max(pitch, room / pitch * pitch);
  const bool scrolls = listHeight < fullHeight;
  m_list->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int listWidth = paneWidth + (scrolls ? m_list->verticalScrollBar()->sizeHint().width() : 0);
  m_pane->resize(paneWidth, fullHeight);
  m_list->setGeometry(0, S(kListTop), listWidth, listHeight);
  for (int i = 0; i < rows; ++i) {
    if (QProgressBar* bar = m_rows[static_cast<size_t>(i)].bar)
      bar->setGeometry(QRect(QPoint(0, i * pitch), QSize(S(kBarSize.width()), S(kBarSize.height()))));
  }
  const int right = std::max({S(kTitleAt.x()) + metrics.horizontalAdvance(Q(msg::Tr(msg::kWritingTitle))),
                              S(kTitleAt.x()) + metrics.horizontalAdvance(Q(msg::Tr(msg::kReadingTitle))),
                              metrics.horizontalAdvance(Q(msg::Tr(msg::kDontTouch))), listWidth});
  setGeometry(QRect(m_topLeft, QSize(right, WarningY() + metrics.height())));
}

// The area the texts and the bars can cover; outside the texts the view
// shows through.
void TransferProgressDisplay::Show(const QStringList& names) {
  Clear();
  const int rows = static_cast<int>(names.size());
  m_rows.resize(static_cast<size_t>(rows));
  for (int i = 0; i < rows; ++i) {
    m_rows[static_cast<size_t>(i)].name = names[i];
    auto* bar = new QProgressBar(m_pane);
    bar->setObjectName(i == 0 ? QStringLiteral("progressBar") : QStringLiteral("progressBar%1").arg(i));
    bar->setProperty("controlId", kProgressBarId + i);
    bar->setTextVisible(false);
    bar->setRange(1, kBlockCount);
    bar->reset();  // position 0: below the range, an empty bar
    bar->show();
    m_rows[static_cast<size_t>(i)].bar = bar;
    NameRow(i);
  }
  Layout();
  m_list->verticalScrollBar()->setValue(0);
  raise();
  show();
}

void TransferProgressDisplay::mousePressEvent(QMouseEvent* event) { event->accept(); }

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
  NameRow(row);
  update();
  m_pane->update();
}

void TransferProgressDisplay::RowStep(int row, int block, std::string_view percentText) {
  if (row < 0 || row >= Rows()) return;
  RowState& r = m_rows[static_cast<size_t>(row)];
  if (r.bar) r.bar->setValue(block + 1);
  r.percent = Q(percentText);
  if (r.bar) r.bar->setAccessibleDescription(r.percent);
  m_pane->update(QRect(0, row * S(kRowPitch), m_pane->width(), S(kRowPitch)));
  if (m_observer) m_observer(block);
}

// The bar of a row stands for the row: its name says what is transferred and
// to which keyboard, its description the percentage drawn beside it.
void TransferProgressDisplay::NameRow(int row) {
  RowState& r = m_rows.at(static_cast<size_t>(row));
  if (!r.bar) return;
  if (r.name.isEmpty()) {
    r.bar->setAccessibleName(m_title.isEmpty() ? tr("Transfer progress") : m_title);
  } else {
    r.bar->setAccessibleName(m_title.isEmpty() ? r.name : tr("%1: %2").arg(m_title, r.name));
  }
  r.bar->setAccessibleDescription(r.percent);
}

void TransferProgressDisplay::DrawText(QPainter& painter, QPoint at, const QString& text) const {
  if (text.isEmpty()) return;
  const QFontMetrics metrics(m_font);
  painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())),
                   palette().color(QPalette::Window));
  painter.drawText(at.x(), at.y() + metrics.ascent(), text);
}

void TransferProgressDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(m_font);
  painter.setPen(palette().color(QPalette::WindowText));
  DrawText(painter, QPoint(S(kTitleAt.x()), S(kTitleAt.y())), m_title);
  DrawText(painter, QPoint(0, WarningY()), Q(msg::Tr(msg::kDontTouch)));
}

}  // namespace vexa
