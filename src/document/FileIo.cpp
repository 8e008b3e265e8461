#include "document/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "base/Messages.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNotRegularFile = "not a regular file";

void SetError(std::string* error, int err) {
  if (error) *error = std::strerror(err);
}

void SetError(std::string* error, const char* text) {
  if (error) *error = text;
}

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : m_fd(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int get() const { return m_fd; }
  int release() { return std::exchange(m_fd, -1); }

 private:
  int m_fd;
};

// The process's umask, read from /proc/self/status. umask(2) can only read it
// by setting it, which for that moment changes it for every thread: another
// thread's file created then would be world-writable.
mode_t CurrentUmask() {
  const Fd fd(::open("/proc/self/status", O_RDONLY | O_CLOEXEC));
  std::string status;
  char buffer[4096];
  for (ssize_t n; fd.get() >= 0 && (n = ::read(fd.get(), buffer, sizeof buffer)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    status.append(buffer, static_cast<size_t>(n));
  }
  const size_t at = status.find("\nUmask:");
  if (at != std::string::npos) {
    char* end = nullptr;
    const unsigned long mask = std::strtoul(status.c_str() + at + 7, &end, 8);
    if (end != status.c_str() + at + 7) return static_cast<mode_t>(mask & 0777);
  }
  return 022;  // the usual default, on a kernel too old to report it
}

bool OthersMayWrite(const struct stat& folder) {
  return (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0 || (folder.st_uid != ::geteuid() && folder.st_uid != 0);
}

// True when a step of `path` is a link of another user lying in a folder that
// others may write to: whoever may write there can point it elsewhere at any
// moment, so nothing is written through it. The user's own links, and links
// in folders only their owner (or root) controls, are left to the kernel.
bool ForeignLinkOnPath(const std::string& path) {
  const fs::path p(path);
  fs::path prefix;
  for (const fs::path& part : p) {
    const fs::path folder = prefix.empty() ? fs::path(".") : prefix;
    prefix /= part;
    if (part == "/" || part.empty() || part == "." || part == "..") continue;
    struct stat link {};
    if (::lstat(prefix.c_str(), &link) != 0) return false;  // the rest does not exist yet
    if (!S_ISLNK(link.st_mode) || link.st_uid == ::geteuid()) continue;
    struct stat holder {};
    if (::stat(folder.c_str(), &holder) != 0 || OthersMayWrite(holder)) return true;
  }
  return false;
}

bool WriteAll(int fd, std::string_view data, int* err) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      *err = errno;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new temporary file ".NAME.XXXXXX" in the folder: never an existing
// file, never through a link. Its name is returned in `tmpName`.
int CreateTemporary(int dirFd, const std::string& name, std::string& tmpName) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmpName = "." + name + ".";
    for (int i = 0; i < 6; ++i) tmpName += kLetters[random() % (sizeof kLetters - 1)];
    const int fd =
        ::openat(dirFd, tmpName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Writes `data` to a new temporary file in the folder, with `mode`, flushes it
// and renames it over `name` in the same folder.
bool ReplaceInFolder(int dirFd, const std::string& name, std::string_view data, mode_t mode,
                     std::string* error) {
  std::string tmpName;
  Fd fd(CreateTemporary(dirFd, name, tmpName));
  if (fd.get() < 0) {
    SetError(error, errno);
    return false;
  }
  auto fail = [&](int err) {
    ::unlinkat(dirFd, tmpName.c_str(), 0);
    SetError(error, err);
    return false;
  };
  int err = 0;
  if (::fchmod(fd.get(), mode) != 0) return fail(errno);
  if (!WriteAll(fd.get(), data, &err)) return fail(err);
  if (::fsync(fd.get()) != 0) return fail(errno);
  if (::close(fd.release()) != 0) return fail(errno);
  if (::renameat(dirFd, tmpName.c_str(), dirFd, name.c_str()) != 0) return fail(errno);
  ::fsync(dirFd);  // makes the rename itself durable
  return true;
}

// Replaces the file that the link `name` in the folder leads to. The kernel
// follows the link, every step of it, with its own checks (fs.protected_symlinks
// refuses another user's link in a sticky world-writable folder such as /tmp);
// the link's text is never read here. /proc/self/fd then names the file the
// kernel reached; that file's folder is opened and checked to hold that very
// file before the new contents are renamed over it there. So the link stays a
// link, its file gets the new contents, and a failed save leaves the old
// contents intact, as for any other file. Writing in place through the link
// would also leave the following to the kernel, but a failed or interrupted
// write would then leave the file truncated.
bool ReplaceThroughLink(int dirFd, const std::string& name, std::string_view data, FileMode fileMode,
                        std::string* error) {
  int reachedFd = ::openat(dirFd, name.c_str(), O_PATH | O_CLOEXEC);
  bool created = false;
  if (reachedFd < 0 && errno == ENOENT) {
    // A link to a file that does not exist yet: create it through the link.
    reachedFd = ::openat(dirFd, name.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    created = reachedFd >= 0;
  }
  const Fd target(reachedFd);
  if (target.get() < 0) {
    SetError(error, errno);
    return false;
  }
  struct stat st {};
  if (::fstat(target.get(), &st) != 0) {
    SetError(error, errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode))
      SetError(error, EISDIR);
    else
      SetError(error, kNotRegularFile);
    return false;
  }
  char where[PATH_MAX];
  const std::string fdPath = "/proc/self/fd/" + std::to_string(target.get());
  const ssize_t length = ::readlink(fdPath.c_str(), where, sizeof where - 1);
  if (length <= 0) {
    SetError(error, length < 0 ? errno : ENOENT);
    return false;
  }
  const fs::path reached(std::string(where, static_cast<size_t>(length)));
  const std::string targetName = reached.filename().string();
  Fd targetDir(::open(reached.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  struct stat there {};
  if (targetDir.get() < 0 || targetName.empty() ||
      ::fstatat(targetDir.get(), targetName.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0 ||
      there.st_dev != st.st_dev || there.st_ino != st.st_ino) {
    // The file was moved or removed meanwhile.
    SetError(error, ESTALE);
    return false;
  }
  const mode_t mode = fileMode == FileMode::kOwnerOnly ? 0600
                      : created                        ? 0666 & ~CurrentUmask()
                                                       : st.st_mode & 07777;
  if (ReplaceInFolder(targetDir.get(), targetName, data, mode, error)) return true;
  if (created) ::unlinkat(targetDir.get(), targetName.c_str(), 0);
  return false;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string* error) {
  // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer, and is
  // then refused with anything else that is not a regular file.
  const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    SetError(error, errno);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    SetError(error, errno);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode))
      SetError(error, EISDIR);
    else
      SetError(error, kNotRegularFile);
    return std::nullopt;
  }
  ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
  std::string data;
  std::vector<char> buffer(4096);
  while (data.size() < maxBytes) {
    const std::size_t want = std::min(buffer.size(), maxBytes - data.size());
    const ssize_t n = ::read(fd.get(), buffer.data(), want);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(error, errno);
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(buffer.data(), static_cast<std::size_t>(n));
  }
  return data;
}

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string* error, FileMode mode) {
  const fs::path target(path);
  const std::string name = target.filename().string();
  if (name.empty() || name == "." || name == "..") {
    SetError(error, EISDIR);
    return false;
  }
  if (ForeignLinkOnPath(path)) {
    SetError(error, msg::Tr(msg::kLinkOfAnotherUser).data());
    return false;
  }
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const Fd dirFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dirFd.get() < 0) {
    SetError(error, errno);
    return false;
  }
  struct stat st {};
  mode_t newMode = 0600;
  if (::fstatat(dirFd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISLNK(st.st_mode)) return ReplaceThroughLink(dirFd.get(), name, data, mode, error);
    if (S_ISDIR(st.st_mode)) {
      SetError(error, EISDIR);
      return false;
    }
    // Renaming over a FIFO or a device would replace the node itself.
    if (!S_ISREG(st.st_mode)) {
      SetError(error, kNotRegularFile);
      return false;
    }
    if (mode == FileMode::kAsUsual) newMode = st.st_mode & 07777;
  } else if (errno == ENOENT) {
    if (mode == FileMode::kAsUsual) newMode = 0666 & ~CurrentUmask();
  } else {
    SetError(error, errno);
    return false;
  }
  return ReplaceInFolder(dirFd.get(), name, data, newMode, error);
}

std::optional<PrivateFolder> PrivateFolder::Open(const std::string& path, Refusal* refusal) {
  auto refuse = [&](Refusal why) {
    if (refusal) *refusal = why;
    return std::nullopt;
  };
  int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) {
    fs::path folder = fs::path(path).lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();
    std::error_code ec;
    if (folder.has_parent_path()) fs::create_directories(folder.parent_path(), ec);
    // Made closed: no one else may look at, plant or swap a backup in it.
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return refuse(Refusal::kCannotOpen);
    fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  }
  if (fd < 0) return refuse(Refusal::kCannotOpen);
  PrivateFolder opened(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return refuse(Refusal::kCannotOpen);
  if (st.st_uid != ::geteuid() || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
    return refuse(Refusal::kNotPrivate);
  if (refusal) *refusal = Refusal::kNone;
  return opened;
}

PrivateFolder::PrivateFolder(PrivateFolder&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

PrivateFolder& PrivateFolder::operator=(PrivateFolder&& other) noexcept {
  if (this != &other) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = std::exchange(other.m_fd, -1);
  }
  return *this;
}

PrivateFolder::~PrivateFolder() {
  if (m_fd >= 0) ::close(m_fd);
}

bool PrivateFolder::WriteFile(const std::string& name, std::string_view data, std::string* error) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
    SetError(error, EINVAL);
    return false;
  }
  return ReplaceInFolder(m_fd, name, data, 0600, error);
}

std::string CanonicalPath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  if (error) return path;
  const fs::path canonical = fs::weakly_canonical(absolute, error);
  return (error ? absolute : canonical).string();
}

}  // namespace vexa
