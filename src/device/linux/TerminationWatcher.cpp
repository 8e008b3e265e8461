#include "device/linux/TerminationWatcher.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

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

[[noreturn]] void Watch(sigset_t set) {
  int number = 0;
  while (sigwait(&set, &number) != 0) {
  }
  SerioRawBinding::RestoreAll();
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

}  // namespace

void TerminationWatcher::Start() {
  static bool started = false;
  if (started) return;
  started = true;
  const sigset_t set = WatchedSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread(Watch, set).detach();
}

}  // namespace vexa
