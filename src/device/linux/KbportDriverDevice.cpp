#include "device/linux/KbportDriverDevice.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace vexa {

std::unique_ptr<KbportDriverDevice> KbportDriverDevice::Open(const std::string& path) {
  // The device must exist: no O_CREAT, so a missing driver is never mistaken
  // for a file we made.
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return nullptr;
  return std::unique_ptr<KbportDriverDevice>(new KbportDriverDevice(fd));
}

KbportDriverDevice::~KbportDriverDevice() { ::close(m_fd); }

bool KbportDriverDevice::Control(unsigned long code, DriverRecord& record) {
  int rc;
  do {
    rc = ::ioctl(m_fd, code, &record);
  } while (rc < 0 && errno == EINTR);
  return rc >= 0;
}

}  // namespace vexa
