#include "helper/SerioHelper.h"

#include <unistd.h>

#include <ostream>

#include "base/Messages.h"
#include "device/linux/PortLock.h"
#include "device/linux/SerioSysfs.h"

namespace vexa {

int SerioHelper::Run(const std::vector<std::string>& args, const HelperContext& context, std::ostream& out,
                     std::ostream& err) {
  if (args.size() != 1 || (args[0] != "bind" && args[0] != "restore")) {
    err << msg::kHelperUsage << "\n";
    return kUsage;
  }
  const bool bind = args[0] == "bind";
  const SerioSysfs sysfs(context.sysfsRoot);
  const std::vector<std::string> ports = sysfs.KeyboardPorts();
  if (ports.empty()) {
    err << msg::kPs2NoKeyboardPort << "\n";
    return kFailed;
  }
  if (ports.size() > 1) {
    err << msg::kPs2SeveralPorts << "\n";
    return kFailed;
  }
  const std::string& port = ports.front();
  if (bind && !sysfs.DriverLoaded(SerioSysfs::kRawDriver)) {
    err << msg::kPs2NoSerioRaw << "\n";
    return kFailed;
  }

  std::string error;
  const int lock = PortLock::Open(context.runRoot, port, true, error);
  if (lock < 0) {
    err << msg::FormatMessage(msg::kPs2LockFailed, error.c_str()) << "\n";
    return kFailed;
  }
  const bool callersLock = PortLock::SameFile(context.lockFd, lock);
  if (bind && !callersLock) {
    ::close(lock);
    err << msg::FormatMessage(msg::kHelperNoLock, PortLock::Path(context.runRoot, port).c_str()) << "\n";
    return kNoLock;
  }
  // Through the caller's descriptor the lock stays with the caller; our own
  // is given up when the helper ends.
  const bool free = PortLock::TryLock(callersLock ? context.lockFd : lock);
  ::close(lock);
  if (!free) {
    err << msg::kPs2PortBusy << "\n";
    return kBusy;
  }

  const std::string_view driver = bind ? SerioSysfs::kRawDriver : SerioSysfs::kKeyboardDriver;
  // Binding again would reset the keyboard for nothing.
  if (sysfs.Driver(port) != driver) {
    if (!sysfs.WriteDrvctl(port, driver, error)) {
      err << msg::FormatMessage(msg::kHelperCannotWrite, sysfs.DrvctlPath(port).c_str(), error.c_str())
          << "\n";
      return kFailed;
    }
  }
  out << port << "\n";
  return kDone;
}

}  // namespace vexa
