// Plugging in and unplugging simulated keyboards (--simulate-keyboard DIR):
// a .bin file that appears in the directory (written and closed, or moved
// in) is a keyboard plugged in, with the file's name as its serial number;
// one that is deleted or moved away is unplugged. The directory is watched
// with inotify: nothing is polled. Hidden files (the temporary files of an
// atomic save start with a dot) are not keyboards.
#pragma once

#include <string>
#include <vector>

#include "base/Outcome.h"
#include "device/HotplugMonitor.h"
#include "emulator/SimulatedKeyboard.h"

namespace vexa {

class SimulatedHotplugMonitor : public HotplugMonitor {
 public:
  explicit SimulatedHotplugMonitor(SimulatedKeyboard& keyboards);
  ~SimulatedHotplugMonitor() override;
  SimulatedHotplugMonitor(const SimulatedHotplugMonitor&) = delete;
  SimulatedHotplugMonitor& operator=(const SimulatedHotplugMonitor&) = delete;

  // Starts watching the keyboards' directory; a file that arrived before
  // the watch began is plugged in by the first Wait. A failure's text is shown.
  [[nodiscard]] Outcome Start();

  std::vector<HotplugEvent> Wait() override;
  void Wake() override;

 private:
  void Appeared(const std::string& name, std::vector<HotplugEvent>& events);
  void Disappeared(const std::string& name, std::vector<HotplugEvent>& events);

  SimulatedKeyboard& m_keyboards;
  int m_inotifyFd = -1;
  int m_wakeFd = -1;
  std::vector<HotplugEvent> m_pending;
};

}  // namespace vexa
