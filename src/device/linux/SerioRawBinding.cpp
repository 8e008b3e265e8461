#include "device/linux/SerioRawBinding.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/Messages.h"
#include "device/linux/PortLock.h"
#include "device/linux/Ps2StateFile.h"
#include "device/linux/SerioSysfs.h"
#include "device/linux/TrustedFolder.h"

namespace vexa {
namespace {

std::mutex g_bindingsMutex;
std::vector<SerioRawBinding*> g_bindings;

constexpr mode_t kUserFolderMode = 0700;
constexpr mode_t kRunFolderMode = 0755;  // shared with the ports' locks, which others open
constexpr mode_t kStateMode = 0600;

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

void SerioRawBinding::RestoreAll(std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::lock_guard lock(g_bindingsMutex);
  for (SerioRawBinding* binding : g_bindings) {
    // A binding stuck in a hand-over is left to its own clean-up.
    if (!binding->m_mutex.try_lock_until(deadline)) continue;
    (void)binding->RestoreLocked();
    binding->m_mutex.unlock();
  }
}

bool SerioRawBinding::Holding() const {
  std::lock_guard lock(m_mutex);
  return !m_port.empty();
}

std::vector<std::string> SerioRawBinding::Obstacles() const {
  std::vector<std::string> causes;
  if (!SerioSysfs(m_system.SysfsRoot()).DriverLoaded(SerioSysfs::kRawDriver))
    causes.emplace_back(msg::Tr(msg::kPs2NoSerioRaw));
  if (!m_system.IsRoot() && !m_system.HelperAvailable())
    causes.push_back(msg::FormatMessage(msg::Tr(msg::kPs2NotRootNoHelper), m_system.HelperPath().c_str()));
  return causes;
}

bool SerioRawBinding::HandTo(std::string_view driver, const std::string& port, std::string& error) {
  if (m_system.IsRoot()) return m_system.WriteDrvctl(port, driver, error);
  return m_system.RunHelper(driver == SerioSysfs::kRawDriver ? "bind" : "restore", m_portLockFd, error);
}

bool SerioRawBinding::LockState(bool create, std::string& error) {
  const std::string base = m_system.StateFolder();
  if (base.empty()) return create;  // nowhere to keep it: bind without, recover nothing
  const std::string path = m_system.StateFile();
  const auto failed = [&](const std::string& why) {
    error = msg::FormatMessage(msg::Tr(msg::kPs2StateFileFailed), path.c_str(), why.c_str());
    return false;
  };
  // A user's state folder may not exist yet; it is the user's own, so made
  // as named. Below it nothing is followed.
  if (create && !m_system.IsRoot()) {
    std::error_code ec;
    std::filesystem::create_directories(base, ec);
  }
  std::string why;
  bool missing = false;
  const TrustedFolder trusted = TrustedFolder::Open(base, why);
  if (!trusted.Valid()) return create ? failed(why) : false;
  const TrustedFolder folder =
      trusted.Sub(Ps2System::kStateFolderName, create, m_system.IsRoot() ? kRunFolderMode : kUserFolderMode,
                  why, &missing);
  if (!folder.Valid()) return create || !missing ? failed(why) : false;
  const int fd = folder.OpenFile(Ps2System::kStateFileName, O_RDWR | (create ? O_CREAT : 0), kStateMode,
                                 false, why, &missing);
  if (fd < 0) return create || !missing ? failed(why) : false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int lockErrno = errno;
    ::close(fd);
    if (lockErrno == EWOULDBLOCK) {
      error = msg::Tr(msg::kPs2PortBusy);
      return false;
    }
    return failed(std::strerror(lockErrno));
  }
  m_stateFd = fd;
  return true;
}

bool SerioRawBinding::LockPort(const std::string& port, std::string& error) {
  std::string why;
  bool missing = false;
  int fd = PortLock::Open(m_system.RunFolder(), port, m_system.IsRoot(), why, &missing);
  if (fd < 0 && missing && !m_system.IsRoot()) {
    // The first hand-over since the boot: only root can make the lock file.
    // The helper's restore makes it and asks no one (and gives back a port
    // that a killed run left over, which is what a bind wants anyway).
    std::string ignored;
    (void)m_system.RunHelper("restore", -1, ignored);
    fd = PortLock::Open(m_system.RunFolder(), port, false, why, &missing);
  }
  if (fd < 0) {
    error = msg::FormatMessage(msg::Tr(msg::kPs2LockFailed), why.c_str());
    return false;
  }
  if (!PortLock::TryLock(fd)) {
    ::close(fd);
    error = msg::Tr(msg::kPs2PortBusy);
    return false;
  }
  m_portLockFd = fd;
  return true;
}

void SerioRawBinding::Release() {
  // Closing releases the locks: the port's after the port went back.
  for (int* fd : {&m_portLockFd, &m_stateFd}) {
    if (*fd < 0) continue;
    ::close(*fd);
    *fd = -1;
  }
}

bool SerioRawBinding::WriteState(const std::string& port, std::string& error) {
  if (m_stateFd < 0) return true;
  const std::string state = Ps2StateFile::Format(
      {port, std::string(SerioSysfs::kKeyboardDriver), static_cast<long>(::getpid()), m_system.BootId()});
  if (::ftruncate(m_stateFd, 0) == 0 &&
      ::pwrite(m_stateFd, state.data(), state.size(), 0) == static_cast<ssize_t>(state.size()))
    return true;
  error = msg::FormatMessage(msg::Tr(msg::kPs2StateFileFailed), m_system.StateFile().c_str(),
                             std::strerror(errno));
  return false;
}

void SerioRawBinding::ForgetState() {
  // Left as it was when that fails: the next start finds the port given back
  // and forgets it then.
  if (m_stateFd >= 0 && ::ftruncate(m_stateFd, 0) != 0) return;
}

Outcome SerioRawBinding::Bind(std::string& node) {
  std::lock_guard lock(m_mutex);
  const SerioSysfs sysfs(m_system.SysfsRoot());
  const std::vector<std::string> ports = sysfs.KeyboardPorts();
  if (ports.empty()) return Outcome::Failure(std::string(msg::Tr(msg::kPs2NoKeyboardPort)));
  // As the helper: with two ports of that name, neither is known to be the keyboard's.
  if (ports.size() > 1) return Outcome::Failure(std::string(msg::Tr(msg::kPs2SeveralPorts)));
  const std::string& port = ports.front();
  std::string error;
  if (m_port.empty()) {
    if (!LockState(true, error)) return Outcome::Failure(error);
    if (!LockPort(port, error)) {
      Release();
      return Outcome::Failure(error);
    }
    // Written before the port changes hands: a run killed from here on is
    // undone at the next start.
    if (!WriteState(port, error)) {
      Release();
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
      return failed(msg::FormatMessage(msg::Tr(msg::kPs2BindFailed), port.c_str(), error.c_str()));
    const std::string driver = sysfs.Driver(port);
    if (driver != SerioSysfs::kRawDriver) {
      error = msg::FormatMessage(msg::Tr(msg::kPs2WrongDriver), port.c_str(), driver.c_str(), "serio_raw");
      return failed(msg::FormatMessage(msg::Tr(msg::kPs2BindFailed), port.c_str(), error.c_str()));
    }
  }
  const std::string name = sysfs.RawDeviceName(port);
  if (name.empty()) return failed(msg::FormatMessage(msg::Tr(msg::kPs2NoRawNode), port.c_str()));
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
      error = msg::FormatMessage(msg::Tr(msg::kPs2WrongDriver), port.c_str(), driver.c_str(), "atkbd");
    }
  }
  // A port not given back stays in the state file for the next start.
  if (given) ForgetState();
  Release();
  if (given) return Outcome::Success();
  return Outcome::Failure(
      msg::FormatMessage(msg::Tr(msg::kPs2RestoreFailed), port.c_str(), error.c_str(), port.c_str()));
}

Outcome SerioRawBinding::RecoverAbandoned() {
  std::lock_guard lock(m_mutex);
  if (!m_port.empty()) return Outcome::Success();
  std::string error;
  // No file, or a live run of this user holds it: nothing to recover here.
  if (!LockState(false, error)) return Outcome::Success();
  std::string text;
  const std::optional<Ps2State> state =
      ReadLimited(m_stateFd, Ps2StateFile::kMaxBytes, text) ? Ps2StateFile::Parse(text) : std::nullopt;
  // A state of an earlier boot (or none at all) says nothing about the port
  // today: forgotten, the port untouched.
  const bool thisBoot = state && state->boot == m_system.BootId();
  const SerioSysfs sysfs(m_system.SysfsRoot());
  const std::vector<std::string> ports = sysfs.KeyboardPorts();
  const bool abandoned = thisBoot && std::find(ports.begin(), ports.end(), state->port) != ports.end() &&
                         sysfs.Driver(state->port) == SerioSysfs::kRawDriver;
  if (!abandoned) {
    // Already given back (by hand, by a reboot): forget it.
    ForgetState();
    Release();
    return Outcome::Success();
  }
  if (!LockPort(state->port, error)) {
    // Taken by a live run since (of another user): that run gives it back.
    const bool busy = error == msg::Tr(msg::kPs2PortBusy);
    if (busy) ForgetState();
    Release();
    return busy ? Outcome::Success() : Outcome::Failure(error);
  }
  m_port = state->port;
  return RestoreLocked();
}

}  // namespace vexa
