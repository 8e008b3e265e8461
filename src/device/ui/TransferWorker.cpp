#include "device/ui/TransferWorker.h"

#include <QThread>
#include <utility>

#include "device/ui/QueuedProgressSink.h"

namespace vexa {

TransferWorker::TransferWorker(ProgressSink& progress, QObject* parent)
    : QObject(parent), m_progress(new QueuedProgressSink(progress, this)) {}

TransferWorker::~TransferWorker() {
  if (m_thread) {
    // Never cut a transfer off: a write stopped half-way leaves the keyboard
    // with a torn template.
    m_thread->wait();
    delete m_thread;
  }
}

bool TransferWorker::Start(TransferJob job, Done done) {
  if (m_thread || !job.Ready()) return false;
  m_job = std::make_shared<TransferJob>(std::move(job));
  m_result = std::make_shared<TransferResult>();
  m_done = std::move(done);
  m_thread = QThread::create([this, job = m_job, result = m_result, sink = m_progress] {
    *result = job->Run(*sink);
    // Posted after every progress signal of the job, so it arrives after them.
    QMetaObject::invokeMethod(this, &TransferWorker::Finish, Qt::QueuedConnection);
  });
  m_thread->setObjectName(QStringLiteral("vexa-transfer"));
  m_thread->start();
  return true;
}

void TransferWorker::Finish() {
  if (!m_thread) return;
  m_thread->wait();  // the job has returned; the thread is ending
  delete m_thread;
  m_thread = nullptr;
  m_job.reset();
  TransferResult result = std::move(*m_result);
  m_result.reset();
  Done done = std::exchange(m_done, {});
  if (done) done(std::move(result));
}

}  // namespace vexa
