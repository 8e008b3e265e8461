// The per-user settings store of the editor and vexa-cli, kept by QSettings
// under organisation "Local AppWizard-Generated Applications", application
// "VEXA" (on Linux: ~/.config/Local AppWizard-Generated Applications/VEXA.conf).
// The model id is the integer "TSYKeyboard/Vormen"; the recent-file list is
// "Recent File List/File1" .. "File4", most recent first.
#pragma once

#include <QSettings>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/SettingsStore.h"

namespace vexa {

class QtSettingsStore final : public SettingsStore {
 public:
  // The user's store.
  QtSettingsStore();
  // A store kept in the INI file `path` (for tests and tools).
  explicit QtSettingsStore(const std::string& path);

  [[nodiscard]] std::optional<int> ReadInt(const std::string& section,
                                           const std::string& entry) const override;
  void WriteInt(const std::string& section, const std::string& entry, int value) override;
  [[nodiscard]] std::vector<std::string> RecentFiles() const override;
  void SetRecentFiles(const std::vector<std::string>& files) override;

 private:
  std::unique_ptr<QSettings> m_settings;
};

}  // namespace vexa
