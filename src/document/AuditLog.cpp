#include "document/AuditLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/Messages.h"

namespace vexa {

AuditLog::~AuditLog() {
  if (m_fd >= 0) ::close(m_fd);
}

Outcome AuditLog::Open(const std::string& path) {
  const std::lock_guard lock(m_mutex);
  if (m_fd >= 0) ::close(m_fd);
  m_path = path;
  m_fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (m_fd < 0)
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kStationLogCannotWrite), path.c_str()) + " (" +
                            std::strerror(errno) + ")");
  return Outcome::Success();
}

Outcome AuditLog::Append(std::string_view line) {
  const std::lock_guard lock(m_mutex);
  const auto failed = [this] {
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kStationLogCannotWrite), m_path.c_str()) + " (" +
                            std::strerror(errno) + ")");
  };
  if (m_fd < 0) {
    errno = EBADF;
    return failed();
  }
  std::string whole(line);
  whole.push_back('\n');
  size_t done = 0;
  while (done < whole.size()) {
    const ssize_t n = ::write(m_fd, whole.data() + done, whole.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return failed();
    done += static_cast<size_t>(n);
  }
  if (::fsync(m_fd) != 0) return failed();
  return Outcome::Success();
}

}  // namespace vexa
