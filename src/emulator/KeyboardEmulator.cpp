#include "emulator/KeyboardEmulator.h"

#include <algorithm>
#include <string>

namespace vexa {
namespace {

constexpr std::uint8_t kAck = 0xFA;
constexpr std::uint8_t kResend = 0xFE;
constexpr std::uint8_t kIdentify = 0xE9;
constexpr std::uint8_t kRead = 0xE6;
constexpr std::uint8_t kWrite = 0xE7;
constexpr std::uint8_t kEndWrite = 0xE5;
constexpr int kReadAnswerFiller = 12;  // bytes after the 66 nibble bytes of a read answer

bool IsPs2Command(std::uint8_t b) { return b == kIdentify || b == kRead || b == kWrite || b == kEndWrite; }

int BlockOfAddress(int address) { return (address / kBlockSize) % kBlockCount; }

}  // namespace

KeyboardEmulator::KeyboardEmulator(const Image& memory) : m_memory(memory) {}

bool KeyboardEmulator::Take(int& counter) {
  if (counter == 0) return false;
  if (counter > 0) --counter;
  return true;
}

bool KeyboardEmulator::UnplugsAt(int block) {
  if (m_faults.unplugAtBlock >= 0 && block == m_faults.unplugAtBlock) m_unplugged = true;
  return m_unplugged;
}

BlockBuffer KeyboardEmulator::AnswerBlock(int block) {
  BlockBuffer b{};
  std::copy_n(m_memory.begin() + block * kBlockSize, kBlockSize, b.begin());
  b[kBlockBytes] = BlockChecksum(std::span<const std::uint8_t>(b.data(), kBlockBytes));
  if (Applies(m_faults.badChecksumBlock, block) && Take(m_faults.badChecksumCount)) b[kBlockBytes] ^= 0x5A;
  return b;
}

// Received stream in host-to-keyboard order (low half first). The block is
// kept only when its checksum holds.
bool KeyboardEmulator::StoreBlock(int block, const NibbleStream& s, bool applyWriteFault) {
  BlockBuffer b{};
  for (int i = 0; i < kBlockWithChecksum; ++i)
    b[static_cast<size_t>(i)] = static_cast<std::uint8_t>((s[static_cast<size_t>(2 * i)] & 0x0F) |
                                                          ((s[static_cast<size_t>(2 * i + 1)] & 0x0F) << 4));
  if (BlockChecksum(std::span<const std::uint8_t>(b.data(), kBlockBytes)) != b[kBlockBytes]) return false;
  if (applyWriteFault && Applies(m_faults.failWriteBlock, block) && Take(m_faults.failWriteCount))
    return false;
  if (block != m_faults.forgetBlock)
    std::copy_n(b.begin(), kBlockSize, m_memory.begin() + block * kBlockSize);
  ++m_blocksWritten;
  return true;
}

// ---------------------------------------------------------------------------
// PS/2

void KeyboardEmulator::QueueNibblePair(std::uint8_t byte) {
  m_output.push_back(static_cast<std::uint8_t>(kNibbleTag | (byte >> 4)));
  m_output.push_back(static_cast<std::uint8_t>(kNibbleTag | (byte & 0x0F)));
}

std::uint8_t KeyboardEmulator::TakeOutput() {
  if (m_output.empty()) return 0;
  const std::uint8_t b = m_output.front();
  m_output.pop_front();
  return b;
}

void KeyboardEmulator::StartPs2Command(std::uint8_t command) {
  // A new command ends whatever exchange was under way, and its answer
  // replaces any answer the host did not collect.
  m_output.clear();
  m_output.push_back(kAck);
  m_ps2 = Ps2State::kCommand;
  switch (command) {
    case kIdentify:
      for (int i = 0; i < 6; ++i) {
        if (i == 0)
          m_output.push_back(m_identity[0]);
        else
          QueueNibblePair(m_identity[static_cast<size_t>(i)]);
      }
      break;
    case kRead:
    case kWrite:
      m_ps2Command = command;
      m_ps2 = Ps2State::kAddressLow;
      break;
    case kEndWrite:
      ++m_endWrites;
      break;
    default:
      break;
  }
}

void KeyboardEmulator::ReceiveByte(std::uint8_t byte) {
  if (!Present()) return;
  if (Take(m_faults.lostAcks)) return;
  if (m_logging) m_hostBytes.push_back(byte);
  if (IsPs2Command(byte) && (m_ps2 == Ps2State::kCommand || m_ps2 == Ps2State::kWriteNibbles)) {
    StartPs2Command(byte);
    return;
  }
  switch (m_ps2) {
    case Ps2State::kCommand:
      m_output.push_back(kResend);
      return;
    case Ps2State::kAddressLow:
      m_addressLow = byte;
      m_output.push_back(kAck);
      m_ps2 = Ps2State::kAddressHigh;
      return;
    case Ps2State::kAddressHigh: {
      m_ps2Block = BlockOfAddress(m_addressLow | (byte << 8));
      m_ps2 = Ps2State::kCommand;
      if (UnplugsAt(m_ps2Block)) {
        m_output.clear();
        return;
      }
      m_output.push_back(kAck);
      if (m_ps2Command == kRead) {
        const BlockBuffer b = AnswerBlock(m_ps2Block);
        for (std::uint8_t x : b) QueueNibblePair(x);
        for (int i = 0; i < kReadAnswerFiller; ++i) m_output.push_back(kNibbleTag);
      } else {
        m_ps2 = Ps2State::kWriteNibbles;
        m_ps2NibbleCount = 0;
      }
      return;
    }
    case Ps2State::kWriteNibbles:
      m_output.push_back(kAck);
      m_ps2Nibbles[static_cast<size_t>(m_ps2NibbleCount++)] = byte;
      if (m_ps2NibbleCount == kNibbleStreamLength) {
        m_ps2 = Ps2State::kCommand;
        if (StoreBlock(m_ps2Block, m_ps2Nibbles, /*applyWriteFault=*/true)) {
          m_output.insert(m_output.end(), {0x40, 0x80, 0x00});
        } else {
          m_output.insert(m_output.end(), {0xC0, 0x01, 0x00});
        }
      }
      return;
  }
}

// ---------------------------------------------------------------------------
// USB

void KeyboardEmulator::Violation(std::string what) { m_violations.push_back(std::move(what)); }

bool KeyboardEmulator::WellFormed(std::span<const std::uint8_t> r, const char* direction) {
  if (r.size() != static_cast<size_t>(kFeatureReportSize)) {
    Violation(std::string(direction) + " a feature report of " + std::to_string(r.size()) +
              " bytes; the keyboard's reports have 9");
    return false;
  }
  if (r[0] != 0) {
    Violation(std::string(direction) + " report id " + std::to_string(r[0]) +
              "; the keyboard has report id 0 only");
    return false;
  }
  return true;
}

void KeyboardEmulator::CheckNotBusy(const char* what) {
  if (!m_clock || !m_blockStoredAt) return;
  const std::int64_t since = m_clock->NowMs() - *m_blockStoredAt;
  m_blockStoredAt.reset();
  if (since < kBusyAfterBlockWriteMs)
    Violation(std::string(what) + " " + std::to_string(since) + " ms after block " +
              std::to_string(m_hidBlock) + " was written; the keyboard stores a block for 250 ms");
}

void KeyboardEmulator::CheckInOrder(std::uint8_t command, int block) {
  const bool inOrder =
      block == 0 || (command == m_lastCommand && (block == m_lastBlock || block == m_lastBlock + 1));
  if (m_orderChecked && !inOrder) {
    const auto name = [](std::uint8_t c) { return c == kRead ? std::string("read") : std::string("write"); };
    Violation("a " + name(command) + " command for block " + std::to_string(block) +
              (m_lastBlock < 0 ? std::string(" as the first command")
                               : " after a " + name(m_lastCommand) + " command for block " +
                                     std::to_string(m_lastBlock)) +
              "; a transfer moves blocks 0..63 in order");
  }
  m_lastCommand = command;
  m_lastBlock = block;
}

int KeyboardEmulator::SetFeature(std::span<const std::uint8_t> r) {
  if (!Present() || m_faults.silent) return -1;
  if (!WellFormed(r, "sent")) return -1;
  CheckNotBusy("a report sent");
  if (m_logging) {
    FeatureReport copy{};
    std::copy(r.begin(), r.end(), copy.begin());
    m_hostReports.push_back(copy);
  }
  // A command report has zero padding; every data report carries a nibble
  // byte (0xD0..0xDF) in its last payload byte, so the two never mix up.
  const bool command =
      (r[1] == kRead || r[1] == kWrite) && r[4] == 0 && r[5] == 0 && r[6] == 0 && r[7] == 0 && r[8] == 0;
  if (command) {
    if (Take(m_faults.rejectCommands)) return -1;
    const int block = BlockOfAddress(r[2] | (r[3] << 8));
    if (UnplugsAt(block)) return -1;
    CheckInOrder(r[1], block);
    m_hidBlock = block;
    m_hidReport = 0;
    m_readCommandAt.reset();
    if (r[1] == kRead) {
      const BlockBuffer b = AnswerBlock(block);
      m_hidStream.fill(kNibbleTag);
      for (int k = 0; k < kBlockWithChecksum; ++k) {
        m_hidStream[static_cast<size_t>(2 * k)] =
            static_cast<std::uint8_t>(kNibbleTag | (b[static_cast<size_t>(k)] >> 4));
        m_hidStream[static_cast<size_t>(2 * k + 1)] =
            static_cast<std::uint8_t>(kNibbleTag | (b[static_cast<size_t>(k)] & 0x0F));
      }
      m_hid = HidState::kSending;
      if (m_clock) m_readCommandAt = m_clock->NowMs();
    } else {
      m_hid = HidState::kReceiving;
    }
    return kFeatureReportSize;
  }
  if (m_hid != HidState::kReceiving) {
    // Taken and ignored, as the keyboard does; but the host never sends one.
    Violation("a data report sent without a write command before it (" +
              std::string(m_hid == HidState::kSending ? "during a read of block " : "after block ") +
              std::to_string(m_hidBlock) + ")");
    return kFeatureReportSize;
  }
  if (m_hidReport == 0 && Applies(m_faults.failWriteBlock, m_hidBlock) && Take(m_faults.failWriteCount)) {
    m_hid = HidState::kIdle;
    return -1;
  }
  for (int j = 1; j <= 8; ++j)
    m_hidStream[static_cast<size_t>(m_hidReport * 8 + 8 - j)] = r[static_cast<size_t>(j)];
  if (++m_hidReport == 9) {
    m_hid = HidState::kIdle;
    NibbleStream s{};
    std::copy_n(m_hidStream.begin(), kNibbleStreamLength, s.begin());
    (void)StoreBlock(m_hidBlock, s, /*applyWriteFault=*/false);  // USB write faults reject a report
    if (m_clock) m_blockStoredAt = m_clock->NowMs();
  }
  return kFeatureReportSize;
}

int KeyboardEmulator::GetFeature(std::span<std::uint8_t> r) {
  if (!Present() || m_faults.silent) return -1;
  if (!WellFormed(r, "asked for")) return -1;
  CheckNotBusy(m_hid == HidState::kSending ? "a data report read" : "a poll");
  // A short report: the keyboard's answer ends after 5 bytes.
  const int answered = Take(m_faults.shortReports) ? 5 : kFeatureReportSize;
  if (m_hid != HidState::kSending) {
    ++m_polls;
    if (Take(m_faults.failPolls)) return -1;
    std::fill(r.begin(), r.end(), std::uint8_t{0});
    return answered;
  }
  if (m_hidReport == 0) {
    if (m_clock && m_readCommandAt) {
      const std::int64_t since = m_clock->NowMs() - *m_readCommandAt;
      if (since < kReadyAfterReadCommandMs)
        Violation("the data of block " + std::to_string(m_hidBlock) + " read " + std::to_string(since) +
                  " ms after the read command; the keyboard needs 200 ms to answer");
    }
    m_readCommandAt.reset();
    if (Applies(m_faults.failReadBlock, m_hidBlock) && Take(m_faults.failReadCount)) {
      m_hid = HidState::kIdle;
      return -1;
    }
  }
  r[0] = 0;
  for (int j = 1; j <= 8; ++j)
    r[static_cast<size_t>(j)] = m_hidStream[static_cast<size_t>(m_hidReport * 8 + 8 - j)];
  if (++m_hidReport == 9) m_hid = HidState::kIdle;
  return answered;
}

// ---------------------------------------------------------------------------
// Driver

bool KeyboardEmulator::DriverRequest(DriverRecord& rec) {
  if (m_faults.driverFails) return false;
  rec.count = 0;
  const int block = rec.input[driverreq::kBlockNumberByte];
  const std::uint8_t kind = rec.input[driverreq::kRequestKindByte];
  if (!Present()) return true;  // the driver is there, the keyboard answers nothing
  switch (kind) {
    case driverreq::kIdentify:
      if (m_identity[0] == 0xD6 && m_identity[5] != 0 && m_identity[5] <= 0xFA) {
        std::copy(m_identity.begin(), m_identity.end(), rec.output.begin());
        rec.count = 6;
      }
      return true;
    case driverreq::kReadBlock:
      if (block >= kBlockCount || UnplugsAt(block)) return true;
      if (Applies(m_faults.failReadBlock, block) && Take(m_faults.failReadCount)) return true;
      std::copy_n(m_memory.begin() + block * kBlockSize, kBlockSize, rec.output.begin());
      rec.count = kBlockSize;
      return true;
    case driverreq::kWriteBlock:
      if (block >= kBlockCount || UnplugsAt(block)) return true;
      if (Applies(m_faults.failWriteBlock, block) && Take(m_faults.failWriteCount)) return true;
      if (block != m_faults.forgetBlock)
        std::copy_n(rec.input.begin(), kBlockSize, m_memory.begin() + block * kBlockSize);
      ++m_blocksWritten;
      rec.count = kBlockSize;
      return true;
    case driverreq::kEndWrite:
      ++m_endWrites;
      rec.count = 1;
      return true;
    default:
      return true;
  }
}

}  // namespace vexa
