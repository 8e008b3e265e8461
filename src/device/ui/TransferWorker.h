// Runs the blocks of a prepared transfer (TransferJob) on a thread of its
// own, so that the editor's window stays alive for the 13 to 16 seconds a
// transfer takes: the event loop keeps running, the window repaints, the
// progress display moves, and the desktop never offers to kill a window that
// is in the middle of writing the keyboard.
//
// One transfer at a time, or one group of transfers: the write into all
// connected keyboards runs one job per keyboard, each on a thread of its own,
// all at once (each job has its own port, see KeyboardConnection.h), and ends
// when the last of them has ended. The jobs only touch their ports and the
// connection's environment; the document stays on the GUI thread (the jobs
// were prepared there, and `done` runs there). Each job's progress reaches
// its target through a QueuedProgressSink of its own, and `done` runs after
// the last progress call of every job.
//
// Each transfer gets a new thread. It inherits what the process was granted
// at the port choice on the GUI thread (the I/O port permission of the PS/2
// port's direct access is given per thread and copied to threads created
// after it), which a thread made earlier, e.g. in a pool, would lack.
//
// A transfer is never cut off: destroying the worker waits for the running
// transfers to end.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "device/TransferJob.h"

class QThread;

namespace vexa {

class QueuedProgressSink;

class TransferWorker : public QObject {
  Q_OBJECT
 public:
  using Done = std::function<void(TransferResult result)>;
  // The results in the order of the jobs.
  using GroupDone = std::function<void(std::vector<TransferResult> results)>;

  // `progress` is drawn on the thread that creates the worker.
  explicit TransferWorker(ProgressSink& progress, QObject* parent = nullptr);
  ~TransferWorker() override;

  // Starts a ready job; `done` runs on this object's thread when it ended.
  // Refused (false) while another transfer runs.
  bool Start(TransferJob job, Done done);
  // Starts ready jobs at once, job i reporting to progress[i] (drawn on this
  // object's thread); `done` runs when all have ended. Refused (false) while
  // another transfer runs, or when a job is not ready.
  bool StartGroup(std::vector<TransferJob> jobs, std::vector<ProgressSink*> progress, GroupDone done);
  [[nodiscard]] bool Running() const { return !m_runs.empty(); }

 private:
  struct Run;
  void Finish();

  ProgressSink& m_progress;
  std::vector<std::unique_ptr<Run>> m_runs;
  int m_running = 0;
  GroupDone m_done;
};

}  // namespace vexa
