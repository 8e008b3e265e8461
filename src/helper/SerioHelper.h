// vexa-serio-helper: the only part of VEXA that runs with root's rights, run
// through pkexec (polkit action org.vexaeditor.vexa.serio). It does one of two
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
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vexa {

class SerioHelper {
 public:
  static constexpr int kDone = 0;
  static constexpr int kFailed = 1;
  static constexpr int kUsage = 2;

  // `args` without the program name; `sysfsRoot` is "/sys" in the installed
  // program and a temporary tree in tests, never the caller's choice.
  [[nodiscard]] static int Run(const std::vector<std::string>& args, const std::string& sysfsRoot,
                               std::ostream& out, std::ostream& err);
};

}  // namespace vexa
