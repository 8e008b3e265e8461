// Byte I/O on the PC's I/O ports, as the direct controller access needs it:
// the keyboard controller (data 0x60, status/command 0x64) and the mask
// registers of the two interrupt controllers (0x21, 0xA1).
//
// The real implementation touches hardware that the whole machine depends on;
// see RealPortGuard for when it may exist at all.
#pragma once

#include <cstdint>

namespace vexa {

namespace ioport {
inline constexpr std::uint16_t kControllerData = 0x60;
inline constexpr std::uint16_t kControllerStatus = 0x64;
inline constexpr std::uint16_t kPicMask1 = 0x21;
inline constexpr std::uint16_t kPicMask2 = 0xA1;
}  // namespace ioport

class PortIo {
 public:
  virtual ~PortIo() = default;
  [[nodiscard]] virtual std::uint8_t In(std::uint16_t port) = 0;
  virtual void Out(std::uint16_t port, std::uint8_t value) = 0;
};

}  // namespace vexa
