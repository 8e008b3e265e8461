// Whole-file reads and atomic whole-file writes for template files, text
// template files, keyboard backups and the simulated keyboard's memory file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// Reads at most `maxBytes` bytes from the start of the file. std::nullopt when
// the file cannot be opened or read, or is not a regular file: a FIFO, a
// device or a folder is refused at once (it is opened without waiting for a
// writer, then looked at before anything is read). `error` then holds the
// reason.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes,
                                                       std::string* error = nullptr);

enum class FileMode {
  // A new file gets 0666 less the umask; a replaced file keeps its mode.
  kAsUsual,
  // 0600, new or replaced: keyboard backups, whose keys may hold operator
  // codes and passwords.
  kOwnerOnly,
};

// Writes `data` to a temporary file in the target's folder, flushes it to disk
// and renames it over `path`, so a refused, failed or interrupted write never
// leaves the previous file truncated or empty. Returns false (with the reason
// in `error`) on failure; the temporary file is removed then. Several threads
// may write different files at once; the umask is never changed.
//
// Links: a link on the path that another user owns, in a folder that others
// may write to (group or world writable, or owned by a third user), is refused
// (`error` is then msg::kLinkOfAnotherUser); such a link can be swapped under
// the user at any moment. Any other link is followed by the kernel, which
// applies fs.protected_symlinks to every step; the file it reaches is replaced
// next to itself and the link stays a link. Anything but a regular file in the
// target's place (a folder, a FIFO, a device) is refused.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, std::string_view data,
                                       std::string* error = nullptr, FileMode mode = FileMode::kAsUsual);

// A folder that belongs to this user and that no one else may write to, held
// open: files written into it land in that folder even when its path is
// renamed or replaced meanwhile, and no one else can plant a link or swap a
// file in it. Used for the backups of `keyboard write --all`.
class PrivateFolder {
 public:
  enum class Refusal {
    kNone,
    kCannotOpen,  // cannot be created or opened (or is not a folder)
    kNotPrivate,  // another user's, or group or others may write to it
  };

  // Opens the folder at `path`, creating it with mode 0700 (missing parents as
  // usual) when it does not exist. std::nullopt with the reason in `refusal`
  // when it can't be used.
  [[nodiscard]] static std::optional<PrivateFolder> Open(const std::string& path, Refusal* refusal);

  PrivateFolder(PrivateFolder&& other) noexcept;
  PrivateFolder& operator=(PrivateFolder&& other) noexcept;
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  ~PrivateFolder();

  // Writes `data` as the file `name` (one name, no '/') inside the folder,
  // mode 0600: a new temporary file (never an existing one, never through a
  // link) renamed over `name`. Threads may write different names at once.
  [[nodiscard]] bool WriteFile(const std::string& name, std::string_view data,
                               std::string* error = nullptr) const;

 private:
  explicit PrivateFolder(int fd) : m_fd(fd) {}
  int m_fd = -1;
};

// The absolute, canonical form of `path` (relative to the current directory,
// symbolic links and "." / ".." resolved as far as the path exists), the form
// in which a file is remembered in the recent-file list. A path that cannot
// be resolved is returned absolute, or unchanged when even that fails.
[[nodiscard]] std::string CanonicalPath(const std::string& path);

}  // namespace vexa
