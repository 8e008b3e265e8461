// Text template files: a plain-text form of a template that users edit with any
// text editor and exchange with other systems. One line per layout position of
// the current model, in position order: the key's label, a comma, the content of
// the key index that the key map gives for that position.
//
// Inside both fields every backslash and every comma is preceded by a
// backslash; nothing else is escaped. Lines are written with CR LF (the last
// line too) and read with CR LF or a lone LF. Everything here works on bytes:
// labels and contents are 8-bit and pass through unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/MemoryImage.h"

namespace vexa {

struct TextTemplateLine {
  std::string label;
  std::string content;
};

struct TextTemplateRows {
  // The lines that apply: the first min(row count, key count) lines.
  std::vector<TextTemplateLine> lines;
  // Every line that ends in a line feed, also those beyond the key count. Bytes
  // after the last line feed are not a line: they are neither applied nor counted.
  std::size_t rowCount = 0;
};

// Puts a backslash before every backslash and every comma.
[[nodiscard]] std::string EscapeTextField(std::string_view text);

// Splits one line (without its line end) at unescaped commas into label and
// content. A backslash makes the next byte literal and is dropped itself, also
// at the very end of the line. A third field, and anything after further
// unescaped commas, is ignored; a line without a comma is a label with an empty
// content.
[[nodiscard]] TextTemplateLine SplitTextTemplateLine(std::string_view line);

// Splits a whole file into its lines. `keyCount` bounds how many lines are kept;
// the rest are only counted.
[[nodiscard]] TextTemplateRows ParseTextTemplate(std::string_view file, int keyCount);

// The file for the first `keyCount` layout positions: the escaped label of each
// position, ",", the escaped content of key index keyMap[position], CR LF.
[[nodiscard]] std::string FormatTextTemplate(const std::array<std::string, kKeyCount>& labels,
                                             const KeyContents& contents,
                                             const std::array<int, kKeyCount>& keyMap, int keyCount);

}  // namespace vexa
