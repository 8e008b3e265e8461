// The PS/2 port's default link on Linux: for each transfer the i8042
// keyboard port is handed to serio_raw (SerioRawBinding), its node opened
// (SerioRawLink), and afterwards closed and given back to atkbd. Between
// transfers the keyboard types as usual, so the editor can be used with it.
//
// Trap: the node appears with the bind, but udev gives the user at the seat
// access to it a moment later; opening is retried for up to kNodeWaitMs.
#pragma once

#include <memory>

#include "device/KeyboardByteLink.h"
#include "device/linux/Ps2System.h"
#include "device/linux/SerioRawBinding.h"
#include "device/linux/SerioRawLink.h"

namespace vexa {

class BoundSerioRawLink : public KeyboardByteLink {
 public:
  static constexpr int kNodeWaitMs = 2000;
  static constexpr int kNodeRetryMs = 50;

  BoundSerioRawLink(Ps2System& system, std::unique_ptr<SerioRawBinding> binding)
      : m_system(system), m_binding(std::move(binding)), m_link({}, system.ReceiveTimeoutMs()) {}

  Outcome Attach() override;
  Outcome Detach() override;
  bool SendByte(std::uint8_t byte) override { return m_link.SendByte(byte); }
  std::optional<std::uint8_t> ReceiveByte() override { return m_link.ReceiveByte(); }
  std::string Where() const override;

  SerioRawBinding& Binding() { return *m_binding; }

 private:
  Ps2System& m_system;
  std::unique_ptr<SerioRawBinding> m_binding;
  SerioRawLink m_link;
};

}  // namespace vexa
