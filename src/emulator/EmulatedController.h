// An emulated 8042 keyboard controller with the keyboard behind it, plus the
// mask registers of the two interrupt controllers: the port I/O that the PS/2
// port's direct access uses when it talks to the simulated keyboard.
// Writes to the data port go to the keyboard; the status port shows "output
// buffer full" (bit 0) while the keyboard has bytes for the host. The input
// buffer is never full: the keyboard takes every byte at once.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "device/PortIo.h"
#include "emulator/KeyboardEmulator.h"

namespace vexa {

class EmulatedController : public PortIo {
 public:
  explicit EmulatedController(KeyboardEmulator& keyboard, std::uint8_t mask1 = 0xB8,
                              std::uint8_t mask2 = 0x8F)
      : m_keyboard(keyboard), m_mask1(mask1), m_mask2(mask2) {}

  std::uint8_t In(std::uint16_t port) override;
  void Out(std::uint16_t port, std::uint8_t value) override;

  [[nodiscard]] std::uint8_t Mask1() const { return m_mask1; }
  [[nodiscard]] std::uint8_t Mask2() const { return m_mask2; }
  // Every write to 0x21 or 0xA1, in order: (port, value).
  const std::vector<std::pair<std::uint16_t, std::uint8_t>>& MaskWrites() const { return m_maskWrites; }
  // Status reads that report the input buffer full before it empties (for the write poll limit).
  void SetBusyStatusReads(int n) { m_busyReads = n; }
  [[nodiscard]] long StatusReads() const { return m_statusReads; }

 private:
  KeyboardEmulator& m_keyboard;
  std::uint8_t m_mask1;
  std::uint8_t m_mask2;
  std::vector<std::pair<std::uint16_t, std::uint8_t>> m_maskWrites;
  int m_busyReads = 0;
  long m_statusReads = 0;
};

}  // namespace vexa
