#include "device/linux/PortLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "device/linux/SerioSysfs.h"
#include "device/linux/TrustedFolder.h"

namespace vexa {
namespace {

constexpr mode_t kFolderMode = 0755;
constexpr mode_t kFileMode = 0644;  // others open it to lock it

}  // namespace

std::string PortLock::Path(const std::string& runRoot, const std::string& port) {
  return runRoot + "/" + kFolder + "/" + port + ".lock";
}

int PortLock::Open(const std::string& runRoot, const std::string& port, bool create, std::string& error,
                   bool* missing) {
  if (missing) *missing = false;
  if (!SerioSysfs::IsPortName(port)) {
    error = port + ": not a serio port";
    return -1;
  }
  const TrustedFolder run = TrustedFolder::Open(runRoot, error);
  if (!run.Valid()) return -1;
  const TrustedFolder folder = run.Sub(kFolder, create, kFolderMode, error, missing);
  if (!folder.Valid()) return -1;
  return folder.OpenFile(port + ".lock", create ? O_RDONLY | O_CREAT : O_RDONLY, kFileMode, true, error,
                         missing);
}

bool PortLock::TryLock(int fd) {
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

bool PortLock::SameFile(int fd, int lockFd) {
  struct stat a {
  }, b{};
  return fd >= 0 && lockFd >= 0 && ::fstat(fd, &a) == 0 && ::fstat(lockFd, &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

}  // namespace vexa
