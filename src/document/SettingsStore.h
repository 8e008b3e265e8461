// The per-user settings store: the current model id (section "TSYKeyboard",
// entry "Vormen") and the recent-file list. The editor and vexa-cli use the
// QSettings store (organisation "Local AppWizard-Generated Applications",
// application "VEXA"); tests use MemorySettingsStore.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

inline constexpr const char* kSettingsSection = "TSYKeyboard";
inline constexpr const char* kSettingsModelEntry = "Vormen";
inline constexpr int kRecentFileCount = 4;

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  [[nodiscard]] virtual std::optional<int> ReadInt(const std::string& section,
                                                   const std::string& entry) const = 0;
  virtual void WriteInt(const std::string& section, const std::string& entry, int value) = 0;
  // Most recent first, at most kRecentFileCount entries.
  [[nodiscard]] virtual std::vector<std::string> RecentFiles() const = 0;
  virtual void SetRecentFiles(const std::vector<std::string>& files) = 0;
};

class MemorySettingsStore final : public SettingsStore {
 public:
  std::optional<int> ReadInt(const std::string& section, const std::string& entry) const override {
    auto it = m_ints.find(section + "/" + entry);
    if (it == m_ints.end()) return std::nullopt;
    return it->second;
  }
  void WriteInt(const std::string& section, const std::string& entry, int value) override {
    m_ints[section + "/" + entry] = value;
  }
  std::vector<std::string> RecentFiles() const override { return m_recent; }
  void SetRecentFiles(const std::vector<std::string>& files) override { m_recent = files; }

 private:
  std::map<std::string, int> m_ints;
  std::vector<std::string> m_recent;
};

// Puts `path` first in the list, removing an earlier entry of it and keeping at
// most kRecentFileCount entries.
[[nodiscard]] std::vector<std::string> AddRecentFile(std::vector<std::string> list, const std::string& path);

}  // namespace vexa
