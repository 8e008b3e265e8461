// One open HID interface, as the USB port needs it.
//
// Feature reports are always 9 bytes and byte 0 is the report id, which is 0
// for every report of the keyboard: the payload is bytes 1..8.
//
// Traps:
//   - Both calls return the number of bytes moved WITH the report id byte
//     counted, or -1. Only 9 is a whole report: a read that returns fewer
//     bytes (a device that answers a short report) must count as a failed
//     read, not as a report whose missing bytes happen to be zero.
//   - GetFeatureReport expects byte 0 to be set to the report id asked for
//     (0) before the call and overwrites the buffer with the report read.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vexa {

inline constexpr int kFeatureReportSize = 9;
using FeatureReport = std::array<std::uint8_t, kFeatureReportSize>;

struct HidAttributes {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t version = 0;
};

class HidDevice {
 public:
  virtual ~HidDevice() = default;
  // Bytes sent (report id counted), -1 on failure.
  [[nodiscard]] virtual int SetFeatureReport(const FeatureReport& report) = 0;
  // Bytes read (report id counted), -1 on failure.
  [[nodiscard]] virtual int GetFeatureReport(FeatureReport& report) = 0;
  // UTF-16 strings as the device reports them; std::nullopt when unreadable.
  [[nodiscard]] virtual std::optional<std::u16string> ManufacturerString() = 0;
  [[nodiscard]] virtual std::optional<std::u16string> ProductString() = 0;
  [[nodiscard]] virtual std::optional<HidAttributes> Attributes() = 0;
};

}  // namespace vexa
