// A small JSON emitter for the machine-readable output of vexa-cli (--json)
// and the provisioning log: objects and arrays written on one line, in the
// order their members are added.
//
// Texts in VEXA are 8-bit: key contents hold any byte, serial numbers and
// file names arrive as UTF-8. A string is written as UTF-8 where it is valid
// UTF-8; every byte that is not part of a valid UTF-8 sequence is taken as
// the Latin-1 character of that value (0xE9 becomes "\u00e9"), so the output
// is always valid JSON and no byte is lost or replaced by U+FFFD. Control
// characters, the quote and the backslash are escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::json {

// `text` as a JSON string, quotes included.
[[nodiscard]] std::string Quote(std::string_view text);

// One JSON object. Members are named by type, so that a string literal never
// becomes a boolean by accident.
class Object {
 public:
  Object& String(std::string_view key, std::string_view value);
  Object& Number(std::string_view key, std::int64_t value);
  Object& Bool(std::string_view key, bool value);
  Object& Null(std::string_view key);
  // `json` must already be valid JSON (a nested object or array).
  Object& Raw(std::string_view key, std::string_view json);
  [[nodiscard]] std::string Text() const { return "{" + m_members + "}"; }

 private:
  void Key(std::string_view key);
  std::string m_members;
};

// An array of values that are already JSON.
[[nodiscard]] std::string Array(const std::vector<std::string>& items);

}  // namespace vexa::json
