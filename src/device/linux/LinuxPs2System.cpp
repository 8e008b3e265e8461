#include "device/linux/LinuxPs2System.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "base/Messages.h"
#include "device/RealPortGuard.h"
#include "device/linux/ChildProgram.h"
#include "device/linux/HelperStatus.h"
#include "device/linux/IopermPortIo.h"
#include "device/linux/KbportDriverDevice.h"
#include "device/linux/Ps2StateFile.h"
#include "device/linux/SerioRawLink.h"
#include "device/linux/SerioSysfs.h"
#include "device/linux/TrustedFolder.h"

namespace vexa {
namespace {

constexpr int kPkexecDismissed = 126;
constexpr int kPkexecRefused = 127;

// The last non-empty line of a program's output.
std::string LastLine(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  const size_t newline = text.rfind('\n');
  return newline == std::string::npos ? text : text.substr(newline + 1);
}

}  // namespace

// Kept whole in the program's data (not folded into instructions), so that
// the package check finds in the binary where it runs the helper from.
[[gnu::used]] constexpr char kInstalledSerioHelperPath[] = VEXA_SERIO_HELPER_PATH;

std::string InstalledSerioHelperPath() { return kInstalledSerioHelperPath; }

LinuxPs2System::LinuxPs2System(HelperPrograms programs)
    : m_programs(std::move(programs)),
      m_userStateFolder(StateFolderFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"), false)),
      m_receiveTimeoutMs(SerioRawLink::kReceiveTimeoutMs) {}

std::string LinuxPs2System::StateFolderFor(const char* xdgStateHome, const char* home, bool root) {
  if (root) return "/run";
  // XDG: a relative XDG_STATE_HOME is to be ignored.
  if (xdgStateHome && xdgStateHome[0] == '/') return xdgStateHome;
  if (home && home[0] == '/') return std::string(home) + "/.local/state";
  return {};
}

std::string LinuxPs2System::StateFileFor(const char* xdgStateHome, const char* home, bool root) {
  const std::string folder = StateFolderFor(xdgStateHome, home, root);
  return folder.empty() ? folder : folder + "/" + kStateFolderName + "/" + kStateFileName;
}

std::string LinuxPs2System::StateFolder() const {
  return IsRoot() ? StateFolderFor(nullptr, nullptr, true) : m_userStateFolder;
}

std::string LinuxPs2System::BootId() const {
  const int fd = ::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  std::string id;
  const bool read = ReadLimited(fd, 64, id);
  ::close(fd);
  while (!id.empty() && id.back() == '\n') id.pop_back();
  return read && Ps2StateFile::IsBootId(id) ? id : std::string();
}

bool LinuxPs2System::IsRoot() const { return ::geteuid() == 0; }

bool LinuxPs2System::HelperAvailable() const {
  return ::access(m_programs.helper.c_str(), X_OK) == 0 && ::access(m_programs.pkexec.c_str(), X_OK) == 0;
}

bool LinuxPs2System::WriteDrvctl(const std::string& port, std::string_view text, std::string& error) {
  return SerioSysfs(SysfsRoot()).WriteDrvctl(port, text, error);
}

bool LinuxPs2System::RunHelper(std::string_view verb, int lockFd, std::string& error) {
  // Once the program is ending, the keyboard is only given back.
  if (verb != "restore" && ChildProgram::Ending()) {
    error = msg::Tr(msg::kPs2Ending);
    return false;
  }
  std::string output;
  int status = 0;
  if (!ChildProgram::Run({m_programs.pkexec, m_programs.helper, std::string(verb)}, lockFd, output, status,
                         error))
    return false;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  if (code == HelperStatus::kBusy) {
    error = msg::Tr(msg::kPs2PortBusy);
  } else if (code == kPkexecDismissed) {
    error = msg::Tr(msg::kPs2NotAuthorised);
  } else {
    error = LastLine(output);
    if (error.empty()) error = msg::FormatMessage(msg::Tr(msg::kPs2HelperFailed), code);
    if (code == kPkexecRefused) error = std::string(msg::Tr(msg::kPs2NotAuthorised)) + " (" + error + ")";
  }
  return false;
}

std::unique_ptr<PortIo> LinuxPs2System::AcquirePorts(std::string& refusal) {
  if (!RealPortGuard::Allowed()) {
    refusal = msg::Tr(msg::kPs2PortsSwitchedOff);
    return nullptr;
  }
  std::unique_ptr<PortIo> ports = IopermPortIo::Acquire();
  if (!ports) refusal = msg::Tr(msg::kPs2PortsRefused);
  return ports;
}

std::unique_ptr<DriverDevice> LinuxPs2System::OpenDriverDevice(const std::string& path) {
  return KbportDriverDevice::Open(path);
}

void LinuxPs2System::Sleep(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace vexa
