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
//   - A report counts only when all 9 bytes moved: a short read is a failure.
//   - Transfers leave no handle open: OpenDevice / CloseDevice bracket each one.
//
// Touching only the keyboard: detection asks the system for the interfaces
// whose device records carry the keyboard's vendor and product id (one
// filtered enumeration) and opens only those to check their identity. No
// other HID device is ever opened, and no report goes to an interface before
// its identity was checked on the open handle. Because the list holds only
// candidates, there is no limit on how many other HID devices the system has.
//
// A keyboard that is unplugged and plugged in again may come back at another
// path, and its old path may by then belong to another device. So every
// OpenDevice checks the identity again, and when the kept path no longer
// holds the keyboard it repeats the detection over the same filtered list
// (unless the port is bound to one path with BindToPath).
//
// Several keyboards: each transfer has a port of its own (see
// KeyboardConnection::PrepareReadFrom / PrepareWriteTo), bound to its
// keyboard's path, so the ports of different keyboards may run on different
// threads at once. One port is used by one thread at a time.
//
// The port shows no messages; the transfer turns its results into messages.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/BlockCodec.h"
#include "device/Clock.h"
#include "device/Diagnostics.h"
#include "device/HidBackend.h"

namespace vexa {

// One connected keyboard as detection found it.
struct KeyboardDevice {
  std::string path;
  std::string product;       // the product string it reports, narrowed to 8 bits
  std::string serialNumber;  // from the system's record; empty when it has none
};

// Whether a listed keyboard can be used.
enum class KeyboardState {
  kReady,         // opens, is the keyboard and answers a poll
  kNoPermission,  // the system lists it, this user may not open it
  kNotAnswering,  // it can't be opened for another reason, or does not answer a poll
};

struct KeyboardListing {
  KeyboardDevice device;
  KeyboardState state = KeyboardState::kReady;
};

class CUSBport {
 public:
  static constexpr std::uint8_t kReadCommand = 0xE6;
  static constexpr std::uint8_t kWriteCommand = 0xE7;
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

  // Every connected keyboard that passes the identity check, in the system's
  // order. Opens the candidates one at a time and closes them again.
  [[nodiscard]] std::vector<KeyboardDevice> FindKeyboards();
  // Every connected keyboard with its state, also those that can't be used
  // (their product and serial number then come from the system's record).
  // Each keyboard that opens and passes the identity check is polled once: one
  // feature report read, harmless to an idle keyboard, but it would take a
  // report from a transfer that another program runs with that keyboard.
  [[nodiscard]] std::vector<KeyboardListing> ListKeyboards();
  // The same for the one interface at `path` (a keyboard just plugged in):
  // only that interface is opened. Nothing when the system does not list it
  // as the keyboard's, or something else answers there.
  [[nodiscard]] std::optional<KeyboardListing> ListKeyboard(const std::string& path);
  // Finds the first keyboard and keeps its path; the handle is closed again.
  // A candidate that cannot be opened is skipped; when the reason was missing
  // permission, KeyboardNotPermitted() tells so afterwards. A bound port
  // checks only its own path.
  [[nodiscard]] bool DetectHIDDevice();
  // True when the open interface reports the expected identity: its product
  // string begins with the expected product, vendor and product id match.
  [[nodiscard]] bool CheckHIDParam();
  // Opens the keyboard for a transfer: the kept path when it still holds the
  // keyboard, else (unless bound) the first keyboard detection finds now,
  // whose path is kept from then on. False when there is none; nothing has
  // been sent to anything then.
  [[nodiscard]] bool OpenDevice();
  void CloseDevice();
  // Binds the port to one keyboard: OpenDevice uses only `path` and never
  // moves to another keyboard.
  void BindToPath(std::string path);
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
  // The last search (detection or OpenDevice) failed for lack of permission
  // on an interface whose record is the keyboard's.
  [[nodiscard]] bool KeyboardNotPermitted() const { return m_notPermitted; }

  // The command report for a block: [0, command, address low, address high, 0 x 5].
  [[nodiscard]] static FeatureReport CommandReport(std::uint8_t command, int blockNumber);
  // Low byte of each UTF-16 unit up to the first zero, at most 51 characters.
  [[nodiscard]] static std::string Narrow(const std::u16string& text);

 private:
  void Diagnose(const std::string& line) const;
  [[nodiscard]] bool MatchesIdentity(const std::string& product, int vendorId, int productId) const;
  // One candidate's listing (see ListKeyboards).
  [[nodiscard]] std::optional<KeyboardListing> ListOne(const HidInterfaceInfo& info, int index);
  // The system's candidates: one enumeration filtered by vendor and product id.
  [[nodiscard]] std::optional<std::vector<HidInterfaceInfo>> Candidates();
  // Opens one candidate and checks its identity; on success the handle stays
  // open. `index` numbers the diagnostic line. `error` (when given) tells why
  // the open failed; it stays kNone when the device opened but is not the
  // keyboard.
  [[nodiscard]] bool OpenChecked(const HidInterfaceInfo& info, int index, HidOpenError* error = nullptr);
  [[nodiscard]] bool SetFeature(const FeatureReport& report);
  [[nodiscard]] bool GetFeature(FeatureReport& report);

  HidBackend& m_hid;
  Clock& m_clock;
  DiagnosticSink m_diagnostics;
  std::unique_ptr<HidDevice> m_device;
  std::string m_devicePath;
  bool m_bound = false;
  std::string m_expectedProduct;
  int m_vendorId = 0;
  int m_productId = 0;
  BlockBuffer m_buffer{};
  bool m_notPermitted = false;
};

}  // namespace vexa
