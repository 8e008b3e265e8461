// The PS/2 port's platform on Linux: direct access to the controller ports
// when this process may have it (x86, root, and RealPortGuard allows it),
// otherwise the driver device.
#pragma once

#include <memory>

#include "device/KbioPlatform.h"
#include "device/linux/IopermPortIo.h"

namespace vexa {

class LinuxKbioPlatform : public KbioPlatform {
 public:
  bool QuerySystem() override;
  PortIo* AcquireControllerPorts() override;
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) override;

 private:
  std::unique_ptr<IopermPortIo> m_ports;
};

}  // namespace vexa
