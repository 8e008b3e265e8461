// The system's HID interfaces as the emulation presents them: the emulated
// keyboard among decoy devices (other HID interfaces, some not openable), so
// detection can be tested and tried without hardware.
//
// Each interface has two identities, as on a real system: the device record
// that enumeration lists (`info`) and what the open device itself reports
// (`attributes`, the strings). They differ when a record is stale, e.g. a
// keyboard unplugged and another device plugged in at its path.
//
// The backend watches how the host treats the devices that are not the
// keyboard ("foreign" devices): opening one is counted (ForeignOpens), and a
// feature report sent to or asked of one, or an enumeration without the
// vendor and product filter, is a violation (Violations), as is anything the
// keyboard emulator itself records.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/HidBackend.h"
#include "device/KeyboardEmulator.h"

namespace vexa {

struct EmulatedHidInterface {
  HidInterfaceInfo info;
  HidAttributes attributes;
  std::u16string manufacturer;
  std::optional<std::u16string> product;  // what the open device reports; by default the record's
  bool attributesReadable = true;
  bool isKeyboard = false;  // answers through the emulator; decoys refuse every report
  HidOpenError openError = HidOpenError::kNone;
};

class EmulatedHidBackend : public HidBackend {
 public:
  explicit EmulatedHidBackend(KeyboardEmulator& keyboard) : m_keyboard(keyboard) {}

  // The keyboard's interface with its real identity.
  static EmulatedHidInterface KeyboardInterface(std::string path);
  static EmulatedHidInterface Decoy(std::string path, std::u16string product, std::uint16_t vendorId,
                                    std::uint16_t productId);

  void Add(EmulatedHidInterface iface) { m_interfaces.push_back(std::move(iface)); }
  std::vector<EmulatedHidInterface>& Interfaces() { return m_interfaces; }
  // The keyboard's interface, or null when none was added.
  EmulatedHidInterface* Keyboard();
  void SetEnumerationFails(bool fails) { m_enumerationFails = fails; }
  [[nodiscard]] int Enumerations() const { return m_enumerations; }
  [[nodiscard]] int Opens() const { return m_opens; }
  [[nodiscard]] int ForeignOpens() const { return m_foreignOpens; }
  // This backend's violations followed by the keyboard emulator's.
  [[nodiscard]] std::vector<std::string> Violations() const;
  void ClearViolations();

  std::optional<std::vector<HidInterfaceInfo>> Enumerate(std::uint16_t vendorId,
                                                         std::uint16_t productId) override;
  HidOpenResult Open(const std::string& path) override;

  // For the open devices: a report exchanged with a foreign device.
  void ForeignReport(const std::string& path, const char* what);

 private:
  KeyboardEmulator& m_keyboard;
  std::vector<EmulatedHidInterface> m_interfaces;
  bool m_enumerationFails = false;
  int m_enumerations = 0;
  int m_opens = 0;
  int m_foreignOpens = 0;
  std::vector<std::string> m_violations;
};

}  // namespace vexa
