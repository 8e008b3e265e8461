// Plugged and unplugged keyboards from the system's device events: libudev's
// monitor on the hidraw subsystem, read as events arrive (no polling).
//
// Which events: where a udev daemon runs (its control socket exists), the
// "udev" events, sent once its rules ran, so the node already carries the
// permissions of the keyboard's rule when the station opens it. Where none
// runs (a container, a minimal VM), the kernel's own uevents ("kernel"): the
// node exists (devtmpfs) with the kernel's permissions.
//
// An added hidraw node is passed on only when its HID parent carries the
// keyboard's vendor and product id (HID_ID), or when that parent can't be
// read any more; the station then checks the node as detection does. Removed
// nodes are all passed on (their parent is gone by then).
#pragma once

#include <cstdint>
#include <string>

#include "base/Outcome.h"
#include "device/HotplugMonitor.h"

struct udev;
struct udev_monitor;

namespace vexa {

class UdevHotplugMonitor : public HotplugMonitor {
 public:
  UdevHotplugMonitor(std::uint16_t vendorId, std::uint16_t productId);
  ~UdevHotplugMonitor() override;
  UdevHotplugMonitor(const UdevHotplugMonitor&) = delete;
  UdevHotplugMonitor& operator=(const UdevHotplugMonitor&) = delete;

  // Subscribes to the events; a failure's text is shown. Events that come
  // after Start are kept until Wait reads them.
  [[nodiscard]] Outcome Start();
  // "udev" or "kernel": whose events are read (after Start).
  [[nodiscard]] const std::string& Source() const { return m_source; }

  std::vector<HotplugEvent> Wait() override;
  void Wake() override;

  // Whether a HID_ID property ("0003:00000FA8:0000C280") names this vendor
  // and product.
  [[nodiscard]] static bool HidIdMatches(const char* hidId, std::uint16_t vendorId, std::uint16_t productId);

 private:
  std::uint16_t m_vendorId;
  std::uint16_t m_productId;
  struct udev* m_udev = nullptr;
  struct udev_monitor* m_monitor = nullptr;
  int m_wakeFd = -1;
  std::string m_source;
};

}  // namespace vexa
