// The kernel's serio bus as sysfs shows it, under a root directory ("/sys";
// tests point it at a temporary tree). Standard C++ and POSIX only: the
// privileged helper uses this and nothing else of VEXA.
//
//   <root>/bus/serio/devices/serioN/description   "i8042 KBD port" for the keyboard's port
//   <root>/bus/serio/devices/serioN/driver        link to .../drivers/atkbd; absent: no driver
//   <root>/bus/serio/devices/serioN/drvctl        write-only: a driver's name binds it
//   <root>/bus/serio/devices/serioN/misc/serio_rawK  the raw device while serio_raw holds the port
//   <root>/bus/serio/drivers/serio_raw            there while the serio_raw module is loaded
//   <root>/kernel/security/lockdown               "[none] integrity confidentiality"
//
// Traps:
//   - drvctl takes the driver's name without a line feed (echo -n): "atkbd\n"
//     names no driver. The kernel binds only drivers already loaded; it does
//     not load serio_raw itself.
//   - The raw device's number grows with every bind (serio_raw0, serio_raw1,
//     ...): it is read from misc/ after each bind, never assumed.
//   - Writing drvctl needs root; reading needs nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexa {

class SerioSysfs {
 public:
  static constexpr std::string_view kKeyboardPortDescription = "i8042 KBD port";
  static constexpr std::string_view kRawDriver = "serio_raw";
  static constexpr std::string_view kKeyboardDriver = "atkbd";

  explicit SerioSysfs(std::string root = "/sys") : m_root(std::move(root)) {}

  // "serioN": a name the serio bus gives its ports, safe as a file name.
  [[nodiscard]] static bool IsPortName(std::string_view name);

  // The ports (serioN) whose description is the i8042 keyboard port's, in
  // name order; there is one on a PC whose kernel drives the controller.
  [[nodiscard]] std::vector<std::string> KeyboardPorts() const;
  // The driver bound to the port, "" when none.
  [[nodiscard]] std::string Driver(const std::string& port) const;
  [[nodiscard]] bool DriverLoaded(std::string_view driver) const;
  // "serio_rawK" while serio_raw holds the port, else "".
  [[nodiscard]] std::string RawDeviceName(const std::string& port) const;
  // Writes `text` into the port's drvctl as `echo -n` does; the system's
  // words in `error` on failure.
  [[nodiscard]] bool WriteDrvctl(const std::string& port, std::string_view text, std::string& error) const;
  [[nodiscard]] std::string DrvctlPath(const std::string& port) const;
  // True when the kernel's lockdown is in force (integrity or confidentiality).
  [[nodiscard]] bool LockedDown() const;

 private:
  [[nodiscard]] std::string PortDir(const std::string& port) const;
  std::string m_root;
};

}  // namespace vexa
