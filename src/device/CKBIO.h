// The keyboard's PS/2 connection. The same four keyboard operations (Identify,
// ReadBlock, WriteBlock, EndWrite) run one of two ways, fixed by OpenDriver:
//   system kind 1: this process speaks the keyboard's byte protocol itself,
//     one byte at a time over a KeyboardByteLink. On Linux that link is the
//     kernel's raw serio device of the i8042 keyboard port (/dev/serio_rawN,
//     the kernel's controller driver doing the port I/O), a node named with
//     --ps2-device, or, only where no kernel driver owns the controller, the
//     controller's I/O ports (data 0x60, status 0x64);
//   system kind 2: the keyboard driver device does the exchange; every
//     operation is one 48-byte driver request (docs/driver-interface.md).
// The kind never changes during a run; only kind 1 waits 200 ms after each
// block attempt (see KeyboardTransfer).
//
// Protocol traps of the direct access:
//   - Every byte sent must be acknowledged with 0xFA (SendAcked retries 99 times).
//   - Blocks are written low half first and read high half first.
//   - A read answer is 78 bytes: 66 nibble bytes, then 12 that mean nothing.
//   - A write is confirmed by three bytes whose OR is 0xC0.
//   - The caller attaches the port around each transfer (Attach/Detach: the
//     kernel's raw driver is bound only meanwhile) and brackets every
//     operation with MaskInterrupts/UnmaskInterrupts in system kind 1; only
//     the I/O-port link masks anything, so the system's keyboard, mouse and
//     serial interrupts don't steal the controller's bytes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/Outcome.h"
#include "device/BlockCodec.h"
#include "device/DriverDevice.h"
#include "device/KbioPlatform.h"
#include "device/KeyboardByteLink.h"

namespace vexa {

class CKBIO {
 public:
  static constexpr std::uint8_t kIdentifyCommand = 0xE9;
  static constexpr std::uint8_t kReadCommand = 0xE6;
  static constexpr std::uint8_t kWriteCommand = 0xE7;
  static constexpr std::uint8_t kEndWriteCommand = 0xE5;
  static constexpr std::uint8_t kAck = 0xFA;
  static constexpr std::uint8_t kIdentityMarker = 0xD6;
  static constexpr std::uint8_t kWriteCompletion = 0xC0;
  static constexpr int kSendAttempts = 99;
  static constexpr int kIdentifyPasses = 9;
  static constexpr int kReadAnswerBytes = 78;

  // Identify results.
  static constexpr int kKeyboardFound = 0;
  static constexpr int kNoKeyboard = 1;
  static constexpr int kDriverFailed = 2;

  explicit CKBIO(KbioPlatform& platform);
  ~CKBIO();
  CKBIO(const CKBIO&) = delete;
  CKBIO& operator=(const CKBIO&) = delete;

  // Chooses the system kind and, in kind 2, opens the driver device. On
  // failure the message is msg::kNoSystemInformation (shown with the warning
  // icon) or msg::kCannotOpenDriver followed by one line per cause (stop
  // icon); the caller shows it and ends the program with exit status 0. A
  // success may carry a notice to show.
  [[nodiscard]] Outcome OpenDriver();
  [[nodiscard]] int SystemKind() const { return m_systemKind; }

  // Around each transfer in kind 1: makes the byte link usable (on Linux the
  // raw driver is bound) and gives the keyboard back. Detach also follows a
  // failed Attach; its message, if any, tells that the keyboard could not be
  // given back. Kind 2 needs neither.
  [[nodiscard]] Outcome Attach();
  [[nodiscard]] Outcome Detach();
  // Where the keyboard is reached, for the user: the node, the controller or
  // the driver device.
  [[nodiscard]] std::string Where() const;

  // 0 = keyboard found, 1 = no keyboard, 2 = driver request failed (kind 2 only).
  [[nodiscard]] int Identify();
  [[nodiscard]] bool ReadBlock(int blockNumber);
  [[nodiscard]] bool WriteBlock(int blockNumber);
  // Direct access: whether the keyboard was found; driver: the request's success.
  bool EndWrite();

  // Kind 1 only: the link's masking (see PortByteLink).
  void MaskInterrupts();
  void UnmaskInterrupts();

  // The byte layer of the direct access: one byte from the keyboard within
  // the link's timeout, one byte to it, and a byte sent until acknowledged.
  [[nodiscard]] std::optional<std::uint8_t> ReadControllerByte();
  [[nodiscard]] bool WriteControllerByte(std::uint8_t byte);
  [[nodiscard]] bool SendAcked(std::uint8_t byte);

  BlockBuffer& Buffer() { return m_buffer; }
  const BlockBuffer& Buffer() const { return m_buffer; }
  [[nodiscard]] const std::array<std::uint8_t, 6>& IdentityBytes() const { return m_identity; }

 private:
  [[nodiscard]] int IdentifyDirect();
  [[nodiscard]] bool ReadBlockDirect(int blockNumber);
  [[nodiscard]] bool WriteBlockDirect(int blockNumber);
  [[nodiscard]] bool Request(std::uint8_t kind, int blockNumber, DriverRecord& record);
  std::uint8_t ReadOrZero() { return ReadControllerByte().value_or(0); }
  void SendAddress(int blockNumber);

  KbioPlatform& m_platform;
  KeyboardByteLink* m_link = nullptr;
  std::unique_ptr<DriverDevice> m_driver;
  int m_systemKind = 0;
  std::array<std::uint8_t, 6> m_identity{};
  BlockBuffer m_buffer{};
};

}  // namespace vexa
