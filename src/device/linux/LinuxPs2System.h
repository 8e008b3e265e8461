// The real Ps2System: /sys, /dev, /run, the boot id, the state file, pkexec
// and the installed helper, ioperm and /dev/kbport.
//
// The state file of a normal user is $XDG_STATE_HOME/vexa/ps2-port (else
// ~/.local/state/vexa/ps2-port): per user, kept across reboots, which is
// why it carries the boot id. Root's is /run/vexa/ps2-port, never a path
// from the environment: sudo -E keeps the user's HOME and XDG_STATE_HOME,
// and root must not write where the user plants links.
#pragma once

#include <string>

#include "device/linux/Ps2System.h"

namespace vexa {

inline constexpr const char* kPkexecPath = "/usr/bin/pkexec";

// The installed helper, in the libexec folder of the prefix VEXA was built
// for (/usr/libexec/vexa/vexa-serio-helper in the package).
[[nodiscard]] std::string InstalledSerioHelperPath();

// The programs that bind as root for a user; tests name stand-ins.
struct HelperPrograms {
  std::string pkexec = kPkexecPath;
  std::string helper = InstalledSerioHelperPath();
};

class LinuxPs2System : public Ps2System {
 public:
  explicit LinuxPs2System(HelperPrograms programs = {});

  std::string SysfsRoot() const override { return "/sys"; }
  std::string DevRoot() const override { return "/dev"; }
  std::string RunFolder() const override { return "/run"; }
  std::string StateFolder() const override;
  std::string BootId() const override;
  bool IsRoot() const override;
  bool HelperAvailable() const override;
  std::string HelperPath() const override { return m_programs.helper; }
  bool WriteDrvctl(const std::string& port, std::string_view text, std::string& error) override;
  bool RunHelper(std::string_view verb, int lockFd, std::string& error) override;
  std::unique_ptr<PortIo> AcquirePorts(std::string& refusal) override;
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) override;
  void Sleep(int milliseconds) override;
  int ReceiveTimeoutMs() const override { return m_receiveTimeoutMs; }
  void SetReceiveTimeoutMs(int milliseconds) { m_receiveTimeoutMs = milliseconds; }

  // The state file for these environment values (null: unset); root's is
  // always under /run.
  [[nodiscard]] static std::string StateFileFor(const char* xdgStateHome, const char* home,
                                                bool root = false);
  [[nodiscard]] static std::string StateFolderFor(const char* xdgStateHome, const char* home, bool root);

 private:
  HelperPrograms m_programs;
  std::string m_userStateFolder;
  int m_receiveTimeoutMs;
};

}  // namespace vexa
