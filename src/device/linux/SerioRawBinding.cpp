#include "device/linux/SerioRawBinding.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/Messages.h"
#include "device/linux/SerioSysfs.h"

namespace vexa {
namespace {

std::mutex g_bindingsMutex;
std::vector<SerioRawBinding*> g_bindings;

constexpr std::string_view kPortKey = "port=";

std::string ReadAll(int fd) {
  std::string text;
  char chunk[256];
  off_t offset = 0;
  for (;;) {
    const ssize_t n = ::pread(fd, chunk, sizeof chunk, offset);
    if (n <= 0) break;
    text.append(chunk, static_cast<size_t>(n));
    offset += n;
  }
  return text;
}

std::string PortOfState(const std::string& state) {
  const size_t at = state.find(kPortKey);
  if (at == std::string::npos) return {};
  const size_t begin = at + kPortKey.size();
  return state.substr(begin, state.find('\n', begin) - begin);
}

}  // namespace

SerioRawBinding::SerioRawBinding(Ps2System& system) : m_system(system) {
  std::lock_guard lock(g_bindingsMutex);
  g_bindings.push_back(this);
}

SerioRawBinding::~SerioRawBinding() {
  {
    std::lock_guard lock(g_bindingsMutex);
    g_bindings.erase(std::remove(g_bindings.begin(), g_bindings.end(), this), g_bindings.end());
  }
  (void)Restore();
}

void SerioRawBinding::RestoreAll() {
  std::lock_guard lock(g_bindingsMutex);
  for (SerioRawBinding* binding : g_bindings) (void)binding->Restore();
}

bool SerioRawBinding::Holding() const {
  std::lock_guard lock(m_mutex);
  return !m_port.empty();
}

std::vector<std::string> SerioRawBinding::Obstacles() const {
  std::vector<std::string> causes;
  if (!SerioSysfs(m_system.SysfsRoot()).DriverLoaded(SerioSysfs::kRawDriver))
    causes.emplace_back(msg::kPs2NoSerioRaw);
  if (!m_system.IsRoot() && !m_system.HelperAvailable())
    causes.push_back(msg::FormatMessage(msg::kPs2NotRootNoHelper, m_system.HelperPath().c_str()));
  return causes;
}

bool SerioRawBinding::HandTo(std::string_view driver, const std::string& port, std::string& error) {
  if (m_system.IsRoot()) return m_system.WriteDrvctl(port, driver, error);
  return m_system.RunHelper(driver == SerioSysfs::kRawDriver ? "bind" : "restore", error);
}

bool SerioRawBinding::LockState(bool create, std::string& error) {
  const std::string path = m_system.StateFile();
  if (path.empty()) return create;  // nowhere to keep it: bind without, recover nothing
  if (create) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
  if (fd < 0) {
    error = msg::FormatMessage(msg::kPs2StateFileFailed, path.c_str(), std::strerror(errno));
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int lockErrno = errno;
    ::close(fd);
    error = lockErrno == EWOULDBLOCK
                ? std::string(msg::kPs2PortBusy)
                : msg::FormatMessage(msg::kPs2StateFileFailed, path.c_str(), std::strerror(lockErrno));
    return false;
  }
  m_stateFd = fd;
  return true;
}

void SerioRawBinding::UnlockState() {
  if (m_stateFd < 0) return;
  ::close(m_stateFd);  // releases the lock
  m_stateFd = -1;
}

bool SerioRawBinding::WriteState(const std::string& port, std::string& error) {
  if (m_stateFd < 0) return true;
  const std::string state = std::string(kPortKey) + port +
                            "\nrestore=" + std::string(SerioSysfs::kKeyboardDriver) +
                            "\npid=" + std::to_string(::getpid()) + "\n";
  if (::ftruncate(m_stateFd, 0) == 0 &&
      ::pwrite(m_stateFd, state.data(), state.size(), 0) == static_cast<ssize_t>(state.size()))
    return true;
  error = msg::FormatMessage(msg::kPs2StateFileFailed, m_system.StateFile().c_str(), std::strerror(errno));
  return false;
}

Outcome SerioRawBinding::Bind(std::string& node) {
  std::lock_guard lock(m_mutex);
  const SerioSysfs sysfs(m_system.SysfsRoot());
  const std::vector<std::string> ports = sysfs.KeyboardPorts();
  if (ports.empty()) return Outcome::Failure(std::string(msg::kPs2NoKeyboardPort));
  // As the helper: with two ports of that name, neither is known to be the keyboard's.
  if (ports.size() > 1) return Outcome::Failure(std::string(msg::kPs2SeveralPorts));
  const std::string& port = ports.front();
  std::string error;
  if (m_port.empty()) {
    if (!LockState(true, error)) return Outcome::Failure(error);
    // Written before the port changes hands: a run killed from here on is
    // undone at the next start.
    if (!WriteState(port, error)) {
      UnlockState();
      return Outcome::Failure(error);
    }
    m_port = port;
  }
  const auto failed = [&](std::string text) {
    Outcome restored = RestoreLocked();
    return Outcome::Failure(restored.ok ? text : msg::WithCauses(text, {restored.message}));
  };
  if (sysfs.Driver(port) != SerioSysfs::kRawDriver) {
    if (!HandTo(SerioSysfs::kRawDriver, port, error))
      return failed(msg::FormatMessage(msg::kPs2BindFailed, port.c_str(), error.c_str()));
    const std::string driver = sysfs.Driver(port);
    if (driver != SerioSysfs::kRawDriver) {
      error = msg::FormatMessage(msg::kPs2WrongDriver, port.c_str(), driver.c_str(), "serio_raw");
      return failed(msg::FormatMessage(msg::kPs2BindFailed, port.c_str(), error.c_str()));
    }
  }
  const std::string name = sysfs.RawDeviceName(port);
  if (name.empty()) return failed(msg::FormatMessage(msg::kPs2NoRawNode, port.c_str()));
  node = m_system.DevRoot() + "/" + name;
  return Outcome::Success();
}

Outcome SerioRawBinding::Restore() {
  std::lock_guard lock(m_mutex);
  return RestoreLocked();
}

Outcome SerioRawBinding::RestoreLocked() {
  if (m_port.empty()) return Outcome::Success();
  const std::string port = m_port;
  m_port.clear();
  const SerioSysfs sysfs(m_system.SysfsRoot());
  std::string error;
  bool given = true;
  if (sysfs.Driver(port) != SerioSysfs::kKeyboardDriver) {
    given = HandTo(SerioSysfs::kKeyboardDriver, port, error);
    const std::string driver = sysfs.Driver(port);
    if (given && driver != SerioSysfs::kKeyboardDriver) {
      given = false;
      error = msg::FormatMessage(msg::kPs2WrongDriver, port.c_str(), driver.c_str(), "atkbd");
    }
  }
  // A port not given back stays in the state file for the next start.
  if (given && m_stateFd >= 0) (void)::ftruncate(m_stateFd, 0);
  UnlockState();
  if (given) return Outcome::Success();
  return Outcome::Failure(
      msg::FormatMessage(msg::kPs2RestoreFailed, port.c_str(), error.c_str(), port.c_str()));
}

Outcome SerioRawBinding::RecoverAbandoned() {
  std::lock_guard lock(m_mutex);
  if (!m_port.empty()) return Outcome::Success();
  std::string error;
  // No file, or a live run holds it: nothing to recover here.
  if (!LockState(false, error)) return Outcome::Success();
  const std::string port = PortOfState(ReadAll(m_stateFd));
  const SerioSysfs sysfs(m_system.SysfsRoot());
  const std::vector<std::string> ports = sysfs.KeyboardPorts();
  const bool abandoned = !port.empty() && std::find(ports.begin(), ports.end(), port) != ports.end() &&
                         sysfs.Driver(port) == SerioSysfs::kRawDriver;
  if (!abandoned) {
    // Already given back (by hand, or by a reboot): forget it.
    (void)::ftruncate(m_stateFd, 0);
    UnlockState();
    return Outcome::Success();
  }
  m_port = port;
  return RestoreLocked();
}

}  // namespace vexa
