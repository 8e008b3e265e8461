#include "device/StationBackups.h"

#include <filesystem>
#include <optional>

#include "base/Messages.h"
#include "device/KeyboardGroupWrite.h"

namespace vexa {

std::unique_ptr<StationBackups> StationBackups::Open(const std::string& dir, Outcome& outcome) {
  PrivateFolder::Refusal refusal = PrivateFolder::Refusal::kNone;
  std::optional<PrivateFolder> folder = dir.empty() ? std::nullopt : PrivateFolder::Open(dir, &refusal);
  if (!folder) {
    outcome = Outcome::Failure(msg::FormatMessage(refusal == PrivateFolder::Refusal::kNotPrivate
                                                      ? msg::Tr(msg::kBackupDirNotPrivate)
                                                      : msg::Tr(msg::kBackupsCannotBeWritten),
                                                  dir.c_str()));
    return nullptr;
  }
  outcome = Outcome::Success();
  return std::make_unique<StationBackups>(dir, std::move(*folder));
}

Outcome StationBackups::Save(const KeyboardDevice& keyboard, const Image& previous) {
  std::string name;
  std::string file;
  {
    const std::lock_guard lock(m_mutex);
    const std::string first = KeyboardGroupWrite::BackupNames({keyboard}).front();
    const std::string stem = first.substr(0, first.size() - 4);
    name = first;
    // Backups of an earlier run in the same folder are kept as well.
    std::error_code ec;
    for (int n = 2;
         m_used.count(name) != 0 || std::filesystem::exists(std::filesystem::path(m_dir) / name, ec); ++n)
      name = stem + "-" + std::to_string(n) + ".bin";
    m_used.insert(name);
    file = (std::filesystem::path(m_dir) / name).string();
    m_fileOfPath[keyboard.path] = file;
  }
  std::string error;
  const std::string_view bytes(reinterpret_cast<const char*>(previous.data()), previous.size());
  if (m_folder.WriteFile(name, bytes, &error)) return Outcome::Success();
  return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateCannotWrite), file.c_str()) +
                          (error.empty() ? "" : " (" + error + ")"));
}

std::string StationBackups::FileOf(const std::string& path) const {
  const std::lock_guard lock(m_mutex);
  const auto it = m_fileOfPath.find(path);
  return it == m_fileOfPath.end() ? std::string() : it->second;
}

}  // namespace vexa
