#include "device/TransferJob.h"

#include <utility>

namespace vexa {

TransferJob::TransferJob(TransferResult refusal) : m_refusal(std::move(refusal)) {}

TransferJob::TransferJob(Body body, std::function<void()> release)
    : m_body(std::move(body)), m_release(std::move(release)) {}

TransferJob::~TransferJob() { Release(); }

TransferJob::TransferJob(TransferJob&& other) noexcept
    : m_body(std::exchange(other.m_body, {})),
      m_release(std::exchange(other.m_release, {})),
      m_refusal(std::move(other.m_refusal)) {}

TransferJob& TransferJob::operator=(TransferJob&& other) noexcept {
  if (this != &other) {
    Release();
    m_body = std::exchange(other.m_body, {});
    m_release = std::exchange(other.m_release, {});
    m_refusal = std::move(other.m_refusal);
  }
  return *this;
}

void TransferJob::Release() {
  if (m_body && m_release) m_release();
  m_body = {};
  m_release = {};
}

TransferResult TransferJob::Run(ProgressSink& progress) {
  if (!m_body) return m_refusal;
  Body body = std::exchange(m_body, {});
  m_release = {};
  return body(progress);
}

}  // namespace vexa
