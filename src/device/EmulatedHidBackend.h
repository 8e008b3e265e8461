// The system's HID interfaces as the emulation presents them: the emulated
// keyboard among decoy devices (other HID interfaces, some not openable), so
// detection can be tested and tried without hardware.
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
  void SetEnumerationFails(bool fails) { m_enumerationFails = fails; }
  [[nodiscard]] int Enumerations() const { return m_enumerations; }
  [[nodiscard]] int Opens() const { return m_opens; }

  std::optional<std::vector<HidInterfaceInfo>> Enumerate() override;
  HidOpenResult Open(const std::string& path) override;

 private:
  KeyboardEmulator& m_keyboard;
  std::vector<EmulatedHidInterface> m_interfaces;
  bool m_enumerationFails = false;
  int m_enumerations = 0;
  int m_opens = 0;
};

}  // namespace vexa
