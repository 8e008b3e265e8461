// The real Ps2System: /sys, /dev, the state file in the user's state
// directory, pkexec and the installed helper, ioperm and /dev/kbport.
//
// The state file is $XDG_STATE_HOME/vexa/ps2-port (else
// ~/.local/state/vexa/ps2-port): per user, kept across reboots. A stale one
// after a reboot does no harm: the port is given back only while serio_raw
// really holds it.
#pragma once

#include <string>

#include "device/linux/Ps2System.h"

namespace vexa {

inline constexpr const char* kSerioHelperPath = "/usr/libexec/vexa/vexa-serio-helper";
inline constexpr const char* kPkexecPath = "/usr/bin/pkexec";

// The programs that bind as root for a user; tests name stand-ins.
struct HelperPrograms {
  std::string pkexec = kPkexecPath;
  std::string helper = kSerioHelperPath;
};

class LinuxPs2System : public Ps2System {
 public:
  explicit LinuxPs2System(HelperPrograms programs = {});

  std::string SysfsRoot() const override { return "/sys"; }
  std::string DevRoot() const override { return "/dev"; }
  std::string StateFile() const override { return m_stateFile; }
  bool IsRoot() const override;
  bool HelperAvailable() const override;
  std::string HelperPath() const override { return m_programs.helper; }
  bool WriteDrvctl(const std::string& port, std::string_view text, std::string& error) override;
  bool RunHelper(std::string_view verb, std::string& error) override;
  std::unique_ptr<PortIo> AcquirePorts(std::string& refusal) override;
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) override;
  void Sleep(int milliseconds) override;
  int ReceiveTimeoutMs() const override { return m_receiveTimeoutMs; }
  void SetReceiveTimeoutMs(int milliseconds) { m_receiveTimeoutMs = milliseconds; }

  // The state file for these environment values (null: unset).
  [[nodiscard]] static std::string StateFileFor(const char* xdgStateHome, const char* home);

 private:
  HelperPrograms m_programs;
  std::string m_stateFile;
  int m_receiveTimeoutMs;
};

}  // namespace vexa
