// The PS/2 port's platform on Linux. The keyboard's byte protocol runs in
// this process (system kind 1) over one of these links, decided once when
// the port is opened:
//   - the node named by --ps2-device, used as an already bound serio_raw
//     device: no sysfs, no binding, no I/O ports;
//   - otherwise, when the kernel has an i8042 keyboard port: that port's
//     serio_raw device, bound for each transfer (as root, or through the
//     privileged helper) and given back to atkbd afterwards;
//   - only when no i8042 port exists (no kernel driver owns the controller),
//     the kernel is not locked down and ioperm is granted: the controller's
//     I/O ports.
// When none applies, the keyboard driver device /dev/kbport (system kind 2)
// is tried, and without it the port does not open: "Can't open the KB
// driver" and one line per cause. The /dev/kbport driver stays for whoever
// provides one (docs/driver-interface.md); Linux itself has none.
#pragma once

#include <memory>
#include <string>

#include "device/KbioPlatform.h"
#include "device/linux/Ps2System.h"

namespace vexa {

class LinuxKbioPlatform : public KbioPlatform {
 public:
  // The real system; `ps2Device` as --ps2-device gives it (empty: none).
  explicit LinuxKbioPlatform(std::string ps2Device = {});
  LinuxKbioPlatform(std::string ps2Device, std::unique_ptr<Ps2System> system);
  ~LinuxKbioPlatform() override;

  bool QuerySystem() override;
  DirectAccess AcquireDirectAccess() override;
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) override;

 private:
  std::string m_ps2Device;
  std::unique_ptr<Ps2System> m_system;
  std::unique_ptr<PortIo> m_ports;
  std::unique_ptr<KeyboardByteLink> m_link;  // after m_ports: destroyed before the ports it uses
};

}  // namespace vexa
