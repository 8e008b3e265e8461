// The system clipboard through QClipboard: its text, nothing else.
#pragma once

#include "commands/Clipboard.h"

namespace vexa {

class QtClipboard final : public Clipboard {
 public:
  [[nodiscard]] std::optional<std::u16string> Text() const override;
  void SetText(const std::u16string& text) override;
};

}  // namespace vexa
