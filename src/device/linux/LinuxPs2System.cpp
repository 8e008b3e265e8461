#include "device/linux/LinuxPs2System.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "base/Messages.h"
#include "device/RealPortGuard.h"
#include "device/linux/IopermPortIo.h"
#include "device/linux/KbportDriverDevice.h"
#include "device/linux/SerioRawLink.h"
#include "device/linux/SerioSysfs.h"

extern char** environ;

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

// Runs argv[0] (an absolute path) with stdout and stderr into one pipe, with
// the signal mask and dispositions a fresh program expects (the program's
// threads block SIGINT and SIGTERM for their watcher). Returns the wait status.
bool Spawn(const char* const* argv, std::string& output, int& status, std::string& error) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    return false;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  for (int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&defaults, s);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  pid_t pid = -1;
  const int spawned =
      ::posix_spawn(&pid, argv[0], &actions, &attributes, const_cast<char* const*>(argv), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  if (spawned != 0) {
    ::close(pipeFds[0]);
    error = std::strerror(spawned);
    return false;
  }
  char chunk[256];
  for (;;) {
    const ssize_t n = ::read(pipeFds[0], chunk, sizeof chunk);
    if (n > 0) {
      output.append(chunk, static_cast<size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    break;
  }
  ::close(pipeFds[0]);
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      error = std::strerror(errno);
      return false;
    }
  }
  return true;
}

}  // namespace

LinuxPs2System::LinuxPs2System(HelperPrograms programs)
    : m_programs(std::move(programs)),
      m_stateFile(StateFileFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"))),
      m_receiveTimeoutMs(SerioRawLink::kReceiveTimeoutMs) {}

std::string LinuxPs2System::StateFileFor(const char* xdgStateHome, const char* home) {
  // XDG: a relative XDG_STATE_HOME is to be ignored.
  if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/vexa/ps2-port";
  if (home && home[0] == '/') return std::string(home) + "/.local/state/vexa/ps2-port";
  return {};
}

bool LinuxPs2System::IsRoot() const { return ::geteuid() == 0; }

bool LinuxPs2System::HelperAvailable() const {
  return ::access(m_programs.helper.c_str(), X_OK) == 0 && ::access(m_programs.pkexec.c_str(), X_OK) == 0;
}

bool LinuxPs2System::WriteDrvctl(const std::string& port, std::string_view text, std::string& error) {
  return SerioSysfs(SysfsRoot()).WriteDrvctl(port, text, error);
}

bool LinuxPs2System::RunHelper(std::string_view verb, std::string& error) {
  const std::string verbText(verb);
  const char* const argv[] = {m_programs.pkexec.c_str(), m_programs.helper.c_str(), verbText.c_str(),
                              nullptr};
  std::string output;
  int status = 0;
  if (!Spawn(argv, output, status, error)) return false;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  if (code == kPkexecDismissed) {
    error = msg::kPs2NotAuthorised;
  } else {
    error = LastLine(output);
    if (error.empty()) error = msg::FormatMessage(msg::kPs2HelperFailed, code);
    if (code == kPkexecRefused) error = std::string(msg::kPs2NotAuthorised) + " (" + error + ")";
  }
  return false;
}

std::unique_ptr<PortIo> LinuxPs2System::AcquirePorts(std::string& refusal) {
  if (!RealPortGuard::Allowed()) {
    refusal = msg::kPs2PortsSwitchedOff;
    return nullptr;
  }
  std::unique_ptr<PortIo> ports = IopermPortIo::Acquire();
  if (!ports) refusal = msg::kPs2PortsRefused;
  return ports;
}

std::unique_ptr<DriverDevice> LinuxPs2System::OpenDriverDevice(const std::string& path) {
  return KbportDriverDevice::Open(path);
}

void LinuxPs2System::Sleep(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace vexa
