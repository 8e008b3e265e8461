// The byte link through the keyboard controller's I/O ports: the status port
// 0x64 is polled for "output buffer full" before a byte is read from the data
// port 0x60, and for "input buffer full" to clear before a byte is written.
//
// Traps:
//   - The poll limits are counts of status reads, not times: 19,999 reads
//     (some 20 ms on a PC's LPC bus) for a byte from the keyboard, 199,999
//     before a write gives up without writing.
//   - The system's own keyboard, mouse and serial interrupt handlers read the
//     same data port. MaskInterrupts masks their lines (1, 3, 4 and 12) at the
//     two interrupt controllers and remembers the masks found; UnmaskInterrupts
//     puts exactly those back, so lines the system keeps masked stay masked.
//     A second MaskInterrupts before the unmask changes nothing.
#pragma once

#include <cstdint>

#include "device/KeyboardByteLink.h"
#include "device/PortIo.h"

namespace vexa {

class PortByteLink : public KeyboardByteLink {
 public:
  static constexpr int kReadPollLimit = 19999;
  static constexpr int kWritePollLimit = 199999;

  // `ports` must outlive the link.
  explicit PortByteLink(PortIo& ports) : m_ports(ports) {}
  ~PortByteLink() override;
  PortByteLink(const PortByteLink&) = delete;
  PortByteLink& operator=(const PortByteLink&) = delete;

  bool SendByte(std::uint8_t byte) override;
  std::optional<std::uint8_t> ReceiveByte() override;
  void MaskInterrupts() override;
  void UnmaskInterrupts() override;
  std::string Where() const override { return "PS/2 keyboard controller"; }

 private:
  PortIo& m_ports;
  bool m_masked = false;
  std::uint8_t m_savedMask1 = 0;
  std::uint8_t m_savedMask2 = 0;
};

}  // namespace vexa
