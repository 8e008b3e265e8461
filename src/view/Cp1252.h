// Key contents and labels are 8-bit text; the view shows each byte as the
// character of the Western Windows code page, which is how the keyboards'
// users have always seen them (0x80 is the euro sign, 0xF8 the o with stroke).
#pragma once

#include <string>

namespace vexa {

// The Unicode code point of one byte. Bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value; the view draws those as byte 248 anyway.
[[nodiscard]] char32_t Cp1252ToUnicode(unsigned char byte);

// The whole string as UTF-16 code units (every code point of the table lies in
// the basic plane).
[[nodiscard]] std::u16string Cp1252ToUtf16(const std::string& bytes);

// The reverse, for text that comes from outside (the clipboard): each UTF-16
// code unit becomes its byte. False, with `bytes` holding what was converted
// before it, at the first character the code page has no byte for (a
// character outside the table, or half of a surrogate pair).
[[nodiscard]] bool Utf16ToCp1252(const std::u16string& text, std::string& bytes);

}  // namespace vexa
