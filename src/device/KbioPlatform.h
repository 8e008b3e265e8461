// What the PS/2 port needs from the system when it is opened: direct access
// to the controller and interrupt controller ports (system kind 1) or, when
// that is not granted, the keyboard driver device (system kind 2).
#pragma once

#include <memory>
#include <string>

#include "device/DriverDevice.h"
#include "device/PortIo.h"

namespace vexa {

class KbioPlatform {
 public:
  virtual ~KbioPlatform() = default;
  // False when the system cannot tell which access it grants.
  [[nodiscard]] virtual bool QuerySystem() { return true; }
  // The port I/O when this process may use the ports directly, else null.
  // The object stays owned by the platform, which outlives the port.
  [[nodiscard]] virtual PortIo* AcquireControllerPorts() = 0;
  // Opens the driver device for reading and writing; null when it can't be.
  [[nodiscard]] virtual std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) = 0;
};

}  // namespace vexa
