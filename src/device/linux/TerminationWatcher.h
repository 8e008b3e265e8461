// Gives the PS/2 keyboard port back when the program is ended by SIGINT,
// SIGTERM or SIGHUP, even in the middle of a transfer, and within seconds
// even while pkexec waits for an administrator's password: the watcher ends
// the programs VEXA runs (ChildProgram) before it gives the port back, and
// waits for a binding busy handing the port over only kRestoreWaitMs. One per
// program, made first in main().
//
// It also ignores SIGPIPE for the whole program: a closed pipe (vexa-cli ...
// 2>&1 | head) is then an ordinary write error, and never ends the program
// while the port is handed over.
//
// The constructor blocks the three signals in the calling thread and starts
// one thread that waits for them (sigwait). Threads started afterwards
// inherit the blocked mask, which is why it must come before Qt or anything
// else starts a thread. On a signal the watcher gives back every port a
// SerioRawBinding of this process holds, then ends the program as the signal
// would have (default action, same exit status). Programs started from here
// (pkexec) get the default mask back (see LinuxPs2System). The destructor
// stops and joins the watcher when main() returns.
//
// SIGKILL and crashes can't be watched: the state file makes the next PS/2
// start give the port back (SerioRawBinding::RecoverAbandoned).
#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace vexa {

class TerminationWatcher {
 public:
  static constexpr int kRestoreWaitMs = 3000;

  TerminationWatcher();
  ~TerminationWatcher();
  // While a handler is set, SIGINT and SIGTERM call it on the watcher's
  // thread instead of ending the program (vexa-cli keyboard watch: Ctrl+C
  // ends the waiting and the writes under way are finished); SIGHUP still
  // ends it. An empty handler gives the signals their effect back. Setting
  // one also takes SIGINT and SIGTERM when they were inherited ignored (a
  // command started in the background by a shell).
  static void SetInterruptHandler(std::function<void()> handler);
  TerminationWatcher(const TerminationWatcher&) = delete;
  TerminationWatcher& operator=(const TerminationWatcher&) = delete;

 private:
  void Watch();

  std::atomic<bool> m_stopping{false};
  std::thread m_thread;
};

}  // namespace vexa
