// The keyboard driver device: the keyboard exchange performed by a driver on
// the program's behalf when the program cannot reach the controller ports.
// Every operation is one control request with code 0x100 on a DriverRecord
// (layout in docs/driver-interface.md):
//   input byte 32: block number; byte 33: request kind; bytes 0..31: block data
//   of a write request; the driver fills the output and the returned count.
#pragma once

#include <array>
#include <cstdint>

namespace vexa {

inline constexpr const char* kDriverDevicePath = "/dev/kbport";
inline constexpr unsigned long kDriverControlCode = 0x100;

namespace driverreq {
inline constexpr std::uint8_t kReadBlock = 1;
inline constexpr std::uint8_t kIdentify = 2;
inline constexpr std::uint8_t kWriteBlock = 3;
inline constexpr std::uint8_t kEndWrite = 4;
inline constexpr int kBlockNumberByte = 32;
inline constexpr int kRequestKindByte = 33;
}  // namespace driverreq

// The record exchanged with the driver: laid out exactly as the driver reads
// it (48 input bytes, 48 output bytes, a 32-bit returned byte count).
struct DriverRecord {
  std::array<std::uint8_t, 48> input{};
  std::array<std::uint8_t, 48> output{};
  std::uint32_t count = 0;
};
static_assert(sizeof(DriverRecord) == 100, "the driver reads the record as 48 + 48 + 4 bytes");

class DriverDevice {
 public:
  virtual ~DriverDevice() = default;
  // One synchronous request. False when the request itself failed; the driver
  // reports "no answer" by succeeding with a count of 0.
  [[nodiscard]] virtual bool Control(unsigned long code, DriverRecord& record) = 0;
};

}  // namespace vexa
