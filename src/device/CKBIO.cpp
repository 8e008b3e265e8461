#include "device/CKBIO.h"

#include <algorithm>
#include <string>

#include "base/Messages.h"

namespace vexa {
namespace {

std::uint8_t Combine(std::uint8_t high, std::uint8_t low) {
  return static_cast<std::uint8_t>(((high & 0x0F) << 4) | (low & 0x0F));
}

}  // namespace

CKBIO::CKBIO(KbioPlatform& platform) : m_platform(platform) {}

CKBIO::~CKBIO() = default;

Outcome CKBIO::OpenDriver() {
  if (!m_platform.QuerySystem()) return Outcome::Failure(std::string(msg::Tr(msg::kNoSystemInformation)));
  DirectAccess direct = m_platform.AcquireDirectAccess();
  m_link = direct.link;
  m_systemKind = m_link ? 1 : 2;
  if (m_systemKind == 2) {
    m_driver = m_platform.OpenDriverDevice(kDriverDevicePath);
    if (!m_driver) return Outcome::Stop(msg::WithCauses(msg::Tr(msg::kCannotOpenDriver), direct.causes));
  }
  if (!direct.notice.empty()) return Outcome::Warning(std::move(direct.notice));
  return Outcome::Success();
}

Outcome CKBIO::Attach() { return m_link ? m_link->Attach() : Outcome::Success(); }

Outcome CKBIO::Detach() { return m_link ? m_link->Detach() : Outcome::Success(); }

std::string CKBIO::Where() const {
  if (m_link) return m_link->Where();
  return m_driver ? kDriverDevicePath : "";
}

// ---------------------------------------------------------------------------
// Byte layer

std::optional<std::uint8_t> CKBIO::ReadControllerByte() {
  if (!m_link) return std::nullopt;
  return m_link->ReceiveByte();
}

bool CKBIO::WriteControllerByte(std::uint8_t byte) { return m_link && m_link->SendByte(byte); }

bool CKBIO::SendAcked(std::uint8_t byte) {
  for (int attempt = 0; attempt < kSendAttempts; ++attempt) {
    if (WriteControllerByte(byte) && ReadControllerByte() == kAck) return true;
  }
  return false;
}

void CKBIO::MaskInterrupts() {
  if (m_link) m_link->MaskInterrupts();
}

void CKBIO::UnmaskInterrupts() {
  if (m_link) m_link->UnmaskInterrupts();
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
