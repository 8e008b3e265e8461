#include "commands/PortPreference.h"

#include "document/SettingsStore.h"

namespace vexa {

PortKind PortPreference::Initial() const {
  const std::optional<int> stored = m_settings.ReadInt(kSettingsSection, kEntry);
  return stored == static_cast<int>(PortKind::kUsb) ? PortKind::kUsb : PortKind::kPs2;
}

void PortPreference::Remember(PortKind kind) {
  m_settings.WriteInt(kSettingsSection, kEntry, static_cast<int>(kind));
}

}  // namespace vexa
