#include "document/TextTemplate.h"

#include <algorithm>

namespace vexa {

std::string EscapeTextField(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 4);
  for (const char c : text) {
    if (c == '\\' || c == ',') out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

TextTemplateLine SplitTextTemplateLine(std::string_view line) {
  TextTemplateLine result;
  // Field 0 is the label, 1 the content; 2 (and anything after it) is read and
  // dropped.
  int field = 0;
  bool escaped = false;
  for (const char c : line) {
    if (!escaped && c == ',') {
      if (field < 2) ++field;
      continue;
    }
    if (!escaped && c == '\\') {
      escaped = true;
      continue;
    }
    escaped = false;
    if (field == 0)
      result.label.push_back(c);
    else if (field == 1)
      result.content.push_back(c);
  }
  return result;
}

TextTemplateRows ParseTextTemplate(std::string_view file, int keyCount) {
  TextTemplateRows rows;
  const std::size_t keep = static_cast<std::size_t>(std::clamp(keyCount, 0, kKeyCount));
  rows.lines.reserve(keep);
  std::size_t start = 0;
  while (start < file.size()) {
    const std::size_t lf = file.find('\n', start);
    if (lf == std::string_view::npos) break;  // a last line without a line feed does not count
    if (rows.rowCount < keep) {
      std::string_view line = file.substr(start, lf - start);
      // Files written on other systems end their lines in CR LF.
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      rows.lines.push_back(SplitTextTemplateLine(line));
    }
    ++rows.rowCount;
    start = lf + 1;
  }
  return rows;
}

std::string FormatTextTemplate(const std::array<std::string, kKeyCount>& labels, const KeyContents& contents,
                               const std::array<int, kKeyCount>& keyMap, int keyCount) {
  std::string out;
  const int count = std::clamp(keyCount, 0, kKeyCount);
  for (int p = 0; p < count; ++p) {
    const auto pos = static_cast<std::size_t>(p);
    const int key = keyMap[pos];
    out += EscapeTextField(labels[pos]);
    out += ',';
    if (key >= 0 && key < kKeyCount) out += EscapeTextField(contents[static_cast<std::size_t>(key)]);
    out += "\r\n";
  }
  return out;
}

}  // namespace vexa
