// The progress of a transfer that runs on a worker thread, carried to the
// thread that draws it: every call becomes a queued signal, and its slot calls
// the same function of the target on the thread this object lives on. The
// calls arrive in the order they were made, one event-loop turn apart at
// least, so the worker never waits for the display and the display is only
// ever touched by its own thread.
#pragma once

#include <QByteArray>
#include <QObject>

#include "device/ProgressSink.h"

namespace vexa {

class QueuedProgressSink : public QObject, public ProgressSink {
  Q_OBJECT
 public:
  // `target` is called on the thread that creates this object; it must
  // outlive it.
  explicit QueuedProgressSink(ProgressSink& target, QObject* parent = nullptr);

  // Any thread.
  void Begin(std::string_view title) override;
  void Step(int block, std::string_view percentText) override;
  void End() override;

 signals:
  void begun(const QByteArray& title);
  void stepped(int block, const QByteArray& percentText);
  void ended();
};

}  // namespace vexa
