#include "device/ui/TransferWorker.h"

#include <QThread>
#include <utility>

#include "device/ui/QueuedProgressSink.h"

namespace vexa {

struct TransferWorker::Run {
  QThread* thread = nullptr;
  QueuedProgressSink* sink = nullptr;
  std::shared_ptr<TransferJob> job;
  std::shared_ptr<TransferResult> result;
};

TransferWorker::TransferWorker(ProgressSink& progress, QObject* parent)
    : QObject(parent), m_progress(progress) {}

TransferWorker::~TransferWorker() {
  // Never cut a transfer off: a write stopped half-way leaves the keyboard
  // with a torn template.
  for (auto& run : m_runs) {
    run->thread->wait();
    delete run->thread;
  }
}

bool TransferWorker::Start(TransferJob job, Done done) {
  std::vector<TransferJob> jobs;
  jobs.push_back(std::move(job));
  return StartGroup(std::move(jobs), {&m_progress},
                    [done = std::move(done)](std::vector<TransferResult> results) {
                      if (done) done(std::move(results.front()));
                    });
}

bool TransferWorker::StartGroup(std::vector<TransferJob> jobs, std::vector<ProgressSink*> progress,
                                GroupDone done) {
  if (Running() || jobs.empty() || jobs.size() != progress.size()) return false;
  for (const TransferJob& job : jobs)
    if (!job.Ready()) return false;
  m_done = std::move(done);
  for (size_t i = 0; i < jobs.size(); ++i) {
    auto run = std::make_unique<Run>();
    run->sink = new QueuedProgressSink(*progress[i], this);
    run->job = std::make_shared<TransferJob>(std::move(jobs[i]));
    run->result = std::make_shared<TransferResult>();
    run->thread = QThread::create([this, job = run->job, result = run->result, sink = run->sink] {
      *result = job->Run(*sink);
      // Posted after every progress signal of the job, so it arrives after them.
      QMetaObject::invokeMethod(this, &TransferWorker::Finish, Qt::QueuedConnection);
    });
    run->thread->setObjectName(QStringLiteral("vexa-transfer"));
    m_runs.push_back(std::move(run));
  }
  m_running = static_cast<int>(m_runs.size());
  for (auto& run : m_runs) run->thread->start();
  return true;
}

void TransferWorker::Finish() {
  if (m_running == 0 || --m_running > 0) return;  // others still run
  std::vector<TransferResult> results;
  for (auto& run : m_runs) {
    run->thread->wait();  // the job has returned; the thread is ending
    delete run->thread;
    delete run->sink;  // its queued calls have all been delivered
    results.push_back(std::move(*run->result));
  }
  m_runs.clear();
  GroupDone done = std::exchange(m_done, {});
  if (done) done(std::move(results));
}

}  // namespace vexa
