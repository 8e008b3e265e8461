// The system's HID interfaces as the emulation presents them: emulated
// keyboards among decoy devices (other HID interfaces, some not openable), so
// detection can be tested and tried without hardware.
//
// Each interface has two identities, as on a real system: the device record
// that enumeration lists (`info`) and what the open device itself reports
// (`attributes`, the strings). They differ when a record is stale, e.g. a
// keyboard unplugged and another device plugged in at its path.
//
// Several keyboards: each keyboard interface names the KeyboardEmulator that
// answers at its path (its own memory, faults and protocol checks); one
// without names the backend's own keyboard. An unplugged keyboard leaves the
// system's list.
//
// The backend watches how the host treats the devices that are not the
// keyboard ("foreign" devices): opening one is counted (ForeignOpens), and a
// feature report sent to or asked of one, or an enumeration without the
// vendor and product filter, is a violation (Violations), as is anything a
// keyboard emulator itself records.
//
// Threads: Enumerate, Open and the open devices may be used from several
// threads at once (one worker per keyboard), as the real backend allows; one
// lock guards the list, the counters and every call into an emulator. What
// tests set up or inspect directly (Interfaces(), an emulator's memory and
// faults) must be done while no worker runs.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/HidBackend.h"
#include "emulator/KeyboardEmulator.h"

namespace vexa {

struct EmulatedHidInterface {
  HidInterfaceInfo info;
  HidAttributes attributes;
  std::u16string manufacturer;
  std::optional<std::u16string> product;  // what the open device reports; by default the record's
  bool attributesReadable = true;
  bool isKeyboard = false;               // answers through an emulator; decoys refuse every report
  KeyboardEmulator* keyboard = nullptr;  // the emulator answering here; null: the backend's own
  HidOpenError openError = HidOpenError::kNone;
};

class EmulatedHidBackend : public HidBackend {
 public:
  // Without a keyboard of its own: every keyboard interface names its emulator.
  EmulatedHidBackend() = default;
  explicit EmulatedHidBackend(KeyboardEmulator& keyboard) : m_keyboard(&keyboard) {}

  // A keyboard's interface with its real identity, answered by `keyboard`
  // (null: the backend's own) and carrying `serialNumber` in its record.
  static EmulatedHidInterface KeyboardInterface(std::string path, KeyboardEmulator* keyboard = nullptr,
                                                std::u16string serialNumber = {});
  static EmulatedHidInterface Decoy(std::string path, std::u16string product, std::uint16_t vendorId,
                                    std::uint16_t productId);

  void Add(EmulatedHidInterface iface) { m_interfaces.push_back(std::move(iface)); }
  // A keyboard plugged in, and one unplugged or back, while workers may be
  // using the backend (under the lock).
  void Plug(EmulatedHidInterface iface);
  void SetAbsent(KeyboardEmulator& keyboard, bool absent);
  std::vector<EmulatedHidInterface>& Interfaces() { return m_interfaces; }
  // The first keyboard interface, or null when none was added.
  EmulatedHidInterface* Keyboard();
  void SetEnumerationFails(bool fails) { m_enumerationFails = fails; }
  [[nodiscard]] int Enumerations() const;
  [[nodiscard]] int Opens() const;
  [[nodiscard]] int ForeignOpens() const;
  // This backend's violations followed by each keyboard emulator's; with
  // several keyboards each of theirs begins with the keyboard's path.
  [[nodiscard]] std::vector<std::string> Violations() const;
  void ClearViolations();

  std::optional<std::vector<HidInterfaceInfo>> Enumerate(std::uint16_t vendorId,
                                                         std::uint16_t productId) override;
  HidOpenResult Open(const std::string& path) override;

  // For the open devices, under the lock: a report exchanged with a foreign
  // device, and the calls into a keyboard.
  void ForeignReport(const std::string& path, const char* what);
  int SetFeature(KeyboardEmulator& keyboard, const FeatureReport& report);
  int GetFeature(KeyboardEmulator& keyboard, FeatureReport& report);

 private:
  [[nodiscard]] KeyboardEmulator* KeyboardOf(const EmulatedHidInterface& iface) const;
  // Every distinct emulator with the path of its first interface.
  [[nodiscard]] std::vector<std::pair<KeyboardEmulator*, std::string>> Emulators() const;

  KeyboardEmulator* m_keyboard = nullptr;
  std::vector<EmulatedHidInterface> m_interfaces;
  bool m_enumerationFails = false;
  mutable std::mutex m_mutex;
  int m_enumerations = 0;
  int m_opens = 0;
  int m_foreignOpens = 0;
  std::vector<std::string> m_violations;
};

}  // namespace vexa
