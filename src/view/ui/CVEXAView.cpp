#include "view/ui/CVEXAView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "base/Messages.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"
#include "view/ContentWindow.h"
#include "view/Cp1252.h"
#include "view/ViewPaintModel.h"
#include "view/ui/ViewKeyHandler.h"

namespace vexa {

namespace {

constexpr int kCellHeight = 16;

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

Rgb ToRgb(const QColor& c) {
  return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue())};
}

ViewColours ColoursOf(const QPalette& palette) {
  PaletteColours p;
  p.window = ToRgb(palette.color(QPalette::Window));
  p.windowText = ToRgb(palette.color(QPalette::WindowText));
  p.base = ToRgb(palette.color(QPalette::Base));
  p.text = ToRgb(palette.color(QPalette::Text));
  p.light = ToRgb(palette.color(QPalette::Light));
  p.shadow = ToRgb(palette.color(QPalette::Shadow));
  return ViewColours::FromPalette(p);
}

QRect ToQRect(const ZoomRect& r) { return {r.left, r.top, r.width, r.height}; }
ZoomRect ToZoomRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

// The pixels a drawing operation may touch.
QRect OpBounds(const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Kind::Fill:
    case DrawOp::Kind::Box:
      return QRect(QPoint(op.x1, op.y1), QPoint(op.x2 - 1, op.y2 - 1));
    case DrawOp::Kind::Line:
      return QRect(QPoint(op.x1, op.y1), QPoint(op.x2, op.y2))
          .normalized()
          .adjusted(-op.penWidth, -op.penWidth, op.penWidth, op.penWidth);
    case DrawOp::Kind::Text:
      return QRect(op.x1, op.y1, content_window::kColumnWidth * TextCells(op.text, op.utf8), kCellHeight);
  }
  return {};
}

// The display font: bold and fixed-pitch, a 16-pixel character cell, and
// exactly one 7-pixel column per character so that key labels fit their keys
// and the caret and mouse columns of the content window line up with the text.
QFont MakeDisplayFont() {
  QFont font(QStringLiteral("monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferNoHinting);
  qreal advance = 0;
  for (int pixels = 14; pixels >= 9; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font);
    advance = metrics.horizontalAdvance(QLatin1Char('M'));
    if (metrics.height() <= kCellHeight && advance <= 8.0) break;
  }
  font.setLetterSpacing(QFont::AbsoluteSpacing, content_window::kColumnWidth - advance);
  return font;
}

}  // namespace

CVEXAView::CVEXAView(CVEXADoc& doc, UserInterface& ui, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_ui(ui), m_colours(ColoursOf(palette())), m_font(MakeDisplayFont()) {
  m_ascent = QFontMetrics(m_font).ascent();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Tall enough for the progress display of a transfer, whose last line sits at y = 398.
  setMinimumSize(ViewZoom::kLogicalWidth, ViewZoom::kLogicalHeight);
  // The keys are drawn, not widgets: assistive technology learns of them
  // through the view's accessible interface and the announcer.
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(LayoutViewAccessibleFactory);
    return true;
  }();
  (void)factoryInstalled;
  setAccessibleName(tr("Keyboard layout"));
  connect(this, &CVEXAView::stateChanged, this, [this] { m_announcer.StateChanged(); });
}

QRect CVEXAView::ToDevice(const QRect& logical) const {
  return ToQRect(Zoom().ToDevice(ToZoomRect(logical)));
}

QPoint CVEXAView::ToDevice(const QPoint& logical) const {
  const ViewZoom zoom = Zoom();
  return {zoom.ToDeviceX(logical.x()), zoom.ToDeviceY(logical.y())};
}

QPoint CVEXAView::ToLogical(const QPoint& device) const {
  const ViewZoom zoom = Zoom();
  return {zoom.ToLogicalX(device.x()), zoom.ToLogicalY(device.y())};
}

void CVEXAView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit zoomChanged();
}

void CVEXAView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    m_colours = ColoursOf(palette());
    update();
  }
  QWidget::changeEvent(event);
}

void CVEXAView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  m_announcer.FocusIn();
}

void CVEXAView::Repaint(vexa::Repaint area) {
  switch (area) {
    case Repaint::None:
      return;
    case Repaint::ContentBox:
      update(ToDevice(ContentBoxArea()).adjusted(-1, -1, 1, 1));
      break;
    case Repaint::InformationArea:
      update(ToDevice(InformationArea()).adjusted(-1, -1, 1, 1));
      break;
    case Repaint::WholeView:
      update();
      break;
  }
  emit stateChanged();
}

bool CVEXAView::OnInitialUpdate() {
  m_state.ResetForInitialUpdate(m_doc);
  bool keepRunning = true;
  if (!m_initialised) {
    m_initialised = true;
    // Start-up hook: the communication port is chosen here, once per run.
    if (m_startupHook) keepRunning = m_startupHook(m_state);
  }
  update();
  emit stateChanged();
  return keepRunning;
}

void CVEXAView::OnModelSwitched() {
  m_state.ResetForModelSwitch(m_doc);
  update();
  emit stateChanged();
}

void CVEXAView::OnContentsReplaced() {
  m_state.ResetAfterContentReplaced(m_doc);
  update();
  emit stateChanged();
}

void CVEXAView::OnHistoryRestored() {
  update();
  emit stateChanged();
}

void CVEXAView::MoveSelection(int direction) {
  (void)view_selection::MoveSelection(m_doc, m_state, direction);
  update();
  emit stateChanged();
}

void CVEXAView::SelectKey(int position) {
  if (m_inputBlocked) return;
  TakeClickResult(view_selection::SelectKey(m_doc, m_state, position));
  // Typing goes to the key next, as after a click.
  setFocus(Qt::OtherFocusReason);
}

void CVEXAView::TakeClickResult(ClickResult result) {
  switch (result) {
    case ClickResult::Nothing:
      break;
    case ClickResult::ContentBox:
      update(ToDevice(ContentBoxArea()).adjusted(-1, -1, 1, 1));
      emit stateChanged();
      break;
    case ClickResult::Selected:
      update();
      emit stateChanged();
      break;
    case ClickResult::Refused:
      m_ui.Message(m_doc.WrongKeyMessage(m_state.selectedKey));
      break;
  }
}

void CVEXAView::PaintView(QPainter& painter, const QRect& dirty) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(m_font);
  // Zoomed, the widget is filled and outlined in its own pixels, then every
  // operation is drawn in logical pixels through the zoom: lines and fills
  // stay unsmoothed (crisp), the text is set at the zoomed size.
  const ViewZoom zoom = Zoom();
  const bool zoomed = !zoom.IsIdentity();
  int logicalWidth = width(), logicalHeight = height();
  QRect logicalDirty = dirty;
  if (zoomed) {
    painter.fillRect(rect(), ToQColor(m_colours.background));
    painter.setPen(QPen(ToQColor(m_colours.text), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.translate(zoom.OffsetX(), zoom.OffsetY());
    painter.scale(zoom.Scale(), zoom.Scale());
    logicalWidth = zoom.ToLogicalX(width() - 1) + 1;
    logicalHeight = zoom.ToLogicalY(height() - 1) + 1;
    if (!dirty.isNull()) logicalDirty = ToQRect(zoom.ToLogical(ToZoomRect(dirty))).adjusted(-1, -1, 1, 1);
  }
  const std::vector<DrawOp> ops = BuildViewPaint(m_doc, m_state, logicalWidth, logicalHeight, m_colours);
  for (size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& op = ops[i];
    if (zoomed && i == 0) continue;  // the outlined fill of the whole widget, drawn above
    if (!logicalDirty.isNull() && !OpBounds(op).intersects(logicalDirty)) continue;
    switch (op.kind) {
      case DrawOp::Kind::Fill:
        painter.fillRect(QRect(QPoint(op.x1, op.y1), QPoint(op.x2 - 1, op.y2 - 1)), ToQColor(op.colour));
        break;
      case DrawOp::Kind::Box: {
        const QRect box(QPoint(op.x1, op.y1), QPoint(op.x2 - 1, op.y2 - 1));
        painter.fillRect(box, ToQColor(op.background));
        painter.setPen(QPen(ToQColor(op.colour), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        break;
      }
      case DrawOp::Kind::Line:
        painter.setPen(QPen(ToQColor(op.colour), op.penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawLine(op.x1, op.y1, op.x2, op.y2);
        break;
      case DrawOp::Kind::Text: {
        if (op.text.empty()) break;
        const int width = content_window::kColumnWidth * TextCells(op.text, op.utf8);
        painter.fillRect(op.x1, op.y1, width, kCellHeight, ToQColor(op.background));
        // Runs of blanks only erase what was drawn before.
        if (op.text.find_first_not_of(' ') == std::string::npos) break;
        painter.setPen(ToQColor(op.colour));
        painter.drawText(op.x1, op.y1 + m_ascent,
                         op.utf8 ? QString::fromUtf8(op.text.data(), static_cast<qsizetype>(op.text.size()))
                                 : QString::fromStdU16String(Cp1252ToUtf16(op.text)));
        break;
      }
    }
  }
}

bool CVEXAView::event(QEvent* event) {
  if (m_inputBlocked) {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::InputMethod:
        event->accept();  // taken and dropped: not passed on to the window either
        return true;
      default:
        break;
    }
  }
  return QWidget::event(event);
}

void CVEXAView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintView(painter, event->rect());
}

void CVEXAView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint at = ToLogical(event->position().toPoint());
    TakeClickResult(view_selection::LeftButtonDown(m_doc, m_state, at.x(), at.y()));
  }
  setFocus(Qt::MouseFocusReason);
  QWidget::mousePressEvent(event);
}

void CVEXAView::keyPressEvent(QKeyEvent* event) {
  if (m_keyHandler && m_keyHandler->KeyPress(*event)) {
    update();
    emit stateChanged();
    return;
  }
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  switch (event->key()) {
    case Qt::Key_Up:
      MoveSelection(2);
      return;
    case Qt::Key_Down:
      MoveSelection(3);
      return;
    case Qt::Key_Left:
      if (shift) MoveSelection(0);
      return;
    case Qt::Key_Right:
      if (shift) MoveSelection(1);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void CVEXAView::keyReleaseEvent(QKeyEvent* event) {
  if (m_keyHandler && m_keyHandler->KeyRelease(*event)) {
    update();
    emit stateChanged();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

}  // namespace vexa
