#include "device/linux/TerminationWatcher.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <mutex>

#include "device/linux/ChildProgram.h"
#include "device/linux/SerioRawBinding.h"

namespace vexa {
namespace {

sigset_t WatchedSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  return set;
}

std::mutex& HandlerMutex() {
  static std::mutex mutex;
  return mutex;
}

std::function<void()>& Handler() {
  static std::function<void()> handler;
  return handler;
}

}  // namespace

void TerminationWatcher::SetInterruptHandler(std::function<void()> handler) {
  const std::lock_guard lock(HandlerMutex());
  // A shell starts a background command with SIGINT ignored, and an ignored
  // signal never reaches sigwait: the station must still stop on it. Both
  // signals stay blocked in every thread, so no default action runs.
  if (handler) {
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
  }
  Handler() = std::move(handler);
}

TerminationWatcher::TerminationWatcher() {
  ::signal(SIGPIPE, SIG_IGN);
  const sigset_t set = WatchedSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  m_thread = std::thread([this] { Watch(); });
}

TerminationWatcher::~TerminationWatcher() {
  // A signal meant for the watcher alone wakes it; it sees it is being stopped.
  m_stopping = true;
  pthread_kill(m_thread.native_handle(), SIGTERM);
  m_thread.join();
}

void TerminationWatcher::Watch() {
  const sigset_t set = WatchedSignals();
  int number = 0;
  for (;;) {
    while (sigwait(&set, &number) != 0) {
    }
    if (m_stopping) return;
    if (number == SIGHUP) break;
    const std::lock_guard lock(HandlerMutex());
    if (!Handler()) break;
    Handler()();
  }
  // A pkexec still asking for a password would hold a binding for as long
  // as no one answers: it is ended first.
  ChildProgram::EndAll();
  SerioRawBinding::RestoreAll(std::chrono::milliseconds(kRestoreWaitMs));
  // End as the signal would have: its default action, delivered to this
  // thread, the only one that doesn't block it.
  ::signal(number, SIG_DFL);
  sigset_t one;
  sigemptyset(&one);
  sigaddset(&one, number);
  pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
  ::raise(number);
  for (;;) ::pause();
}

}  // namespace vexa
