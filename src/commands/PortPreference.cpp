#include "commands/PortPreference.h"

#include "document/SettingsStore.h"

namespace vexa {

PortKind PortPreference::Initial() const {
  const std::optional<int> stored = m_settings.ReadInt(kSettingsSection, kEntry);
  return stored == static_cast<int>(PortKind::kUsb) ? PortKind::kUsb : PortKind::kPs2;
}

bool PortPreference::DontAsk() const {
  // Only a port that was really chosen can be taken without asking.
  return m_settings.ReadInt(kSettingsSection, kDontAskEntry) == 1 &&
         m_settings.ReadInt(kSettingsSection, kEntry).has_value();
}

PortKind PortPreference::Preselected(bool usbKeyboardConnected) const {
  return usbKeyboardConnected ? PortKind::kUsb : Initial();
}

PortPreference::AtStart PortPreference::Start(bool usbKeyboardConnected) const {
  if (DontAsk()) return {Initial(), false};
  return {Preselected(usbKeyboardConnected), true};
}

void PortPreference::Remember(PortKind kind, bool dontAsk) {
  m_settings.WriteInt(kSettingsSection, kEntry, static_cast<int>(kind));
  m_settings.WriteInt(kSettingsSection, kDontAskEntry, dontAsk ? 1 : 0);
}

}  // namespace vexa
