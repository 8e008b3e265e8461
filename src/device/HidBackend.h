// The system's HID interfaces: enumeration and opening.
//
// Enumerate must list the interfaces in a stable order (the same order on
// every call while nothing is plugged or unplugged), one entry per device
// path: the USB port searches them by index. The identity fields of an entry
// come from the system's device records, so they are known even for an
// interface this user may not open.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/HidDevice.h"

namespace vexa {

struct HidInterfaceInfo {
  std::string path;  // any length
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::u16string product;
};

enum class HidOpenError {
  kNone,
  kPermissionDenied,  // the interface exists, this user may not open it
  kOther,             // gone, busy, or any other reason
};

struct HidOpenResult {
  std::unique_ptr<HidDevice> device;  // null on failure
  HidOpenError error = HidOpenError::kNone;
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;
  // std::nullopt when the system's list of HID interfaces cannot be obtained.
  [[nodiscard]] virtual std::optional<std::vector<HidInterfaceInfo>> Enumerate() = 0;
  // Opens the interface for writing (feature reports), shared with other users.
  [[nodiscard]] virtual HidOpenResult Open(const std::string& path) = 0;
};

}  // namespace vexa
