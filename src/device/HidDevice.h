// One open HID interface, as the USB port needs it.
//
// Feature reports are always 9 bytes and byte 0 is the report id, which is 0
// for every report of the keyboard: the payload is bytes 1..8. GetFeature
// expects byte 0 to be set to 0 by the caller before the call (the report id
// asked for) and overwrites the buffer with the report read.
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
  [[nodiscard]] virtual bool SetFeature(const FeatureReport& report) = 0;
  [[nodiscard]] virtual bool GetFeature(FeatureReport& report) = 0;
  // UTF-16 strings as the device reports them; std::nullopt when unreadable.
  [[nodiscard]] virtual std::optional<std::u16string> ManufacturerString() = 0;
  [[nodiscard]] virtual std::optional<std::u16string> ProductString() = 0;
  [[nodiscard]] virtual std::optional<HidAttributes> Attributes() = 0;
};

}  // namespace vexa
