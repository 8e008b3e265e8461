// vexa-serio-helper: the only part of VEXA that runs with root's rights, run
// through pkexec (polkit actions org.vexaeditor.vexa.serio.bind and
// org.vexaeditor.vexa.serio.restore, one per verb). It does one of two
// things to the i8042 keyboard port and nothing else:
//   bind     write "serio_raw" into the port's drvctl: the keyboard's bytes go
//            to /dev/serio_rawN (the keyboard stops typing meanwhile);
//   restore  write "atkbd" into it: the keyboard types again.
//
// It is closed on purpose: it takes no path, port or driver name from its
// caller, finds the keyboard's port itself (the one serio port whose
// description is "i8042 KBD port"), writes only that port's drvctl, and
// refuses anything else with a message and a non-zero status. Whether the
// port really changed hands is for the caller to check in sysfs.
//
// The port's lock (PortLock: /run/vexa/<port>.lock, made here when missing)
// decides who may change the port:
//   - bind only for a caller that passes the port's lock file as standard
//     input; the lock is taken through it, so it stays with the caller after
//     the helper ends, and a caller whose lock another run holds is refused;
//   - restore for a caller that passes the lock the same way, or for anyone
//     while no run holds the lock (a port left over by a killed run); while
//     another run holds it, the port is in use and is left alone.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "device/linux/HelperStatus.h"

namespace vexa {

// Where the helper looks; the installed program's are fixed ("/sys", "/run",
// its standard input), tests name temporary trees. Never the caller's choice.
struct HelperContext {
  std::string sysfsRoot = "/sys";
  std::string runRoot = "/run";
  int lockFd = 0;  // the caller's lock of the port, if it passes one
};

class SerioHelper {
 public:
  static constexpr int kDone = HelperStatus::kDone;
  static constexpr int kFailed = HelperStatus::kFailed;
  static constexpr int kUsage = HelperStatus::kUsage;
  static constexpr int kBusy = HelperStatus::kBusy;
  static constexpr int kNoLock = HelperStatus::kNoLock;

  // `args` without the program name.
  [[nodiscard]] static int Run(const std::vector<std::string>& args, const HelperContext& context,
                               std::ostream& out, std::ostream& err);
};

}  // namespace vexa
