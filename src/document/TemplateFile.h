// Template files: exactly the 2048-byte memory image, no header, no model id.
// A file is always interpreted under the current model.
#pragma once

#include <string>

#include "base/Outcome.h"
#include "document/MemoryImage.h"

namespace vexa {

struct TemplateFileRead {
  Outcome outcome;
  // The file was empty: nothing was read and `image` is not meaningful. Opening
  // an empty file leaves the template's image as it was.
  bool empty = false;
  Image image{};
};

// Reads the first 2048 bytes of `path`; bytes after them are not read. Refuses
// a file that cannot be opened (kTemplateCannotOpen) and one of 1..2047 bytes
// (kTemplateTooShort), so the caller can leave its template untouched.
[[nodiscard]] TemplateFileRead ReadTemplateFile(const std::string& path);

// Writes the image as the file, atomically: a failed write leaves any previous
// file as it was (kTemplateCannotWrite).
[[nodiscard]] Outcome WriteTemplateFile(const std::string& path, const Image& image);

}  // namespace vexa
