// A Clipboard for tests: the text lives in the object.
#pragma once

#include "commands/Clipboard.h"

namespace vexa {

class MemoryClipboard final : public Clipboard {
 public:
  std::optional<std::u16string> text;

  [[nodiscard]] std::optional<std::u16string> Text() const override { return text; }
  void SetText(const std::u16string& t) override { text = t; }
};

}  // namespace vexa
