#include "device/linux/SimulatedHotplugMonitor.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "base/Messages.h"

namespace vexa {
namespace {

bool IsKeyboardFile(const std::string& name) {
  return name.size() > 4 && name.front() != '.' && name.compare(name.size() - 4, 4, ".bin") == 0;
}

}  // namespace

SimulatedHotplugMonitor::SimulatedHotplugMonitor(SimulatedKeyboard& keyboards) : m_keyboards(keyboards) {}

SimulatedHotplugMonitor::~SimulatedHotplugMonitor() {
  if (m_inotifyFd >= 0) ::close(m_inotifyFd);
  if (m_wakeFd >= 0) ::close(m_wakeFd);
}

Outcome SimulatedHotplugMonitor::Start() {
  const auto failed = [] {
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kStationMonitorFailed), std::strerror(errno)));
  };
  m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  m_inotifyFd = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  if (m_wakeFd < 0 || m_inotifyFd < 0) return failed();
  const std::string& dir = m_keyboards.Path();
  if (::inotify_add_watch(m_inotifyFd, dir.c_str(),
                          IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM) < 0)
    return failed();
  // What arrived between the first listing and the watch: plugged in now
  // (the files already known are left as they are).
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) Appeared(name, m_pending);
  return Outcome::Success();
}

void SimulatedHotplugMonitor::Appeared(const std::string& name, std::vector<HotplugEvent>& events) {
  if (!IsKeyboardFile(name)) return;
  const std::string file = (std::filesystem::path(m_keyboards.Path()) / name).string();
  std::string hidPath;
  if (Outcome plugged = m_keyboards.Plug(file, hidPath); !plugged.ok)
    events.push_back({HotplugEvent::Kind::kNotice,
                      msg::FormatMessage(msg::Tr(msg::kStationSimulatedIgnored), plugged.message.c_str())});
  else if (!hidPath.empty())
    events.push_back({HotplugEvent::Kind::kAdded, hidPath});
}

void SimulatedHotplugMonitor::Disappeared(const std::string& name, std::vector<HotplugEvent>& events) {
  if (!IsKeyboardFile(name)) return;
  const std::string file = (std::filesystem::path(m_keyboards.Path()) / name).string();
  if (std::string hidPath = m_keyboards.Unplug(file); !hidPath.empty())
    events.push_back({HotplugEvent::Kind::kRemoved, std::move(hidPath)});
}

std::vector<HotplugEvent> SimulatedHotplugMonitor::Wait() {
  std::vector<HotplugEvent> events = std::move(m_pending);
  m_pending.clear();
  if (!events.empty() || m_inotifyFd < 0) return events;
  pollfd fds[2] = {{m_inotifyFd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
  if (::poll(fds, 2, -1) < 0) return events;
  if (fds[1].revents & POLLIN) {
    std::uint64_t count = 0;
    (void)!::read(m_wakeFd, &count, sizeof count);
  }
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t n = ::read(m_inotifyFd, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->len == 0) continue;
      const std::string name(event->name);
      if (event->mask & (IN_CLOSE_WRITE | IN_MOVED_TO))
        Appeared(name, events);
      else if (event->mask & (IN_DELETE | IN_MOVED_FROM))
        Disappeared(name, events);
    }
  }
  return events;
}

void SimulatedHotplugMonitor::Wake() {
  const std::uint64_t one = 1;
  if (m_wakeFd >= 0) (void)!::write(m_wakeFd, &one, sizeof one);
}

}  // namespace vexa
