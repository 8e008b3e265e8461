#include "view/Cp1252.h"

#include <algorithm>
#include <array>

namespace vexa {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::u16string Cp1252ToUtf16(const std::string& bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char c : bytes) out.push_back(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c))));
  return out;
}

bool Utf16ToCp1252(const std::u16string& text, std::string& bytes) {
  bytes.clear();
  bytes.reserve(text.size());
  for (char16_t unit : text) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
      bytes.push_back(static_cast<char>(unit));
      continue;
    }
    // 0x80..0x9F and the characters the code page moved there.
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), unit);
    if (found == kHighControls.end()) return false;
    bytes.push_back(static_cast<char>(0x80 + (found - kHighControls.begin())));
  }
  return true;
}

}  // namespace vexa
