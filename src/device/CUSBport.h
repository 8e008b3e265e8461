// The keyboard's USB connection: finds the keyboard among the HID interfaces,
// checks an interface's identity and moves one 32-byte block of the memory
// image per call through 9-byte feature reports (report id 0).
//
// Protocol traps, all handled here:
//   - A block travels as 66 nibble bytes in 9 data reports after one command
//     report; inside each report the 8 payload bytes stand in REVERSE order
//     (payload byte 1 carries the 8th nibble byte of its group, byte 8 the 1st).
//   - Writing sends each byte low half first, reading receives high half first.
//   - A read waits 200 ms between its command and its data reports.
//   - Transfers leave no handle open: OpenDevice / CloseDevice bracket each one.
// The port shows no messages; the transfer turns its results into messages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "device/BlockCodec.h"
#include "device/Clock.h"
#include "device/Diagnostics.h"
#include "device/HidBackend.h"

namespace vexa {

class CUSBport {
 public:
  static constexpr std::uint8_t kReadCommand = 0xE6;
  static constexpr std::uint8_t kWriteCommand = 0xE7;
  static constexpr int kInterfacesSearched = 20;  // interface indexes 0..19
  static constexpr int kReadWaitMs = 200;
  static constexpr int kMaxStringChars = 51;

  CUSBport(HidBackend& hid, Clock& clock, DiagnosticSink diagnostics = {});
  ~CUSBport();
  CUSBport(const CUSBport&) = delete;
  CUSBport& operator=(const CUSBport&) = delete;

  // Expected identity (the caller's configuration).
  void SetExpectedProduct(std::string product) { m_expectedProduct = std::move(product); }
  void SetVendorId(int id) { m_vendorId = id; }
  void SetProductId(int id) { m_productId = id; }

  // Searches interface indexes 0..19 for the keyboard. On success the device
  // path is kept and the handle closed again. An interface that cannot be
  // opened is skipped (most other HID interfaces are not open to a normal
  // user); when it was the keyboard by its system record and the reason was
  // missing permission, KeyboardNotPermitted() tells so afterwards.
  [[nodiscard]] bool DetectHIDDevice();
  // True when the open interface reports the expected identity: its product
  // string begins with the expected product, vendor and product id match.
  [[nodiscard]] bool CheckHIDParam();
  [[nodiscard]] bool OpenDevice();
  void CloseDevice();
  [[nodiscard]] bool SendCommand(std::uint8_t command, int blockNumber);
  // Fills the block buffer; true when all 9 reports arrived and the checksum holds.
  [[nodiscard]] bool ReadBlock(int blockNumber);
  // Sends the block buffer's 32 data bytes with their checksum.
  [[nodiscard]] bool WriteBlock(int blockNumber);
  // Reads one feature report; its content is not used.
  [[nodiscard]] bool PollDevice();

  BlockBuffer& Buffer() { return m_buffer; }
  const BlockBuffer& Buffer() const { return m_buffer; }
  [[nodiscard]] const std::string& DevicePath() const { return m_devicePath; }
  [[nodiscard]] bool IsOpen() const { return m_device != nullptr; }
  // The last open (detection or OpenDevice) failed for lack of permission on
  // an interface that is the keyboard.
  [[nodiscard]] bool KeyboardNotPermitted() const { return m_notPermitted; }

  // The command report for a block: [0, command, address low, address high, 0 x 5].
  [[nodiscard]] static FeatureReport CommandReport(std::uint8_t command, int blockNumber);
  // Low byte of each UTF-16 unit up to the first zero, at most 51 characters.
  [[nodiscard]] static std::string Narrow(const std::u16string& text);

 private:
  void Diagnose(const std::string& line) const;
  [[nodiscard]] bool MatchesIdentity(const std::string& product, int vendorId, int productId) const;

  HidBackend& m_hid;
  Clock& m_clock;
  DiagnosticSink m_diagnostics;
  std::unique_ptr<HidDevice> m_device;
  std::string m_devicePath;
  std::string m_expectedProduct;
  int m_vendorId = 0;
  int m_productId = 0;
  BlockBuffer m_buffer{};
  bool m_notPermitted = false;
};

}  // namespace vexa
