// Writes random bytes as the text of a card reader field chosen by the first
// byte, into an image holding random-looking bytes, and checks what accepting
// the card reader settings must guarantee:
// - no byte outside the field changes, whatever the text holds;
// - the field holds the text's bytes, cut at the field's end, then 0xFF
//   padding (an empty text: 0x00 then 0xFF);
// - a text that converts without warning and fits is shown again as a text
//   that converts to the same bytes, unless it holds a 0x00 or 0xFF, which end
//   a stored string.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/CardReaderSettings.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vexa;
  if (size < 1) return 0;
  const MrFieldInfo& info = CardReaderSettings::Fields()[data[0] % kMrFieldCount];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 131 + data[0]);
  const Image before = image;

  const std::span<std::uint8_t> field(image.data() + info.offset, static_cast<size_t>(info.size));
  CardReaderSettings::WriteText(field, text);
  for (size_t i = 0; i < image.size(); ++i) {
    const bool inside = static_cast<int>(i) >= info.offset && static_cast<int>(i) < info.offset + info.size;
    if (!inside) Check(image[i] == before[i]);
  }

  const MrBytes converted = CardReaderSettings::TextToBytes(text);
  const size_t n = std::min(converted.bytes.size(), field.size());
  if (text.empty()) {
    Check(field[0] == 0x00);
    Check(std::all_of(field.begin() + 1, field.end(), [](std::uint8_t b) { return b == 0xFF; }));
  } else {
    Check(std::equal(
        field.begin(), field.begin() + static_cast<long>(n), converted.bytes.begin(),
        [](std::uint8_t stored, char wanted) { return stored == static_cast<std::uint8_t>(wanted); }));
    Check(std::all_of(field.begin() + static_cast<long>(n), field.end(),
                      [](std::uint8_t b) { return b == 0xFF; }));
  }

  const bool storable =
      converted.bytes.find('\0') == std::string::npos && converted.bytes.find('\xFF') == std::string::npos;
  if (converted.wellFormed && storable && CardReaderSettings::Check(info.field, text).empty()) {
    const MrBytes again = CardReaderSettings::TextToBytes(CardReaderSettings::BytesToText(field));
    Check(again.wellFormed);
    Check(again.bytes == converted.bytes);
  }
  return 0;
}
