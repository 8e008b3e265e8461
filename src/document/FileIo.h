// Whole-file reads and atomic whole-file writes for template files, text
// template files and the simulated keyboard's memory file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// Reads at most `maxBytes` bytes from the start of the file. std::nullopt when
// the file cannot be opened or read; `error` then holds the system's reason.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes,
                                                       std::string* error = nullptr);

// Writes `data` to a temporary file in the target's directory, flushes it to
// disk and renames it over `path`, so a refused, failed or interrupted write
// never leaves the previous file truncated or empty. An existing file's
// permissions are kept; a symbolic link is followed and stays a link. Returns false (with the reason in
// `error`) on failure; the temporary file is removed then. Several threads may
// write different files at once.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, std::string_view data,
                                       std::string* error = nullptr);

// The absolute, canonical form of `path` (relative to the current directory,
// symbolic links and "." / ".." resolved as far as the path exists), the form
// in which a file is remembered in the recent-file list. A path that cannot
// be resolved is returned absolute, or unchanged when even that fails.
[[nodiscard]] std::string CanonicalPath(const std::string& path);

}  // namespace vexa
