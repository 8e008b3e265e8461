// The keyboard's PS/2 connection. The same four keyboard operations (Identify,
// ReadBlock, WriteBlock, EndWrite) run one of two ways, fixed by OpenDriver:
//   system kind 1: this process speaks the byte protocol itself through the
//     keyboard controller's ports (data 0x60, status 0x64);
//   system kind 2: the keyboard driver device does the exchange; every
//     operation is one 48-byte driver request.
//
// Protocol traps of the direct access:
//   - Every byte sent must be acknowledged with 0xFA (SendAcked retries 99 times).
//   - Blocks are written low half first and read high half first.
//   - A read answer is 78 bytes: 66 nibble bytes, then 12 that mean nothing.
//   - A write is confirmed by three bytes whose OR is 0xC0.
//   - The caller brackets every operation with MaskInterrupts/UnmaskInterrupts
//     in system kind 1, so the system's keyboard, mouse and serial interrupts
//     don't steal the controller's bytes meanwhile.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "base/Outcome.h"
#include "device/BlockCodec.h"
#include "device/DriverDevice.h"
#include "device/KbioPlatform.h"
#include "device/PortIo.h"

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
  static constexpr int kReadPollLimit = 19999;
  static constexpr int kWritePollLimit = 199999;
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
  // icon) or msg::kCannotOpenDriver (stop icon); the caller shows it and ends
  // the program with exit status 0.
  [[nodiscard]] Outcome OpenDriver();
  [[nodiscard]] int SystemKind() const { return m_systemKind; }

  // 0 = keyboard found, 1 = no keyboard, 2 = driver request failed (kind 2 only).
  [[nodiscard]] int Identify();
  [[nodiscard]] bool ReadBlock(int blockNumber);
  [[nodiscard]] bool WriteBlock(int blockNumber);
  // Direct access: whether the keyboard was found; driver: the request's success.
  bool EndWrite();

  // Kind 1 only. Masks the keyboard (1), serial (3, 4) and PS/2 mouse (12)
  // interrupt lines, remembering the masks found; unmasking puts those masks
  // back, so lines the system keeps masked stay masked.
  void MaskInterrupts();
  void UnmaskInterrupts();

  // The controller byte layer of the direct access.
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
  PortIo* m_ports = nullptr;
  std::unique_ptr<DriverDevice> m_driver;
  int m_systemKind = 0;
  std::array<std::uint8_t, 6> m_identity{};
  BlockBuffer m_buffer{};
  bool m_masked = false;
  std::uint8_t m_savedMask1 = 0;
  std::uint8_t m_savedMask2 = 0;
};

}  // namespace vexa
