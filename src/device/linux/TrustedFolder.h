// Opens folders and files below a folder that is trusted as it is named (/run
// for root, the user's own state folder for a user) without following a
// symbolic link in any component below it: each step is an openat() with
// O_NOFOLLOW from the folder before it, and what was opened is checked
// afterwards (fstat), so a link, a FIFO, a hard link or a file that someone
// else planted is refused instead of followed, read or written.
//
// Trap: O_NOFOLLOW alone guards only the last component of a path; a link
// planted as a folder higher up would be followed. Hence one openat per
// component.
#pragma once

#include <sys/types.h>

#include <string>

namespace vexa {

class TrustedFolder {
 public:
  // The trusted folder itself, opened as named; invalid (and the reason in
  // `error`) when it is no folder.
  [[nodiscard]] static TrustedFolder Open(const std::string& path, std::string& error);

  TrustedFolder() = default;
  TrustedFolder(TrustedFolder&& other) noexcept;
  TrustedFolder& operator=(TrustedFolder&& other) noexcept;
  ~TrustedFolder();
  TrustedFolder(const TrustedFolder&) = delete;
  TrustedFolder& operator=(const TrustedFolder&) = delete;

  [[nodiscard]] bool Valid() const { return m_fd >= 0; }
  [[nodiscard]] const std::string& Path() const { return m_path; }

  // The folder `name` in this one, made with `mode` when `create` and it is
  // missing. It must be a real folder owned by root or by this process's
  // user and writable by its owner only; made by us, it gets exactly `mode`
  // whatever the umask. `missing` is set when it isn't there.
  [[nodiscard]] TrustedFolder Sub(const std::string& name, bool create, mode_t mode, std::string& error,
                                  bool* missing = nullptr) const;
  // Opens the file `name` in this folder with `flags` (O_RDONLY or O_RDWR,
  // perhaps O_CREAT, which gives it exactly `mode`); -1 and the reason in
  // `error` (errno ENOENT: `missing` is set) unless it is a regular file with
  // one link owned by this process's user, or by root when `rootMayOwn`.
  // The descriptor is close-on-exec.
  [[nodiscard]] int OpenFile(const std::string& name, int flags, mode_t mode, bool rootMayOwn,
                             std::string& error, bool* missing = nullptr) const;

 private:
  TrustedFolder(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
  int m_fd = -1;
  std::string m_path;
};

// Reads at most `limit` bytes of `fd` from its start into `text`; false when
// the file holds more (nothing is taken then) or can't be read.
[[nodiscard]] bool ReadLimited(int fd, size_t limit, std::string& text);

}  // namespace vexa
