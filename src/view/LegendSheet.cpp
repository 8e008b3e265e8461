#include "view/LegendSheet.h"

#include <algorithm>
#include <filesystem>

#include "document/CVEXADoc.h"

namespace vexa {

namespace {

constexpr int kEnterUpperBlock = 28;
constexpr int kEnterKey = 41;

}  // namespace

LegendSheet BuildLegendSheet(const CVEXADoc& doc) {
  LegendSheet sheet;
  const std::string name = std::filesystem::path(doc.PathName()).filename().string();
  sheet.title = (name.empty() ? std::string("Template") : name) + " : " + doc.ModelName();

  const bool lShapedEnter = HasLShapedEnter(doc.ModelId()) && doc.KeyCount() > kEnterKey;
  // The same inset as the view: two pixels less for a model id outside the table.
  const int enterTopInset = (doc.ModelId() >= kFirstModelId && doc.ModelId() <= kLastModelId) ? 40 : 38;
  int left = 0, top = 0, right = 0, bottom = 0;
  for (int p = 0; p < doc.KeyCount(); ++p) {
    const auto at = static_cast<size_t>(p);
    LegendKey key;
    key.position = p;
    key.keyIndex = doc.KeyMap()[at];
    key.rect = doc.KeyRects()[at];
    key.label = doc.Labels()[at];
    if (key.keyIndex >= 0 && key.keyIndex < kKeyCount) key.content = doc.Content(key.keyIndex);
    if (lShapedEnter && p == kEnterUpperBlock) {
      key.openBottom = true;
      key.content.clear();  // the Enter key below shows what the whole key sends
    }
    if (lShapedEnter && p == kEnterKey) key.topEdgeInset = enterTopInset;
    const KeyRect& r = key.rect;
    if (sheet.keys.empty()) {
      left = r.left, top = r.top, right = r.left + r.width, bottom = r.top + r.height;
    } else {
      left = std::min(left, r.left), top = std::min(top, r.top);
      right = std::max(right, r.left + r.width), bottom = std::max(bottom, r.top + r.height);
    }
    sheet.keys.push_back(std::move(key));
  }
  sheet.bounds = {left, top, right - left, bottom - top};
  return sheet;
}

}  // namespace vexa

namespace vexa {

namespace {

// The length of the unit that starts at `at`: an escaped bracket ("[[", "]]"),
// a key word up to its "]" (a word left open runs to the end), or one byte.
size_t UnitLength(const std::string& text, size_t at) {
  const size_t rest = text.size() - at;
  if (rest >= 2 && (text.compare(at, 2, "[[") == 0 || text.compare(at, 2, "]]") == 0)) return 2;
  if (text[at] != '[') return 1;
  const size_t close = text.find(']', at + 1);
  return close == std::string::npos ? rest : close - at + 1;
}

}  // namespace

std::vector<std::string> WrapLegendText(const std::string& text, int columns) {
  std::vector<std::string> lines;
  if (columns < 1) return lines;
  std::vector<std::string> units;
  for (size_t at = 0; at < text.size();) {
    const size_t length = UnitLength(text, at);
    units.push_back(text.substr(at, length));
    at += length;
  }
  const auto wordStart = [](const std::string& unit) {
    return unit.size() > 1 && unit[0] == '[' && unit[1] != '[';
  };
  const auto width = static_cast<size_t>(columns);
  for (size_t first = 0; first < units.size();) {
    // The most units that fit, then the last good place to cut among them.
    size_t fit = 0, length = 0;
    while (first + fit < units.size() && length + units[first + fit].size() <= width)
      length += units[first + fit++].size();
    size_t take = std::max<size_t>(fit, 1);
    if (first + fit < units.size()) {
      for (size_t k = fit; k > 1 || (k == 1 && units[first].size() > 1); --k) {
        if (wordStart(units[first + k]) || wordStart(units[first + k - 1]) || units[first + k - 1] == " ") {
          take = k;
          break;
        }
      }
    }
    std::string line;
    for (size_t k = 0; k < take; ++k) line += units[first + k];
    lines.push_back(std::move(line));
    first += take;
  }
  return lines;
}

}  // namespace vexa
