#include "device/linux/LinuxKbioPlatform.h"

#include <sys/utsname.h>

#include "device/linux/KbportDriverDevice.h"

namespace vexa {

bool LinuxKbioPlatform::QuerySystem() {
  struct utsname name {};
  return ::uname(&name) == 0;
}

PortIo* LinuxKbioPlatform::AcquireControllerPorts() {
  if (!m_ports) m_ports = IopermPortIo::Acquire();
  return m_ports.get();
}

std::unique_ptr<DriverDevice> LinuxKbioPlatform::OpenDriverDevice(const std::string& path) {
  return KbportDriverDevice::Open(path);
}

}  // namespace vexa
