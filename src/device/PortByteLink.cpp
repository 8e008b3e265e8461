#include "device/PortByteLink.h"

namespace vexa {
namespace {

constexpr std::uint8_t kStatusOutputFull = 0x01;
constexpr std::uint8_t kStatusInputFull = 0x02;
constexpr std::uint8_t kMaskLines1 = 0x1A;  // lines 1 (keyboard), 3, 4 (serial)
constexpr std::uint8_t kMaskLines2 = 0x10;  // line 12 (PS/2 mouse)

}  // namespace

PortByteLink::~PortByteLink() {
  if (m_masked) UnmaskInterrupts();
}

std::optional<std::uint8_t> PortByteLink::ReceiveByte() {
  for (int i = 0; i < kReadPollLimit; ++i) {
    if (m_ports.In(ioport::kControllerStatus) & kStatusOutputFull) return m_ports.In(ioport::kControllerData);
  }
  return std::nullopt;
}

bool PortByteLink::SendByte(std::uint8_t byte) {
  for (int i = 0; i < kWritePollLimit; ++i) {
    if (!(m_ports.In(ioport::kControllerStatus) & kStatusInputFull)) {
      m_ports.Out(ioport::kControllerData, byte);
      return true;
    }
  }
  return false;
}

void PortByteLink::MaskInterrupts() {
  if (m_masked) return;
  m_savedMask1 = m_ports.In(ioport::kPicMask1);
  m_savedMask2 = m_ports.In(ioport::kPicMask2);
  m_ports.Out(ioport::kPicMask1, static_cast<std::uint8_t>(m_savedMask1 | kMaskLines1));
  m_ports.Out(ioport::kPicMask2, static_cast<std::uint8_t>(m_savedMask2 | kMaskLines2));
  m_masked = true;
}

void PortByteLink::UnmaskInterrupts() {
  if (!m_masked) return;
  m_ports.Out(ioport::kPicMask1, m_savedMask1);
  m_ports.Out(ioport::kPicMask2, m_savedMask2);
  m_masked = false;
}

}  // namespace vexa
