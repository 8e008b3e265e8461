// Runs the blocks of a prepared transfer (TransferJob) on a thread of its
// own, so that the editor's window stays alive for the 13 to 16 seconds a
// transfer takes: the event loop keeps running, the window repaints, the
// progress display moves, and the desktop never offers to kill a window that
// is in the middle of writing the keyboard.
//
// One transfer at a time. The job only touches its connection's port and
// environment; the document stays on the GUI thread (the job was prepared
// there, and `done` runs there). Progress reaches `progress` through a
// QueuedProgressSink, and `done` runs after the last progress call.
//
// Each transfer gets a new thread. It inherits what the process was granted
// at the port choice on the GUI thread (the I/O port permission of the PS/2
// port's direct access is given per thread and copied to threads created
// after it), which a thread made earlier, e.g. in a pool, would lack.
//
// A transfer is never cut off: destroying the worker waits for the running
// transfer to end.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "device/TransferJob.h"

class QThread;

namespace vexa {

class QueuedProgressSink;

class TransferWorker : public QObject {
  Q_OBJECT
 public:
  using Done = std::function<void(TransferResult result)>;

  // `progress` is drawn on the thread that creates the worker.
  explicit TransferWorker(ProgressSink& progress, QObject* parent = nullptr);
  ~TransferWorker() override;

  // Starts a ready job; `done` runs on this object's thread when it ended.
  // Refused (false) while another transfer runs.
  bool Start(TransferJob job, Done done);
  [[nodiscard]] bool Running() const { return m_thread != nullptr; }

 private:
  void Finish();

  QueuedProgressSink* m_progress;
  QThread* m_thread = nullptr;
  std::shared_ptr<TransferJob> m_job;
  std::shared_ptr<TransferResult> m_result;
  Done m_done;
};

}  // namespace vexa
