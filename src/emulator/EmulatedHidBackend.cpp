#include "emulator/EmulatedHidBackend.h"

#include <algorithm>
#include <span>
#include <utility>

namespace vexa {
namespace {

class EmulatedHidDevice : public HidDevice {
 public:
  EmulatedHidDevice(const EmulatedHidInterface& iface, EmulatedHidBackend& backend,
                    KeyboardEmulator* keyboard)
      : m_iface(iface), m_backend(backend), m_keyboard(keyboard) {}
  int SetFeatureReport(const FeatureReport& report) override {
    if (!m_keyboard) {
      m_backend.ForeignReport(m_iface.info.path, "sent to");
      return -1;
    }
    return m_backend.SetFeature(*m_keyboard, report);
  }
  int GetFeatureReport(FeatureReport& report) override {
    if (!m_keyboard) {
      m_backend.ForeignReport(m_iface.info.path, "asked of");
      return -1;
    }
    return m_backend.GetFeature(*m_keyboard, report);
  }
  std::optional<std::u16string> ManufacturerString() override { return m_iface.manufacturer; }
  std::optional<std::u16string> ProductString() override {
    return m_iface.product ? *m_iface.product : m_iface.info.product;
  }
  std::optional<HidAttributes> Attributes() override {
    if (!m_iface.attributesReadable) return std::nullopt;
    return m_iface.attributes;
  }

 private:
  EmulatedHidInterface m_iface;
  EmulatedHidBackend& m_backend;
  KeyboardEmulator* m_keyboard;  // null for a foreign device
};

}  // namespace

EmulatedHidInterface EmulatedHidBackend::KeyboardInterface(std::string path, KeyboardEmulator* keyboard,
                                                           std::u16string serialNumber) {
  EmulatedHidInterface k = Decoy(std::move(path), u"PX2400U", 0x0FA8, 0xC280);
  k.manufacturer = u"Tessaly";
  k.attributes.version = 0x0105;
  k.isKeyboard = true;
  k.keyboard = keyboard;
  k.info.serialNumber = std::move(serialNumber);
  return k;
}

EmulatedHidInterface EmulatedHidBackend::Decoy(std::string path, std::u16string product,
                                               std::uint16_t vendorId, std::uint16_t productId) {
  EmulatedHidInterface d;
  d.info = {std::move(path), vendorId, productId, std::move(product), {}};
  d.attributes = {vendorId, productId, 0x0100};
  d.manufacturer = u"Other";
  return d;
}

void EmulatedHidBackend::Plug(EmulatedHidInterface iface) {
  std::lock_guard lock(m_mutex);
  m_interfaces.push_back(std::move(iface));
}

void EmulatedHidBackend::SetAbsent(KeyboardEmulator& keyboard, bool absent) {
  std::lock_guard lock(m_mutex);
  keyboard.Faults().absent = absent;
}

EmulatedHidInterface* EmulatedHidBackend::Keyboard() {
  for (auto& i : m_interfaces)
    if (i.isKeyboard) return &i;
  return nullptr;
}

KeyboardEmulator* EmulatedHidBackend::KeyboardOf(const EmulatedHidInterface& iface) const {
  if (!iface.isKeyboard) return nullptr;
  return iface.keyboard ? iface.keyboard : m_keyboard;
}

std::vector<std::pair<KeyboardEmulator*, std::string>> EmulatedHidBackend::Emulators() const {
  std::vector<std::pair<KeyboardEmulator*, std::string>> all;
  if (m_keyboard) all.emplace_back(m_keyboard, std::string());
  for (const auto& i : m_interfaces) {
    KeyboardEmulator* k = KeyboardOf(i);
    if (!k) continue;
    const auto known = std::find_if(all.begin(), all.end(), [k](const auto& e) { return e.first == k; });
    if (known == all.end())
      all.emplace_back(k, i.info.path);
    else if (known->second.empty())
      known->second = i.info.path;
  }
  return all;
}

int EmulatedHidBackend::Enumerations() const {
  std::lock_guard lock(m_mutex);
  return m_enumerations;
}

int EmulatedHidBackend::Opens() const {
  std::lock_guard lock(m_mutex);
  return m_opens;
}

int EmulatedHidBackend::ForeignOpens() const {
  std::lock_guard lock(m_mutex);
  return m_foreignOpens;
}

std::vector<std::string> EmulatedHidBackend::Violations() const {
  std::lock_guard lock(m_mutex);
  std::vector<std::string> all = m_violations;
  const auto emulators = Emulators();
  for (const auto& [keyboard, path] : emulators)
    for (const std::string& v : keyboard->Violations())
      all.push_back(emulators.size() > 1 ? path + ": " + v : v);
  return all;
}

void EmulatedHidBackend::ClearViolations() {
  std::lock_guard lock(m_mutex);
  m_violations.clear();
  for (const auto& e : Emulators()) e.first->ClearViolations();
}

void EmulatedHidBackend::ForeignReport(const std::string& path, const char* what) {
  std::lock_guard lock(m_mutex);
  m_violations.push_back(std::string("a feature report ") + what + " the foreign device " + path);
}

int EmulatedHidBackend::SetFeature(KeyboardEmulator& keyboard, const FeatureReport& report) {
  std::lock_guard lock(m_mutex);
  return keyboard.SetFeature(std::span<const std::uint8_t>(report));
}

int EmulatedHidBackend::GetFeature(KeyboardEmulator& keyboard, FeatureReport& report) {
  std::lock_guard lock(m_mutex);
  return keyboard.GetFeature(std::span<std::uint8_t>(report));
}

std::optional<std::vector<HidInterfaceInfo>> EmulatedHidBackend::Enumerate(std::uint16_t vendorId,
                                                                           std::uint16_t productId) {
  std::lock_guard lock(m_mutex);
  ++m_enumerations;
  if (vendorId == 0 || productId == 0)
    m_violations.push_back("an enumeration of every HID device instead of the keyboard's vendor and product");
  if (m_enumerationFails) return std::nullopt;
  std::vector<HidInterfaceInfo> list;
  for (const auto& i : m_interfaces) {
    // An unplugged keyboard disappears from the system's list.
    if (const KeyboardEmulator* k = KeyboardOf(i); i.isKeyboard && (!k || !k->Present())) continue;
    if ((vendorId == 0 || i.info.vendorId == vendorId) && (productId == 0 || i.info.productId == productId))
      list.push_back(i.info);
  }
  return list;
}

HidOpenResult EmulatedHidBackend::Open(const std::string& path) {
  std::lock_guard lock(m_mutex);
  ++m_opens;
  for (const auto& i : m_interfaces) {
    if (i.info.path != path) continue;
    KeyboardEmulator* keyboard = KeyboardOf(i);
    if (i.isKeyboard && (!keyboard || !keyboard->Present())) break;
    if (!i.isKeyboard) ++m_foreignOpens;
    if (i.openError != HidOpenError::kNone) return {nullptr, i.openError};
    return {std::make_unique<EmulatedHidDevice>(i, *this, keyboard), HidOpenError::kNone};
  }
  return {nullptr, HidOpenError::kOther};
}

}  // namespace vexa
