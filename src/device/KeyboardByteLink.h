// The byte level under the PS/2 port's direct access (system kind 1): one
// byte to the keyboard, one byte from it. CKBIO builds every keyboard
// operation on these two calls and nothing else, so the same protocol runs
// over the kernel's raw serio device, the controller's I/O ports or the
// emulated keyboard.
//
// Traps:
//   - Every byte the keyboard sends arrives here, its 0xFA acknowledgements
//     included; nothing may be skipped or read twice.
//   - ReceiveByte gives up after a bounded wait (the link's timeout); the
//     protocol treats a missing byte as 0 or as a failed step, never waits
//     longer on its own.
//   - A link may need to be attached before use (the kernel driver bound, a
//     node opened) and detached afterwards; the transfer does both around
//     each transfer, so between transfers the keyboard types as usual.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Outcome.h"

namespace vexa {

class KeyboardByteLink {
 public:
  virtual ~KeyboardByteLink() = default;

  // Makes the link usable for one transfer; a failure's text is shown and
  // nothing is sent. Detach undoes it, also after a failed Attach; its
  // message, if any, says what could not be undone (shown as a warning).
  [[nodiscard]] virtual Outcome Attach() { return Outcome::Success(); }
  [[nodiscard]] virtual Outcome Detach() { return Outcome::Success(); }
  // Where the keyboard is reached, as the user knows it.
  [[nodiscard]] virtual std::string Where() const = 0;

  // Sends one byte; false when it could not be handed over.
  [[nodiscard]] virtual bool SendByte(std::uint8_t byte) = 0;
  // The next byte from the keyboard, or nothing within the link's timeout.
  [[nodiscard]] virtual std::optional<std::uint8_t> ReceiveByte() = 0;

  // Around each keyboard operation. Only a link that shares the controller
  // with the system's own interrupt handlers (the I/O ports) does anything.
  virtual void MaskInterrupts() {}
  virtual void UnmaskInterrupts() {}
};

}  // namespace vexa
