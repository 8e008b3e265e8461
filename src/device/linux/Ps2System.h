// Everything the PS/2 port asks of Linux besides the byte link itself: where
// sysfs, the device nodes, the ports' locks and the state file are, which boot
// this is, who we are, the privileged helper, the controller's I/O ports, the
// driver device, waiting, and how long a byte from the keyboard is waited
// for. The real
// system is LinuxPs2System; tests run the same decisions and binding on a
// temporary sysfs tree with a fake of this interface, so no test ever
// touches the real /sys, real ports or pkexec.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "device/DriverDevice.h"
#include "device/PortIo.h"

namespace vexa {

class Ps2System {
 public:
  virtual ~Ps2System() = default;

  [[nodiscard]] virtual std::string SysfsRoot() const = 0;  // "/sys"
  [[nodiscard]] virtual std::string DevRoot() const = 0;    // "/dev"
  // "/run": where the ports' locks are (PortLock).
  [[nodiscard]] virtual std::string RunFolder() const = 0;
  // The trusted folder of the state file, which says which port to give back
  // if a run of this user ends while the port is handed over: "/run" for
  // root, else the user's state folder; "" when there is no place for it.
  [[nodiscard]] virtual std::string StateFolder() const = 0;
  // This boot's id (/proc/sys/kernel/random/boot_id), "" when unknown.
  [[nodiscard]] virtual std::string BootId() const = 0;
  [[nodiscard]] virtual bool IsRoot() const = 0;
  // The helper program and pkexec are both installed.
  [[nodiscard]] virtual bool HelperAvailable() const = 0;
  [[nodiscard]] virtual std::string HelperPath() const = 0;

  // Root: writes the port's drvctl directly.
  [[nodiscard]] virtual bool WriteDrvctl(const std::string& port, std::string_view text,
                                         std::string& error) = 0;
  // Not root: runs the helper with one verb ("bind" or "restore") through
  // pkexec, with the port's lock `lockFd` (-1: none held) as its standard
  // input; false with the reason in `error`.
  [[nodiscard]] virtual bool RunHelper(std::string_view verb, int lockFd, std::string& error) = 0;

  // The controller's I/O ports when this process may use them, else null and
  // the reason in `refusal`.
  [[nodiscard]] virtual std::unique_ptr<PortIo> AcquirePorts(std::string& refusal) = 0;
  [[nodiscard]] virtual std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) = 0;
  virtual void Sleep(int milliseconds) = 0;
  // SerioRawLink::kReceiveTimeoutMs for a keyboard behind the kernel. A node
  // served by a program (the tests' emulator) may answer late on a busy
  // machine, where the kernel would not.
  [[nodiscard]] virtual int ReceiveTimeoutMs() const = 0;

  // <StateFolder()>/vexa/ps2-port, "" without a state folder.
  [[nodiscard]] std::string StateFile() const {
    const std::string folder = StateFolder();
    return folder.empty() ? folder : folder + "/" + kStateFolderName + "/" + kStateFileName;
  }
  static constexpr const char* kStateFolderName = "vexa";
  static constexpr const char* kStateFileName = "ps2-port";
};

}  // namespace vexa
