// The system's HID interfaces: enumeration and opening.
//
// Enumeration is always filtered by vendor and product id: the system lists
// only the interfaces whose device records carry that identity, and nothing
// else is looked at. Opening another HID device (a mouse, a headset, a
// barcode scanner) disturbs some of them, so the keyboard is never searched
// for by opening whatever the system has.
//
// Enumerate must list the interfaces in a stable order (the same order on
// every call while nothing is plugged or unplugged), one entry per device
// path. The identity fields of an entry come from the system's device
// records, so they are known even for an interface this user may not open;
// they are not proof of what answers at that path (a device may have been
// unplugged and another one plugged in since): the port checks the open
// interface itself before it sends anything.
//
// Threads: Enumerate and Open may be called from several threads at once
// (one worker per keyboard when many are written together); an open
// HidDevice is used by one thread at a time, and different devices by
// different threads at once.
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
  std::u16string serialNumber;  // empty when the device has none
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
  // The interfaces whose records carry this vendor and product id (both
  // non-zero); std::nullopt when the system's list cannot be obtained.
  [[nodiscard]] virtual std::optional<std::vector<HidInterfaceInfo>> Enumerate(std::uint16_t vendorId,
                                                                               std::uint16_t productId) = 0;
  // Opens the interface for writing (feature reports), shared with other users.
  [[nodiscard]] virtual HidOpenResult Open(const std::string& path) = 0;
};

}  // namespace vexa
