#include "document/TemplateFile.h"

#include <algorithm>
#include <string_view>

#include "base/Messages.h"
#include "document/FileIo.h"

namespace vexa {

TemplateFileRead ReadTemplateFile(const std::string& path) {
  TemplateFileRead result;
  const auto bytes = ReadFileBytes(path, kImageSize);
  if (!bytes) {
    result.outcome = Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateCannotOpen), path.c_str()));
    return result;
  }
  if (bytes->empty()) {
    result.empty = true;
    return result;
  }
  if (bytes->size() < static_cast<size_t>(kImageSize)) {
    result.outcome = Outcome::Failure(
        msg::FormatMessage(msg::Tr(msg::kTemplateTooShort), path.c_str(), static_cast<int>(bytes->size())));
    return result;
  }
  std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes->data()), kImageSize, result.image.begin());
  return result;
}

Outcome WriteTemplateFile(const std::string& path, const Image& image) {
  const std::string_view data(reinterpret_cast<const char*>(image.data()), image.size());
  std::string error;
  if (!WriteFileAtomically(path, data, &error))
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateCannotWrite), path.c_str()) +
                            (error == msg::Tr(msg::kLinkOfAnotherUser) ? "\n" + error : ""));
  return Outcome::Success();
}

}  // namespace vexa
