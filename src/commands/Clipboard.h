// The system clipboard, as the editor's copy, cut and paste use it: plain
// text only. The editor's implementation is QtClipboard (QClipboard); tests
// use MemoryClipboard. The text is Unicode: key contents are 8-bit text of the
// Western Windows code page, and the conversion is the caller's (Cp1252.h),
// so that a character no key can hold is refused in one place.
#pragma once

#include <optional>
#include <string>

namespace vexa {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text; nullopt when it holds none.
  [[nodiscard]] virtual std::optional<std::u16string> Text() const = 0;
  virtual void SetText(const std::u16string& text) = 0;
};

}  // namespace vexa
