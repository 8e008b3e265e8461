#include "document/JsonWriter.h"

#include <cstdio>

namespace vexa::json {
namespace {

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there
// does not begin one (overlong forms, surrogates and values past U+10FFFF
// are not valid).
size_t Utf8Length(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  size_t length = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(at + i) & 0x3Fu);
  }
  if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) || code > 0x10FFFF ||
      (code >= 0xD800 && code <= 0xDFFF))
    return 0;
  return length;
}

std::string Unicode(unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", value);
  return buffer;
}

}  // namespace

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      if (const size_t n = Utf8Length(text, i)) {
        out.append(text.substr(i, n));
        i += n;
      } else {
        // A byte outside UTF-8: its Latin-1 character.
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        ++i;
      }
      continue;
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F)
          out += Unicode(c);
        else
          out.push_back(static_cast<char>(c));
    }
    ++i;
  }
  out.push_back('"');
  return out;
}

void Object::Key(std::string_view key) {
  if (!m_members.empty()) m_members.push_back(',');
  m_members += Quote(key);
  m_members.push_back(':');
}

Object& Object::String(std::string_view key, std::string_view value) {
  Key(key);
  m_members += Quote(value);
  return *this;
}

Object& Object::Number(std::string_view key, std::int64_t value) {
  Key(key);
  m_members += std::to_string(value);
  return *this;
}

Object& Object::Bool(std::string_view key, bool value) {
  Key(key);
  m_members += value ? "true" : "false";
  return *this;
}

Object& Object::Null(std::string_view key) {
  Key(key);
  m_members += "null";
  return *this;
}

Object& Object::Raw(std::string_view key, std::string_view json) {
  Key(key);
  m_members += json;
  return *this;
}

std::string Array(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out.push_back(',');
    out += items[i];
  }
  out.push_back(']');
  return out;
}

}  // namespace vexa::json
