// A stand-in for the programmable keyboard: plays the keyboard's side of its
// three connections over a 2048-byte memory.
//   - PS/2: bytes arrive one at a time from the (emulated) keyboard controller;
//     every byte is acknowledged with 0xFA, identify 0xE9 answers 0xD6 and five
//     bytes as nibble pairs, read 0xE6 answers 78 bytes (33 bytes as nibble
//     pairs, high half first, then 12 filler bytes), write 0xE7 takes 66 nibble
//     bytes (low half first) and answers three completion bytes ORing to 0xC0,
//     end-of-write 0xE5 is counted.
//   - USB: 9-byte feature reports; a command report (0xE6/0xE7, address, zero
//     padding) followed by 9 data reports whose 8 payload bytes stand in reverse
//     order; any other read is a poll.
//   - The driver: the 48-byte requests of the keyboard driver device.
// Faults can be injected to exercise every failure path of the host side.
//
// The emulator is at least as strict as the real keyboard, and says so: every
// breach of the USB protocol by the host is refused where the keyboard would
// refuse it and recorded in Violations(), which the tests require to be empty.
//   - A feature report must be exactly 9 bytes with report id 0.
//   - After the last data report of a block write the keyboard stores the
//     block and answers nothing for 250 ms: any report before that is early.
//   - After a read command the keyboard needs 200 ms before its first data
//     report can be read.
//   - A transfer moves the blocks in order: every command addresses block 0
//     (a transfer begins), the block of the last command (a retry) or the
//     next one of the same kind. Anything else means the host mixed up its
//     transfers, e.g. a report meant for another keyboard reached this one
//     (several keyboards written at once, each by its own worker). Tests of
//     single port operations that address blocks out of order switch this
//     check off with SetTransferOrderChecked(false).
//   - A data report sent without a write command before it is a report of
//     another exchange, never the keyboard's.
// The waits are judged by the clock given to SetClock (virtual or real time);
// without one they are not judged.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/BlockCodec.h"
#include "device/Clock.h"
#include "device/DriverDevice.h"
#include "device/HidDevice.h"
#include "document/MemoryImage.h"

namespace vexa {

// Counters: how many more times the fault happens; -1 = every time.
struct KeyboardFaults {
  bool absent = false;        // nothing answers at all
  int unplugAtBlock = -1;     // unplugged when the host addresses this block
  int lostAcks = 0;           // PS/2: the next bytes are lost (neither taken nor acknowledged)
  int badChecksumBlock = -1;  // reads of this block (-1: any) answer with a wrong checksum
  int badChecksumCount = 0;
  int failWriteBlock = -1;  // writes of this block (-1: any) fail: a data report rejected,
  int failWriteCount = 0;   //   wrong completion bytes, or a failed driver request
  int failReadBlock = -1;   // USB: a data report read fails; driver: no bytes returned
  int failReadCount = 0;
  int failPolls = 0;         // USB: reads outside a block read fail
  int shortReports = 0;      // USB: reads answer a report of 5 bytes instead of 9
  int rejectCommands = 0;    // USB: command reports refused
  bool driverFails = false;  // every driver request fails
  int forgetBlock = -1;      // writes of this block are confirmed but not stored
  bool silent = false;       // USB: listed and opened, but every report fails (a hung keyboard)
};

class KeyboardEmulator {
 public:
  // The keyboard's waits after a USB block write and after a USB read command.
  static constexpr int kBusyAfterBlockWriteMs = 250;
  static constexpr int kReadyAfterReadCommandMs = 200;

  explicit KeyboardEmulator(const Image& memory);

  // The clock that judges the host's waits (must outlive the emulator).
  void SetClock(const Clock* clock) { m_clock = clock; }
  // Every breach of the protocol by the host, in order, as a sentence.
  [[nodiscard]] const std::vector<std::string>& Violations() const { return m_violations; }
  void ClearViolations() { m_violations.clear(); }
  void SetTransferOrderChecked(bool on) { m_orderChecked = on; }

  Image& Memory() { return m_memory; }
  const Image& Memory() const { return m_memory; }
  KeyboardFaults& Faults() { return m_faults; }
  // Identity answer: 0xD6 and five bytes; the fifth must be 1..0xFA to be valid.
  std::array<std::uint8_t, 6>& Identity() { return m_identity; }
  [[nodiscard]] bool Present() const { return !m_faults.absent && !m_unplugged; }
  void Replug() { m_unplugged = false; }

  // --- PS/2, behind the keyboard controller ---------------------------------
  void ReceiveByte(std::uint8_t byte);
  [[nodiscard]] bool HasOutput() const { return !m_output.empty(); }
  std::uint8_t TakeOutput();

  // --- USB feature reports ------------------------------------------------------
  // `report` is what the host sends, report id first. Returns the bytes
  // taken (9), or -1 when the keyboard refuses the report.
  [[nodiscard]] int SetFeature(std::span<const std::uint8_t> report);
  // `report` is the host's buffer, byte 0 the report id asked for. Returns
  // the bytes answered (9; fewer with the shortReports fault), or -1.
  [[nodiscard]] int GetFeature(std::span<std::uint8_t> report);

  // --- Driver requests ------------------------------------------------------------
  [[nodiscard]] bool DriverRequest(DriverRecord& record);

  // --- What the host did, for tests ---------------------------------------------
  void SetLogging(bool on) { m_logging = on; }
  const std::vector<std::uint8_t>& HostBytes() const { return m_hostBytes; }
  const std::vector<FeatureReport>& HostReports() const { return m_hostReports; }
  void ClearLogs() { m_hostBytes.clear(), m_hostReports.clear(); }
  [[nodiscard]] int EndWrites() const { return m_endWrites; }
  [[nodiscard]] int BlocksWritten() const { return m_blocksWritten; }
  [[nodiscard]] int Polls() const { return m_polls; }

 private:
  enum class Ps2State { kCommand, kAddressLow, kAddressHigh, kWriteNibbles };
  enum class HidState { kIdle, kSending, kReceiving };

  static bool Take(int& counter);
  static bool Applies(int faultBlock, int block) { return faultBlock < 0 || faultBlock == block; }
  bool UnplugsAt(int block);
  [[nodiscard]] BlockBuffer AnswerBlock(int block);
  bool StoreBlock(int block, const NibbleStream& received, bool applyWriteFault);
  void QueueNibblePair(std::uint8_t byte);  // high half first
  void StartPs2Command(std::uint8_t command);
  void Violation(std::string what);
  // False (and a violation recorded) unless the report is 9 bytes with id 0.
  bool WellFormed(std::span<const std::uint8_t> report, const char* direction);
  // Records a violation when the keyboard is still storing the last block
  // written; `what` names the host's request.
  void CheckNotBusy(const char* what);
  // Records a violation unless a command for `block` continues the host's
  // block sequence (see above).
  void CheckInOrder(std::uint8_t command, int block);

  Image m_memory;
  KeyboardFaults m_faults;
  std::array<std::uint8_t, 6> m_identity{0xD6, 0x50, 0x58, 0x24, 0x00, 0x01};
  bool m_unplugged = false;

  Ps2State m_ps2 = Ps2State::kCommand;
  std::uint8_t m_ps2Command = 0;
  std::uint8_t m_addressLow = 0;
  int m_ps2Block = 0;
  NibbleStream m_ps2Nibbles{};
  int m_ps2NibbleCount = 0;
  std::deque<std::uint8_t> m_output;

  HidState m_hid = HidState::kIdle;
  int m_hidBlock = 0;
  int m_hidReport = 0;
  std::array<std::uint8_t, 72> m_hidStream{};

  const Clock* m_clock = nullptr;
  std::optional<std::int64_t> m_blockStoredAt;  // last data report of a block write
  std::optional<std::int64_t> m_readCommandAt;  // read command whose data is not read yet
  std::vector<std::string> m_violations;
  bool m_orderChecked = true;
  std::uint8_t m_lastCommand = 0;
  int m_lastBlock = -1;

  bool m_logging = true;
  std::vector<std::uint8_t> m_hostBytes;
  std::vector<FeatureReport> m_hostReports;
  int m_endWrites = 0;
  int m_blocksWritten = 0;
  int m_polls = 0;
};

}  // namespace vexa
