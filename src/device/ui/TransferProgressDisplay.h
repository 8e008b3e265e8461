// The progress of a transfer, drawn into the layout view while the transfer
// runs: the title at (250,360), the progress bar (200,380)-(455,395) counting
// the 64 blocks, the percentage at (460,380) and "Please don't use mouse
// and/or keyboard!" at (200,398), all in Arial 16 (or the nearest
// proportional sans serif face) on the view's grey.
//
// The transfer runs on a worker thread; its progress calls arrive here on the
// GUI thread (through a QueuedProgressSink) and each one schedules a paint,
// which the running event loop carries out.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>

#include "device/ProgressSink.h"

class QProgressBar;

namespace vexa {

class TransferProgressDisplay : public QWidget, public ProgressSink {
  Q_OBJECT
 public:
  static constexpr int kProgressBarId = 102;

  // `view` is the layout view the display is drawn into.
  explicit TransferProgressDisplay(QWidget* view);

  void Begin(std::string_view title) override;
  void Step(int block, std::string_view percentText) override;
  void End() override;

  // Called after each step has been taken (tests look at the view then).
  void SetStepObserver(std::function<void(int block)> observer) { m_observer = std::move(observer); }

  [[nodiscard]] QProgressBar* Bar() const { return m_bar; }
  [[nodiscard]] const QString& Title() const { return m_title; }
  [[nodiscard]] const QString& Percent() const { return m_percent; }
  [[nodiscard]] const QFont& TextFont() const { return m_font; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawText(class QPainter& painter, QPoint viewPoint, const QString& text) const;
  [[nodiscard]] QPoint FromView(QPoint viewPoint) const { return viewPoint - pos(); }

  QFont m_font;
  QString m_title;
  QString m_percent;
  QProgressBar* m_bar = nullptr;
  std::function<void(int)> m_observer;
};

}  // namespace vexa
