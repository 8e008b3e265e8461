#include "device/EmulatedHidBackend.h"

#include <span>
#include <utility>

namespace vexa {
namespace {

class EmulatedHidDevice : public HidDevice {
 public:
  EmulatedHidDevice(const EmulatedHidInterface& iface, EmulatedHidBackend& backend,
                    KeyboardEmulator& keyboard)
      : m_iface(iface), m_backend(backend), m_keyboard(keyboard) {}
  int SetFeatureReport(const FeatureReport& report) override {
    if (!m_iface.isKeyboard) {
      m_backend.ForeignReport(m_iface.info.path, "sent to");
      return -1;
    }
    return m_keyboard.SetFeature(std::span<const std::uint8_t>(report));
  }
  int GetFeatureReport(FeatureReport& report) override {
    if (!m_iface.isKeyboard) {
      m_backend.ForeignReport(m_iface.info.path, "asked of");
      return -1;
    }
    return m_keyboard.GetFeature(std::span<std::uint8_t>(report));
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
  KeyboardEmulator& m_keyboard;
};

}  // namespace

EmulatedHidInterface EmulatedHidBackend::KeyboardInterface(std::string path) {
  EmulatedHidInterface k = Decoy(std::move(path), u"PX2400U", 0x0FA8, 0xC280);
  k.manufacturer = u"Tessaly";
  k.attributes.version = 0x0105;
  k.isKeyboard = true;
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

EmulatedHidInterface* EmulatedHidBackend::Keyboard() {
  for (auto& i : m_interfaces)
    if (i.isKeyboard) return &i;
  return nullptr;
}

std::vector<std::string> EmulatedHidBackend::Violations() const {
  std::vector<std::string> all = m_violations;
  all.insert(all.end(), m_keyboard.Violations().begin(), m_keyboard.Violations().end());
  return all;
}

void EmulatedHidBackend::ClearViolations() {
  m_violations.clear();
  m_keyboard.ClearViolations();
}

void EmulatedHidBackend::ForeignReport(const std::string& path, const char* what) {
  m_violations.push_back(std::string("a feature report ") + what + " the foreign device " + path);
}

std::optional<std::vector<HidInterfaceInfo>> EmulatedHidBackend::Enumerate(std::uint16_t vendorId,
                                                                           std::uint16_t productId) {
  ++m_enumerations;
  if (vendorId == 0 || productId == 0)
    m_violations.push_back("an enumeration of every HID device instead of the keyboard's vendor and product");
  if (m_enumerationFails) return std::nullopt;
  std::vector<HidInterfaceInfo> list;
  for (const auto& i : m_interfaces) {
    // An unplugged keyboard disappears from the system's list.
    if (i.isKeyboard && !m_keyboard.Present()) continue;
    if ((vendorId == 0 || i.info.vendorId == vendorId) && (productId == 0 || i.info.productId == productId))
      list.push_back(i.info);
  }
  return list;
}

HidOpenResult EmulatedHidBackend::Open(const std::string& path) {
  ++m_opens;
  for (const auto& i : m_interfaces) {
    if (i.info.path != path) continue;
    if (i.isKeyboard && !m_keyboard.Present()) break;
    if (!i.isKeyboard) ++m_foreignOpens;
    if (i.openError != HidOpenError::kNone) return {nullptr, i.openError};
    return {std::make_unique<EmulatedHidDevice>(i, *this, m_keyboard), HidOpenError::kNone};
  }
  return {nullptr, HidOpenError::kOther};
}

}  // namespace vexa
