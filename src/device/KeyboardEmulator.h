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
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "device/BlockCodec.h"
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
  int rejectCommands = 0;    // USB: command reports refused
  bool driverFails = false;  // every driver request fails
  int forgetBlock = -1;      // writes of this block are confirmed but not stored
};

class KeyboardEmulator {
 public:
  explicit KeyboardEmulator(const Image& memory);

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
  [[nodiscard]] bool SetFeature(const FeatureReport& report);
  [[nodiscard]] bool GetFeature(FeatureReport& report);

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

  bool m_logging = true;
  std::vector<std::uint8_t> m_hostBytes;
  std::vector<FeatureReport> m_hostReports;
  int m_endWrites = 0;
  int m_blocksWritten = 0;
  int m_polls = 0;
};

}  // namespace vexa
