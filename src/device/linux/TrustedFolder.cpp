#include "device/linux/TrustedFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace vexa {
namespace {

bool OwnedByUsOrRoot(const struct stat& st) { return st.st_uid == ::geteuid() || st.st_uid == 0; }

std::string Reason(const std::string& path, const char* why) { return path + ": " + why; }

}  // namespace

TrustedFolder TrustedFolder::Open(const std::string& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    error = Reason(path, std::strerror(errno));
    return {};
  }
  return {fd, path};
}

TrustedFolder::TrustedFolder(TrustedFolder&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)) {}

TrustedFolder& TrustedFolder::operator=(TrustedFolder&& other) noexcept {
  if (this != &other) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = std::exchange(other.m_fd, -1);
    m_path = std::move(other.m_path);
  }
  return *this;
}

TrustedFolder::~TrustedFolder() {
  if (m_fd >= 0) ::close(m_fd);
}

TrustedFolder TrustedFolder::Sub(const std::string& name, bool create, mode_t mode, std::string& error,
                                 bool* missing) const {
  const std::string path = m_path + "/" + name;
  if (missing) *missing = false;
  if (m_fd < 0 || name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
    error = Reason(path, "not a folder name");
    return {};
  }
  bool made = false;
  if (create) {
    if (::mkdirat(m_fd, name.c_str(), mode) == 0)
      made = true;
    else if (errno != EEXIST) {
      error = Reason(path, std::strerror(errno));
      return {};
    }
  }
  const int fd = ::openat(m_fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (missing) *missing = errno == ENOENT;
    // A link is refused with ELOOP or ENOTDIR: say what it is.
    error = Reason(path, errno == ELOOP || errno == ENOTDIR ? "not a real folder" : std::strerror(errno));
    return {};
  }
  struct stat st {};
  if (made) (void)::fchmod(fd, mode);
  if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || !OwnedByUsOrRoot(st) ||
      (st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    ::close(fd);
    error = Reason(path, "a folder that others own or may write to");
    return {};
  }
  return {fd, path};
}

int TrustedFolder::OpenFile(const std::string& name, int flags, mode_t mode, bool rootMayOwn,
                            std::string& error, bool* missing) const {
  const std::string path = m_path + "/" + name;
  if (missing) *missing = false;
  if (m_fd < 0 || name.empty() || name.find('/') != std::string::npos) {
    error = Reason(path, "not a file name");
    return -1;
  }
  // O_NONBLOCK: a FIFO put in the file's place must not hang the open; it is
  // refused below.
  const int fd = ::openat(m_fd, name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, mode);
  if (fd < 0) {
    if (missing) *missing = errno == ENOENT;
    error = Reason(path, errno == ELOOP ? "a symbolic link" : std::strerror(errno));
    return -1;
  }
  struct stat st {};
  const bool owned = [&] {
    if (::fstat(fd, &st) != 0) return false;
    return st.st_uid == ::geteuid() || (rootMayOwn && st.st_uid == 0);
  }();
  if (!owned || !S_ISREG(st.st_mode) || st.st_nlink != 1) {
    ::close(fd);
    error = Reason(path, "not a regular file of this user with one link");
    return -1;
  }
  // Created by us: exactly `mode`, whatever the umask (others may have to
  // open it to lock it).
  if ((flags & O_CREAT) && st.st_uid == ::geteuid() && (st.st_mode & 07777) != mode) (void)::fchmod(fd, mode);
  (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool ReadLimited(int fd, size_t limit, std::string& text) {
  std::string read(limit + 1, '\0');
  size_t have = 0;
  while (have < read.size()) {
    const ssize_t n = ::pread(fd, read.data() + have, read.size() - have, static_cast<off_t>(have));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  if (have > limit) return false;
  read.resize(have);
  text = std::move(read);
  return true;
}

}  // namespace vexa
