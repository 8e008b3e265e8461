// Hands the i8042 keyboard port to the kernel's serio_raw driver for one
// transfer and gives it back to atkbd afterwards, as root by writing the
// port's drvctl, otherwise through the privileged helper (pkexec
// vexa-serio-helper bind|restore).
//
// The port always goes back to atkbd: after each transfer, on every error
// path (a failed Bind undoes itself), when this object is destroyed, and on
// SIGINT, SIGTERM and SIGHUP (TerminationWatcher calls RestoreAll). A run
// killed outright (SIGKILL, a crash) can't restore anything: before binding,
// the state file records what to give back, and the next PS/2 start restores
// it (RecoverAbandoned).
//
// Two locks (flock), both taken before the port changes hands and held until
// it is given back; both die with the process:
//   - the port's lock for the whole system (PortLock, /run/vexa/<port>.lock),
//     so no run, of this user or another, binds or gives back a port that a
//     live run is using;
//   - the state file's, so two runs of one user don't share one record. The
//     file is emptied, never removed, so its lock can't be split between two
//     files.
// The state file (Ps2StateFile) is opened through TrustedFolder, never
// following a link, and read with a size limit; a state of an earlier boot is
// forgotten without touching the port.
#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "device/linux/Ps2System.h"

namespace vexa {

class SerioRawBinding {
 public:
  explicit SerioRawBinding(Ps2System& system);
  ~SerioRawBinding();
  SerioRawBinding(const SerioRawBinding&) = delete;
  SerioRawBinding& operator=(const SerioRawBinding&) = delete;

  // What stands in the way of binding, one line per cause (empty: nothing).
  [[nodiscard]] std::vector<std::string> Obstacles() const;
  // Hands the port to serio_raw and names its device node in `node`.
  [[nodiscard]] Outcome Bind(std::string& node);
  // Gives the port back if this binding handed it over; safe to call again,
  // and from the signal watcher's thread.
  [[nodiscard]] Outcome Restore();
  // At start: gives back a port that a run of this user left handed over.
  // A failure's message is a notice; the program goes on.
  [[nodiscard]] Outcome RecoverAbandoned();
  [[nodiscard]] bool Holding() const;

  // Gives back every port that a binding of this process holds, waiting at
  // most `wait` for a binding that is busy handing its port over (the
  // termination watcher: the program must end within seconds).
  static void RestoreAll(std::chrono::milliseconds wait = std::chrono::hours(1));

 private:
  [[nodiscard]] Outcome RestoreLocked();
  [[nodiscard]] bool HandTo(std::string_view driver, const std::string& port, std::string& error);
  [[nodiscard]] bool LockState(bool create, std::string& error);
  [[nodiscard]] bool LockPort(const std::string& port, std::string& error);
  void Release();
  [[nodiscard]] bool WriteState(const std::string& port, std::string& error);
  void ForgetState();

  Ps2System& m_system;
  mutable std::timed_mutex m_mutex;
  int m_stateFd = -1;
  int m_portLockFd = -1;
  std::string m_port;  // the port handed over by this binding, until given back
};

}  // namespace vexa
