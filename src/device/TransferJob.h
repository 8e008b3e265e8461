// A keyboard transfer made ready, to be run later, possibly on another thread.
//
// KeyboardConnection::PrepareRead / PrepareWrite do, on the caller's thread,
// everything that decides whether the transfer starts and in which order its
// refusals come: the USB keyboard opened and its identity checked, the
// write's image taken from its source (which reads the document). Run() then
// moves the blocks with their waits, retries and progress; it touches only
// the connection's port and environment, never the document, so the editor
// runs it on a worker thread while the document stays on its own.
//
// A job that is not Ready() was refused before anything was sent: Refusal()
// holds the result to show. A ready job is run once; one that is dropped
// without running gives its port back (a USB handle is closed). A job refers
// to its connection and must not outlive it; while it runs, nothing else may
// use that connection.
#pragma once

#include <functional>

#include "device/KeyboardTransfer.h"
#include "device/ProgressSink.h"

namespace vexa {

class TransferJob {
 public:
  using Body = std::function<TransferResult(ProgressSink& progress)>;

  // A refused transfer.
  explicit TransferJob(TransferResult refusal);
  // A ready one; `release` runs when the job is dropped without running.
  TransferJob(Body body, std::function<void()> release);
  ~TransferJob();
  TransferJob(TransferJob&& other) noexcept;
  TransferJob& operator=(TransferJob&& other) noexcept;
  TransferJob(const TransferJob&) = delete;
  TransferJob& operator=(const TransferJob&) = delete;

  [[nodiscard]] bool Ready() const { return static_cast<bool>(m_body); }
  [[nodiscard]] const TransferResult& Refusal() const { return m_refusal; }
  // Runs a ready job (once); a refused job answers its refusal.
  [[nodiscard]] TransferResult Run(ProgressSink& progress);

 private:
  void Release();

  Body m_body;
  std::function<void()> m_release;
  TransferResult m_refusal;
};

}  // namespace vexa
