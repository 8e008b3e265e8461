#include "emulator/EmulatedController.h"

namespace vexa {

std::uint8_t EmulatedController::In(std::uint16_t port) {
  switch (port) {
    case ioport::kControllerStatus: {
      ++m_statusReads;
      std::uint8_t status = m_keyboard.HasOutput() ? 0x01 : 0x00;
      if (m_busyReads != 0) {
        if (m_busyReads > 0) --m_busyReads;
        status |= 0x02;
      }
      return status;
    }
    case ioport::kControllerData:
      return m_keyboard.TakeOutput();
    case ioport::kPicMask1:
      return m_mask1;
    case ioport::kPicMask2:
      return m_mask2;
    default:
      return 0xFF;
  }
}

void EmulatedController::Out(std::uint16_t port, std::uint8_t value) {
  switch (port) {
    case ioport::kControllerData:
      m_keyboard.ReceiveByte(value);
      break;
    case ioport::kPicMask1:
      m_mask1 = value;
      m_maskWrites.emplace_back(port, value);
      break;
    case ioport::kPicMask2:
      m_mask2 = value;
      m_maskWrites.emplace_back(port, value);
      break;
    default:
      break;
  }
}

}  // namespace vexa
