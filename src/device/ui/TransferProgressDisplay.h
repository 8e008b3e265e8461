// The progress of a transfer, drawn into the layout view while the transfer
// runs: the title at (250,360), the progress bar (200,380)-(455,395) counting
// the 64 blocks, the percentage at (460,380) and "Please don't use mouse
// and/or keyboard!" at (200,398), all in Arial 16 (or the nearest
// proportional sans serif face) on the view's grey.
//
// Several keyboards written at once: BeginGroup shows one row per keyboard,
// the first where the single bar stands and each further one 20 pixels
// lower, each with its bar, its percentage and the keyboard's name after it;
// the warning line moves below the last row. The rows sit in a list that
// scrolls when they would reach below the view (16 keyboards in a small
// window), so the warning line and every row stay reachable. Row(i) is
// keyboard i's ProgressSink; EndGroup takes the display away.
//
// When the view zooms, Place puts the display's top left corner where the
// zoom shows its logical place and sizes it, its type and its bars with the
// zoom's scale, or less where that leaves too little room for the rows below
// (room for four rows is kept; more scroll).
//
// The transfers run on worker threads; their progress calls arrive here on
// the GUI thread (through a QueuedProgressSink each) and each one schedules a
// paint, which the running event loop carries out.
#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "device/ProgressSink.h"

class QProgressBar;
class QScrollArea;

namespace vexa {

class TransferProgressDisplay : public QWidget, public ProgressSink {
  Q_OBJECT
 public:
  static constexpr int kProgressBarId = 102;
  static constexpr int kRowPitch = 20;  // pixels from one keyboard's row to the next

  // `view` is the layout view the display is drawn into.
  explicit TransferProgressDisplay(QWidget* view);

  // The display's top left corner in the view's logical pixels (the title's
  // left edge is the bars' one).
  [[nodiscard]] static QPoint LogicalOrigin();
  // Where the view's zoom puts that corner, how far down the view goes and
  // the zoom's scale.
  void Place(QPoint topLeft, int viewHeight, double scale = 1.0);
  // The list of rows (scrolls when the rows do not fit).
  [[nodiscard]] QScrollArea* RowList() const { return m_list; }
  ~TransferProgressDisplay() override;

  // One transfer.
  void Begin(std::string_view title) override;
  void Step(int block, std::string_view percentText) override;
  void End() override;

  // Several at once, one row per keyboard named by `names`.
  void BeginGroup(const QStringList& names);
  [[nodiscard]] ProgressSink& Row(int row);
  void EndGroup();

  // Called after each step has been taken (tests look at the view then).
  void SetStepObserver(std::function<void(int block)> observer) { m_observer = std::move(observer); }

  // The first row's bar (the only one of a single transfer).
  [[nodiscard]] QProgressBar* Bar() const { return m_rows.empty() ? nullptr : m_rows.front().bar; }
  [[nodiscard]] QProgressBar* Bar(int row) const;
  [[nodiscard]] int Rows() const { return static_cast<int>(m_rows.size()); }
  [[nodiscard]] const QString& Title() const { return m_title; }
  [[nodiscard]] const QString& Percent(int row = 0) const;
  [[nodiscard]] const QFont& TextFont() const { return m_font; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Clicks on the display are dropped, like every click on the view during a
  // transfer; the list still scrolls.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  class RowsPane;
  class RowSink;
  struct RowState {
    QProgressBar* bar = nullptr;
    QString percent;
    QString name;
  };
  // Shows the display with one row (bar, percentage, name) per name.
  void Show(const QStringList& names);
  void RowBegin(int row, std::string_view title);
  void RowStep(int row, int block, std::string_view percentText);
  void NameRow(int row);
  void Clear();
  // Sizes the display and its list for the rows shown.
  void Layout();
  void DrawText(class QPainter& painter, QPoint at, const QString& text) const;
  [[nodiscard]] int WarningY() const;

  QFont m_font;
  QString m_title;
  std::vector<RowState> m_rows;
  std::vector<std::unique_ptr<RowSink>> m_sinks;
  std::function<void(int)> m_observer;
  QScrollArea* m_list = nullptr;
  RowsPane* m_pane = nullptr;
  QPoint m_topLeft;
  int m_viewHeight = 0;
  double m_zoomScale = 1.0;  // the view's
  double m_scale = 1.0;      // the display's: the view's, or less where rows need the room
  [[nodiscard]] int S(int pixels) const { return qRound(pixels * m_scale); }
};

}  // namespace vexa
