#include "models/CodeEntry.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "base/Messages.h"
#include "models/KeyWordDictionary.h"

namespace vexa {
namespace {

// The Select Scan Code list: the named scan code words in the order of the key
// word help text, without the bare prefix words [0E0] and [0F0], with one
// empty entry after the keypad group.
std::vector<std::string_view> BuildScanCodeList() {
  std::vector<std::string_view> list;
  const std::span<const NamedKeyWord> words = NamedKeyWords();
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i].group == KeyWordGroup::Prefixes) continue;
    list.push_back(words[i].word);
    if (words[i].group == KeyWordGroup::Keypad && EndsKeyWordGroup(i)) list.emplace_back();
  }
  return list;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

std::string Fill(std::string_view format, int first, int second) {
  std::string out(format);
  for (auto [marker, value] : {std::pair{"%1", first}, std::pair{"%2", second}}) {
    const size_t at = out.find(marker);
    if (at != std::string::npos) out.replace(at, 2, std::to_string(value));
  }
  return out;
}

}  // namespace

std::string CodeEntry::DelayWord(int tenths) {
  return std::string(kDelayWordPrefix) + std::to_string(std::clamp(tenths, kDelayMin, kDelayMax)) + "]";
}

std::string CodeEntry::ShiftLevelWord(int level) {
  return std::string(kShiftLevelWordPrefix) +
         std::to_string(std::clamp(level, kShiftLevelMin, kShiftLevelMax)) + "]";
}

CodeEntry::AsciiCheck CodeEntry::CheckAsciiCode(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  AsciiCheck check;
  int value = 0;
  bool fits = !text.empty();
  for (char c : text) {
    if (c < '0' || c > '9') {
      fits = false;
      break;
    }
    value = value * 10 + (c - '0');
    if (value > 255) {
      fits = false;
      break;
    }
  }
  if (!fits) {
    check.message = std::string(msg::Tr(msg::kAsciiCodeNotByte));
    return check;
  }
  check.value = value;
  if (value < kAsciiMin || value > kAsciiMax) {
    check.message = Fill(msg::Tr(msg::kAsciiCodeRange), kAsciiMin, kAsciiMax);
    return check;
  }
  check.ok = true;
  return check;
}

std::string CodeEntry::AsciiCodeText(int code) { return std::string(1, static_cast<char>(code)); }

std::span<const std::string_view> CodeEntry::ScanCodeList() {
  static const std::vector<std::string_view> list = BuildScanCodeList();
  return list;
}

int CodeEntry::ScanCodeSelection(std::string_view value) {
  const auto list = ScanCodeList();
  const auto it = std::find_if(list.begin(), list.end(),
                               [&](std::string_view entry) { return StartsWithIgnoringCase(entry, value); });
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

}  // namespace vexa
