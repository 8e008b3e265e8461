#include "helper/SerioHelper.h"

#include <ostream>

#include "base/Messages.h"
#include "device/linux/SerioSysfs.h"

namespace vexa {

int SerioHelper::Run(const std::vector<std::string>& args, const std::string& sysfsRoot, std::ostream& out,
                     std::ostream& err) {
  if (args.size() != 1 || (args[0] != "bind" && args[0] != "restore")) {
    err << msg::kHelperUsage << "\n";
    return kUsage;
  }
  const bool bind = args[0] == "bind";
  const SerioSysfs sysfs(sysfsRoot);
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
  const std::string_view driver = bind ? SerioSysfs::kRawDriver : SerioSysfs::kKeyboardDriver;
  // Binding again would reset the keyboard for nothing.
  if (sysfs.Driver(port) != driver) {
    std::string error;
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
