#include "device/CKBIO.h"

#include <algorithm>
#include <string>

#include "base/Messages.h"

namespace vexa {
namespace {

constexpr std::uint8_t kStatusOutputFull = 0x01;
constexpr std::uint8_t kStatusInputFull = 0x02;
constexpr std::uint8_t kMaskLines1 = 0x1A;  // lines 1 (keyboard), 3, 4 (serial)
constexpr std::uint8_t kMaskLines2 = 0x10;  // line 12 (PS/2 mouse)

std::uint8_t Combine(std::uint8_t high, std::uint8_t low) {
  return static_cast<std::uint8_t>(((high & 0x0F) << 4) | (low & 0x0F));
}

}  // namespace

CKBIO::CKBIO(KbioPlatform& platform) : m_platform(platform) {}

CKBIO::~CKBIO() {
  if (m_masked) UnmaskInterrupts();
}

Outcome CKBIO::OpenDriver() {
  if (!m_platform.QuerySystem()) return Outcome::Failure(std::string(msg::kNoSystemInformation));
  m_ports = m_platform.AcquireControllerPorts();
  m_systemKind = m_ports ? 1 : 2;
  if (m_systemKind == 2) {
    m_driver = m_platform.OpenDriverDevice(kDriverDevicePath);
    if (!m_driver) return Outcome::Failure(std::string(msg::kCannotOpenDriver));
  }
  return Outcome::Success();
}

// ---------------------------------------------------------------------------
// Controller byte layer

std::optional<std::uint8_t> CKBIO::ReadControllerByte() {
  if (!m_ports) return std::nullopt;
  for (int i = 0; i < kReadPollLimit; ++i) {
    if (m_ports->In(ioport::kControllerStatus) & kStatusOutputFull)
      return m_ports->In(ioport::kControllerData);
  }
  return std::nullopt;
}

bool CKBIO::WriteControllerByte(std::uint8_t byte) {
  if (!m_ports) return false;
  for (int i = 0; i < kWritePollLimit; ++i) {
    if (!(m_ports->In(ioport::kControllerStatus) & kStatusInputFull)) {
      m_ports->Out(ioport::kControllerData, byte);
      return true;
    }
  }
  return false;
}

bool CKBIO::SendAcked(std::uint8_t byte) {
  for (int attempt = 0; attempt < kSendAttempts; ++attempt) {
    if (WriteControllerByte(byte) && ReadControllerByte() == kAck) return true;
  }
  return false;
}

void CKBIO::MaskInterrupts() {
  if (!m_ports || m_masked) return;
  m_savedMask1 = m_ports->In(ioport::kPicMask1);
  m_savedMask2 = m_ports->In(ioport::kPicMask2);
  m_ports->Out(ioport::kPicMask1, static_cast<std::uint8_t>(m_savedMask1 | kMaskLines1));
  m_ports->Out(ioport::kPicMask2, static_cast<std::uint8_t>(m_savedMask2 | kMaskLines2));
  m_masked = true;
}

void CKBIO::UnmaskInterrupts() {
  if (!m_ports || !m_masked) return;
  m_ports->Out(ioport::kPicMask1, m_savedMask1);
  m_ports->Out(ioport::kPicMask2, m_savedMask2);
  m_masked = false;
}

// ---------------------------------------------------------------------------
// Keyboard operations

int CKBIO::Identify() {
  if (m_systemKind == 1) return IdentifyDirect();
  DriverRecord rec;
  if (!Request(driverreq::kIdentify, 0, rec)) return kDriverFailed;
  if (rec.count == 0) return kNoKeyboard;
  std::copy_n(rec.output.begin(), m_identity.size(), m_identity.begin());
  return kKeyboardFound;
}

int CKBIO::IdentifyDirect() {
  if (SendAcked(kIdentifyCommand)) {
    for (int pass = 0; pass < kIdentifyPasses; ++pass) {
      std::uint8_t b = 0;
      for (int i = 0; i < 9; ++i) {
        b = ReadOrZero();
        if (b == kIdentityMarker) break;
      }
      m_identity[0] = b;
      std::array<std::uint8_t, 10> pairs{};
      for (auto& p : pairs) p = ReadOrZero();
      for (size_t k = 1; k <= 5; ++k) m_identity[k] = Combine(pairs[2 * k - 2], pairs[2 * k - 1]);
      if (m_identity[0] == kIdentityMarker && m_identity[5] != 0 && m_identity[5] <= 0xFA)
        return kKeyboardFound;
      if (!SendAcked(kIdentifyCommand)) break;
    }
  }
  (void)ReadOrZero();
  (void)ReadOrZero();
  return kNoKeyboard;
}

void CKBIO::SendAddress(int blockNumber) {
  const int address = blockNumber * kBlockBytes;
  (void)SendAcked(static_cast<std::uint8_t>(address & 0xFF));
  (void)SendAcked(static_cast<std::uint8_t>((address >> 8) & 0xFF));
}

bool CKBIO::ReadBlock(int blockNumber) {
  if (m_systemKind == 1) return ReadBlockDirect(blockNumber);
  DriverRecord rec;
  if (!Request(driverreq::kReadBlock, blockNumber, rec) || rec.count == 0) return false;
  std::copy_n(rec.output.begin(), kBlockBytes, m_buffer.begin());
  return true;
}

bool CKBIO::ReadBlockDirect(int blockNumber) {
  if (IdentifyDirect() != kKeyboardFound) return false;
  (void)SendAcked(kReadCommand);
  SendAddress(blockNumber);
  std::array<std::uint8_t, kReadAnswerBytes> answer{};
  bool complete = true;
  for (size_t i = 0; i < answer.size(); ++i) {
    const auto b = ReadControllerByte();
    answer[i] = b.value_or(0);
    if (!b && i < 2 * m_buffer.size()) complete = false;
  }
  for (size_t k = 0; k < m_buffer.size(); ++k) m_buffer[k] = Combine(answer[2 * k], answer[2 * k + 1]);
  // A keyboard that falls silent yields zeros, and zeros pass the checksum:
  // a block with a missing byte is a failed read, never a block of zeros.
  return complete && BlockChecksum(m_buffer) == 0;
}

bool CKBIO::WriteBlock(int blockNumber) {
  if (m_systemKind == 1) return WriteBlockDirect(blockNumber);
  DriverRecord rec;
  std::copy_n(m_buffer.begin(), kBlockBytes, rec.input.begin());
  return Request(driverreq::kWriteBlock, blockNumber, rec) && rec.count != 0;
}

bool CKBIO::WriteBlockDirect(int blockNumber) {
  if (IdentifyDirect() != kKeyboardFound) return false;
  (void)SendAcked(kWriteCommand);
  SendAddress(blockNumber);
  const NibbleStream stream =
      EncodeHostToKeyboard(std::span<const std::uint8_t, kBlockBytes>(m_buffer.data(), kBlockBytes));
  for (std::uint8_t nibble : stream) (void)SendAcked(nibble);
  std::uint8_t completion = 0;
  for (int i = 0; i < 3; ++i) completion |= ReadOrZero();
  return completion == kWriteCompletion;
}

bool CKBIO::EndWrite() {
  if (m_systemKind == 1) {
    if (IdentifyDirect() != kKeyboardFound) return false;
    (void)SendAcked(kEndWriteCommand);
    return true;
  }
  DriverRecord rec;
  return Request(driverreq::kEndWrite, 0, rec);
}

bool CKBIO::Request(std::uint8_t kind, int blockNumber, DriverRecord& rec) {
  if (!m_driver) return false;
  rec.input[driverreq::kBlockNumberByte] = static_cast<std::uint8_t>(blockNumber);
  rec.input[driverreq::kRequestKindByte] = kind;
  rec.count = 0;
  return m_driver->Control(kDriverControlCode, rec);
}

}  // namespace vexa
