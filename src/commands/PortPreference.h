// The communication port the user chose last time, kept in the settings store
// (section "TSYKeyboard", entry "Port": 0 for PS/2, 5 for USB), so that the
// port dialog at the next start preselects it. The first time, and for any
// other stored value, it is PS/2.
#pragma once

#include "device/KeyboardConnection.h"

namespace vexa {

class SettingsStore;

class PortPreference {
 public:
  static constexpr const char* kEntry = "Port";

  explicit PortPreference(SettingsStore& settings) : m_settings(settings) {}

  // The port the dialog opens with.
  [[nodiscard]] PortKind Initial() const;
  // Keeps the port the user chose.
  void Remember(PortKind kind);

 private:
  SettingsStore& m_settings;
};

}  // namespace vexa
