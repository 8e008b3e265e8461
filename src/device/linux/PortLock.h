// The one lock of a serio port for the whole system: an flock on
// <run>/vexa/<port>.lock (/run/vexa/serio1.lock). Whoever holds it may hand
// the port to serio_raw and must give it back; no one else changes the
// port's driver. A VEXA run as root takes it itself. A normal user's run
// can't create files in /run: it opens the file (made by root, readable by
// all, and an flock needs no more than a descriptor open for reading) and
// hands its locked descriptor to the helper as standard input; the helper
// checks that it is that port's lock and locks it once more through it,
// which succeeds only while no other run holds it.
//
// Traps:
//   - The lock belongs to the open file, not to the process: a descriptor
//     inherited by a child keeps it alive after the run. Descriptors are
//     close-on-exec; only the helper gets it, as its standard input.
//   - /run is emptied at every boot, so a lock never outlives the boot, and
//     a lock file is never removed while a run may hold it (a second file of
//     the same name would split the lock): the file stays.
#pragma once

#include <string>

namespace vexa {

class PortLock {
 public:
  static constexpr const char* kFolder = "vexa";

  // <runRoot>/vexa/<port>.lock
  [[nodiscard]] static std::string Path(const std::string& runRoot, const std::string& port);
  // Opens the port's lock file, as root making the folder and the file when
  // `create`; -1 and the reason in `error`, `missing` set when the file
  // isn't there (yet).
  [[nodiscard]] static int Open(const std::string& runRoot, const std::string& port, bool create,
                                std::string& error, bool* missing = nullptr);
  // Takes the lock on `fd` without waiting: true when its open file holds it
  // now (also when it held it already).
  [[nodiscard]] static bool TryLock(int fd);
  // `fd` is the same file as `lockFd`.
  [[nodiscard]] static bool SameFile(int fd, int lockFd);
};

}  // namespace vexa
