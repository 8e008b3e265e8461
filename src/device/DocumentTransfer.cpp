#include "device/DocumentTransfer.h"

#include <string>

#include "base/Messages.h"
#include "document/KeyContent.h"

namespace vexa {

ImageSource WriteSourceFromDocument(CVEXADoc& doc, int selectedKey) {
  return [&doc, selectedKey](Image& image) {
    const std::string& content = doc.Content(selectedKey);
    if (!IsAsciiContent(content) && !IsScanCodeContent(content))
      return Outcome::Failure(doc.WrongKeyMessage(selectedKey));
    // Building a template that does not fit would silently drop keys: refuse
    // it with the same text as a save.
    if (std::string refusal = doc.CheckKeyDataFits(); !refusal.empty())
      return Outcome::Failure(std::move(refusal));
    doc.BuildImage();
    image = doc.MemoryImage();
    return Outcome::Success();
  };
}

void ApplyReadResult(CVEXADoc& doc, const TransferResult& result) {
  if (result.image) doc.TakeImageFromKeyboard(*result.image);
}

}  // namespace vexa
