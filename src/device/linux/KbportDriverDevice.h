// The keyboard driver device "/dev/kbport": one ioctl per keyboard operation
// (see docs/driver-interface.md).
#pragma once

#include <memory>
#include <string>

#include "device/DriverDevice.h"

namespace vexa {

class KbportDriverDevice : public DriverDevice {
 public:
  // Null when the device can't be opened for reading and writing.
  [[nodiscard]] static std::unique_ptr<KbportDriverDevice> Open(const std::string& path);
  ~KbportDriverDevice() override;
  KbportDriverDevice(const KbportDriverDevice&) = delete;
  KbportDriverDevice& operator=(const KbportDriverDevice&) = delete;

  bool Control(unsigned long code, DriverRecord& record) override;

 private:
  explicit KbportDriverDevice(int fd) : m_fd(fd) {}
  int m_fd;
};

}  // namespace vexa
