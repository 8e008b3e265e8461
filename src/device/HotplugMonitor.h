// Where the provisioning station learns that keyboards are plugged in and
// unplugged: the system's device events (device/linux/UdevHotplugMonitor.h)
// or, for the simulated keyboards, files appearing in and leaving their
// directory (device/linux/SimulatedHotplugMonitor.h). Nothing is polled: Wait
// sleeps until the system says something happened.
//
// An event names a device path as the HID backend lists it ("/dev/hidraw5").
// An added event is only a hint: the station checks the path as detection
// does (the system's record, then the open device's identity) before it
// sends anything. A removed event may name a device that was never a keyboard.
#pragma once

#include <string>
#include <vector>

namespace vexa {

struct HotplugEvent {
  enum class Kind { kAdded, kRemoved, kNotice };
  Kind kind = Kind::kAdded;
  std::string path;  // kNotice: the text to show (something was seen and ignored)
};

class HotplugMonitor {
 public:
  virtual ~HotplugMonitor() = default;
  // Blocks until events arrive or Wake() is called; may return no events
  // (woken, or something irrelevant happened). Called from one thread.
  [[nodiscard]] virtual std::vector<HotplugEvent> Wait() = 0;
  // Makes the current or the next Wait return. Any thread.
  virtual void Wake() = 0;
};

}  // namespace vexa
