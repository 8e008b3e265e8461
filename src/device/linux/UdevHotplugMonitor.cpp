#include "device/linux/UdevHotplugMonitor.h"

#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/Messages.h"

namespace vexa {

UdevHotplugMonitor::UdevHotplugMonitor(std::uint16_t vendorId, std::uint16_t productId)
    : m_vendorId(vendorId), m_productId(productId) {}

UdevHotplugMonitor::~UdevHotplugMonitor() {
  if (m_monitor) udev_monitor_unref(m_monitor);
  if (m_udev) udev_unref(m_udev);
  if (m_wakeFd >= 0) ::close(m_wakeFd);
}

bool UdevHotplugMonitor::HidIdMatches(const char* hidId, std::uint16_t vendorId, std::uint16_t productId) {
  if (!hidId) return false;
  unsigned bus = 0;
  unsigned vendor = 0;
  unsigned product = 0;
  if (std::sscanf(hidId, "%x:%x:%x", &bus, &vendor, &product) != 3) return false;
  return vendor == vendorId && product == productId;
}

Outcome UdevHotplugMonitor::Start() {
  const auto failed = [](const char* what) {
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kStationMonitorFailed), what));
  };
  m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (m_wakeFd < 0) return failed(std::strerror(errno));
  m_udev = udev_new();
  if (!m_udev) return failed("udev_new");
  // The daemon's events carry the rule's permissions; without a daemon there
  // are only the kernel's.
  m_source = ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
  m_monitor = udev_monitor_new_from_netlink(m_udev, m_source.c_str());
  if (!m_monitor) return failed("udev_monitor_new_from_netlink");
  if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0)
    return failed("udev_monitor_filter_add_match_subsystem_devtype");
  if (udev_monitor_enable_receiving(m_monitor) < 0) return failed(std::strerror(errno));
  // Room for a burst: a hub of keyboards plugged in at once.
  (void)udev_monitor_set_receive_buffer_size(m_monitor, 1 << 20);
  return Outcome::Success();
}

std::vector<HotplugEvent> UdevHotplugMonitor::Wait() {
  std::vector<HotplugEvent> events;
  if (!m_monitor) return events;
  pollfd fds[2] = {{udev_monitor_get_fd(m_monitor), POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
  if (::poll(fds, 2, -1) < 0) return events;  // EINTR: the caller looks again
  if (fds[1].revents & POLLIN) {
    std::uint64_t count = 0;
    (void)!::read(m_wakeFd, &count, sizeof count);
  }
  if (!(fds[0].revents & POLLIN)) return events;
  while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
    const char* action = udev_device_get_action(device);
    const char* node = udev_device_get_devnode(device);
    const char* subsystem = udev_device_get_subsystem(device);
    if (action && node && subsystem && std::string_view(subsystem) == "hidraw") {
      const std::string_view what(action);
      if (what == "remove") {
        events.push_back({HotplugEvent::Kind::kRemoved, node});
      } else if (what == "add") {
        // The parent's record says whose device it is; nothing is opened here.
        udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
        const char* hidId = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
        if (!hidId || HidIdMatches(hidId, m_vendorId, m_productId))
          events.push_back({HotplugEvent::Kind::kAdded, node});
      }
    }
    udev_device_unref(device);
  }
  return events;
}

void UdevHotplugMonitor::Wake() {
  const std::uint64_t one = 1;
  if (m_wakeFd >= 0) (void)!::write(m_wakeFd, &one, sizeof one);
}

}  // namespace vexa
