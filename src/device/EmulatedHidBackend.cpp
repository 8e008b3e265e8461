#include "device/EmulatedHidBackend.h"

#include <utility>

namespace vexa {
namespace {

class EmulatedHidDevice : public HidDevice {
 public:
  EmulatedHidDevice(const EmulatedHidInterface& iface, KeyboardEmulator& keyboard)
      : m_iface(iface), m_keyboard(keyboard) {}
  bool SetFeature(const FeatureReport& report) override {
    return m_iface.isKeyboard && m_keyboard.SetFeature(report);
  }
  bool GetFeature(FeatureReport& report) override {
    return m_iface.isKeyboard && m_keyboard.GetFeature(report);
  }
  std::optional<std::u16string> ManufacturerString() override { return m_iface.manufacturer; }
  std::optional<std::u16string> ProductString() override { return m_iface.info.product; }
  std::optional<HidAttributes> Attributes() override {
    if (!m_iface.attributesReadable) return std::nullopt;
    return m_iface.attributes;
  }

 private:
  EmulatedHidInterface m_iface;
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
  d.info = {std::move(path), vendorId, productId, std::move(product)};
  d.attributes = {vendorId, productId, 0x0100};
  d.manufacturer = u"Other";
  return d;
}

std::optional<std::vector<HidInterfaceInfo>> EmulatedHidBackend::Enumerate() {
  ++m_enumerations;
  if (m_enumerationFails) return std::nullopt;
  std::vector<HidInterfaceInfo> list;
  for (const auto& i : m_interfaces) {
    // An unplugged keyboard disappears from the system's list.
    if (i.isKeyboard && !m_keyboard.Present()) continue;
    list.push_back(i.info);
  }
  return list;
}

HidOpenResult EmulatedHidBackend::Open(const std::string& path) {
  ++m_opens;
  for (const auto& i : m_interfaces) {
    if (i.info.path != path) continue;
    if (i.isKeyboard && !m_keyboard.Present()) break;
    if (i.openError != HidOpenError::kNone) return {nullptr, i.openError};
    return {std::make_unique<EmulatedHidDevice>(i, m_keyboard), HidOpenError::kNone};
  }
  return {nullptr, HidOpenError::kOther};
}

}  // namespace vexa
