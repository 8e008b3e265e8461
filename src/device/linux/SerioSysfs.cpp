#include "device/linux/SerioSysfs.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vexa {
namespace {

namespace fs = std::filesystem;

// A sysfs attribute: its text without the trailing line feed.
std::string ReadAttribute(const fs::path& path) {
  std::ifstream in(path);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  std::string s = text.str();
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

// Orders serio2 before serio10.
bool PortLess(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

}  // namespace

bool SerioSysfs::IsPortName(std::string_view name) {
  constexpr std::string_view kPrefix = "serio";
  constexpr size_t kMaxDigits = 9;
  if (name.size() <= kPrefix.size() || name.size() > kPrefix.size() + kMaxDigits ||
      name.substr(0, kPrefix.size()) != kPrefix)
    return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kPrefix.size()), name.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

std::string SerioSysfs::PortDir(const std::string& port) const {
  return m_root + "/bus/serio/devices/" + port;
}

std::string SerioSysfs::DrvctlPath(const std::string& port) const { return PortDir(port) + "/drvctl"; }

std::vector<std::string> SerioSysfs::KeyboardPorts() const {
  std::vector<std::string> ports;
  std::error_code ec;
  for (fs::directory_iterator it(m_root + "/bus/serio/devices", ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsPortName(name) && ReadAttribute(it->path() / "description") == kKeyboardPortDescription)
      ports.push_back(name);
  }
  std::sort(ports.begin(), ports.end(), PortLess);
  return ports;
}

std::string SerioSysfs::Driver(const std::string& port) const {
  std::error_code ec;
  const fs::path target = fs::read_symlink(PortDir(port) + "/driver", ec);
  return ec ? std::string() : target.filename().string();
}

bool SerioSysfs::DriverLoaded(std::string_view driver) const {
  std::error_code ec;
  return fs::is_directory(m_root + "/bus/serio/drivers/" + std::string(driver), ec);
}

std::string SerioSysfs::RawDeviceName(const std::string& port) const {
  std::error_code ec;
  std::vector<std::string> names;
  for (fs::directory_iterator it(PortDir(port) + "/misc", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(kRawDriver, 0) == 0) names.push_back(name);
  }
  return names.size() == 1 ? names.front() : std::string();
}

bool SerioSysfs::WriteDrvctl(const std::string& port, std::string_view text, std::string& error) const {
  // No O_CREAT: a port without drvctl is no serio port to write to.
  const int fd = ::open(DrvctlPath(port).c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  ssize_t written;
  do {
    written = ::write(fd, text.data(), text.size());
  } while (written < 0 && errno == EINTR);
  const int writeErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (written != static_cast<ssize_t>(text.size())) {
    error = written < 0 ? std::strerror(writeErrno) : "short write";
    return false;
  }
  if (!closed) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

bool SerioSysfs::LockedDown() const {
  // The mode in force stands in brackets; without the file the kernel has no lockdown.
  const std::string modes = ReadAttribute(m_root + "/kernel/security/lockdown");
  const auto open = modes.find('[');
  const auto close = modes.find(']', open);
  if (open == std::string::npos || close == std::string::npos) return false;
  return modes.substr(open + 1, close - open - 1) != "none";
}

}  // namespace vexa
