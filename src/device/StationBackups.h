// The backups a provisioning station takes before each write: one file per
// plug-in in the user's private backup folder, never one over another (a
// keyboard plugged in again, or two sharing a serial number, get NAME-2.bin,
// NAME-3.bin ...). Used by `vexa-cli keyboard watch --backup DIR` and the
// editor's Program Keyboards as Plugged In.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "base/Outcome.h"
#include "device/KeyboardConnection.h"
#include "document/FileIo.h"
#include "document/MemoryImage.h"

namespace vexa {

class StationBackups {
 public:
  // Opens (or creates, mode 0700) the folder; refused with the text in
  // `outcome` when it can't be used or someone else may write to it.
  [[nodiscard]] static std::unique_ptr<StationBackups> Open(const std::string& dir, Outcome& outcome);

  // Saves `previous` as the keyboard's backup under a name not used before.
  // Safe to call from several workers at once.
  [[nodiscard]] Outcome Save(const KeyboardDevice& keyboard, const Image& previous);

  // The file of the last backup taken of the keyboard at `path` (empty: none).
  [[nodiscard]] std::string FileOf(const std::string& path) const;

  StationBackups(std::string dir, PrivateFolder folder)
      : m_dir(std::move(dir)), m_folder(std::move(folder)) {}

 private:
  std::string m_dir;
  PrivateFolder m_folder;
  mutable std::mutex m_mutex;
  std::set<std::string> m_used;
  std::map<std::string, std::string> m_fileOfPath;
};

}  // namespace vexa
