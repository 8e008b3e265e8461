// What the PS/2 port needs from the system when it is opened: a byte link to
// the keyboard when this process may speak the keyboard's byte protocol
// itself (system kind 1), otherwise the keyboard driver device (kind 2).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/DriverDevice.h"
#include "device/KeyboardByteLink.h"

namespace vexa {

struct DirectAccess {
  // Owned by the platform, which outlives the port; null: no direct access.
  KeyboardByteLink* link = nullptr;
  // Without a link: why not, one line per cause, shown under "Can't open the
  // KB driver" when the driver device can't be opened either.
  std::vector<std::string> causes;
  // Something the user must hear even though the port opens (shown, and the
  // program goes on).
  std::string notice;
};

class KbioPlatform {
 public:
  virtual ~KbioPlatform() = default;
  // False when the system cannot tell which access it grants.
  [[nodiscard]] virtual bool QuerySystem() { return true; }
  // Decides once, when the port is opened, whether the byte protocol runs in
  // this process.
  [[nodiscard]] virtual DirectAccess AcquireDirectAccess() = 0;
  // Opens the driver device for reading and writing; null when it can't be.
  [[nodiscard]] virtual std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) = 0;
};

}  // namespace vexa
