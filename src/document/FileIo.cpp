#include "document/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

namespace vexa {
namespace {

void SetError(std::string* error, int err) {
  if (error) *error = std::strerror(err);
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error, errno);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    SetError(error, EISDIR);
    return std::nullopt;
  }
  std::string data;
  std::vector<char> buffer(4096);
  while (data.size() < maxBytes) {
    const std::size_t want = std::min(buffer.size(), maxBytes - data.size());
    const ssize_t n = ::read(fd, buffer.data(), want);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(error, errno);
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(buffer.data(), static_cast<std::size_t>(n));
  }
  ::close(fd);
  return data;
}

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string* error) {
  namespace fs = std::filesystem;
  // A symbolic link is followed: the file it names is replaced, next to it,
  // and the link stays. Renaming over the link itself would leave the linked
  // file unchanged and turn the link into a copy.
  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    SetError(error, errno);
    return false;
  }
  const std::string tmpPath(name.data());
  auto fail = [&](int err) {
    ::close(fd);
    ::unlink(tmpPath.c_str());
    SetError(error, err);
    return false;
  };

  // Keep the permissions of a file being replaced; new files get the usual
  // 0666 filtered by the umask (mkstemp creates 0600).
  struct stat st {};
  mode_t mode;
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    mode = st.st_mode & 07777;
  } else {
    // umask can only be read by setting it: threads writing files at once
    // (backups of several keyboards) would otherwise leave the process with
    // umask 0, and every later file world-writable.
    static std::mutex umaskMutex;
    const std::lock_guard lock(umaskMutex);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) return fail(errno);

  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tmpPath.c_str());
    SetError(error, err);
    return false;
  }
  if (::rename(tmpPath.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmpPath.c_str());
    SetError(error, err);
    return false;
  }
  // Make the rename itself durable.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

std::string CanonicalPath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
  return (error ? absolute : canonical).string();
}

}  // namespace vexa
