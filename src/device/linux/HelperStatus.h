// The exit statuses of vexa-serio-helper, shared by the helper and the
// programs that run it through pkexec (which itself ends with 126 when the
// dialog was dismissed and 127 when authorisation was refused).
#pragma once

namespace vexa {

struct HelperStatus {
  static constexpr int kDone = 0;
  static constexpr int kFailed = 1;
  static constexpr int kUsage = 2;
  static constexpr int kBusy = 3;    // another run holds the port's lock: nothing changed
  static constexpr int kNoLock = 4;  // bind without the port's lock as standard input
};

}  // namespace vexa
