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
