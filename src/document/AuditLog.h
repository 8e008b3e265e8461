// An append-only log file: the provisioning station's record of which
// keyboard got which template when. Each line is appended with one write to
// a file opened for appending (so two stations logging into one file never
// interleave within a line) and is synced to the disk before Append returns:
// a line reported as logged survives a power cut at the bench.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

#include "base/Outcome.h"

namespace vexa {

class AuditLog {
 public:
  AuditLog() = default;
  ~AuditLog();
  AuditLog(const AuditLog&) = delete;
  AuditLog& operator=(const AuditLog&) = delete;

  // Opens (creates when missing) `path` for appending; a failure's text is shown.
  [[nodiscard]] Outcome Open(const std::string& path);
  [[nodiscard]] bool IsOpen() const { return m_fd >= 0; }
  // Appends `line` and a line feed, then syncs the file. Any thread.
  [[nodiscard]] Outcome Append(std::string_view line);

 private:
  std::mutex m_mutex;
  std::string m_path;
  int m_fd = -1;
};

}  // namespace vexa
