#include "view/ViewAccessibility.h"

#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "models/ModelTable.h"
#include "view/ContentWindow.h"
#include "view/ViewState.h"

namespace vexa::view_accessibility {

namespace {

constexpr int kEnterUpperBlock = 28;
constexpr int kEnterKey = 41;

bool HasEnterUpperBlock(const CVEXADoc& doc) {
  return HasLShapedEnter(doc.ModelId()) && doc.KeyCount() > kEnterKey;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The bytes the content window draws as the substitute glyph are read out as
// that glyph too, so what is heard matches what is seen.
std::string AsShown(const std::string& content) {
  std::string shown = content;
  for (char& c : shown) {
    if (content_window::IsSubstituted(static_cast<unsigned char>(c)))
      c = static_cast<char>(content_window::kSubstitute);
  }
  return shown;
}

}  // namespace

int ChildCount(const CVEXADoc& doc) { return doc.KeyCount(); }

bool IsSelectedChild(const CVEXADoc& doc, const ViewState& state, int position) {
  if (state.IsSelected(position)) return true;
  return position == kEnterUpperBlock && state.selectedPosition == kEnterKey && HasEnterUpperBlock(doc);
}

KeyFacts FactsOf(const CVEXADoc& doc, const ViewState& state, int position) {
  KeyFacts facts;
  if (position < 0 || position >= doc.KeyCount()) return facts;
  int shownPosition = position;
  if (position == kEnterUpperBlock && HasEnterUpperBlock(doc)) shownPosition = kEnterKey;
  const int keyIndex = doc.KeyMap()[static_cast<size_t>(shownPosition)];
  facts.name = Trimmed(doc.Labels()[static_cast<size_t>(shownPosition)]);
  const std::string& content = doc.Content(keyIndex);
  facts.content = AsShown(content);
  if (keyIndex == state.selectedKey) {
    facts.mode = state.SelectedIsAscii() ? KeyMode::Ascii : KeyMode::ScanCode;
  } else if (content.empty()) {
    facts.mode = KeyMode::Empty;
  } else {
    facts.mode = IsAsciiContent(content) ? KeyMode::Ascii : KeyMode::ScanCode;
  }
  return facts;
}

Snapshot TakeSnapshot(const CVEXADoc& doc, const ViewState& state) {
  Snapshot snapshot;
  snapshot.modelId = doc.ModelId();
  snapshot.selectedPosition = state.selectedPosition;
  const int count = ChildCount(doc);
  snapshot.keys.reserve(static_cast<size_t>(count));
  for (int p = 0; p < count; ++p) snapshot.keys.push_back(FactsOf(doc, state, p));
  return snapshot;
}

std::vector<Announcement> Compare(const Snapshot& before, const Snapshot& after) {
  using Kind = Announcement::Kind;
  std::vector<Announcement> out;
  if (before.modelId != after.modelId || before.keys.size() != after.keys.size()) {
    out.push_back({Kind::Reset, -1});
    if (after.selectedPosition >= 0) out.push_back({Kind::Selected, after.selectedPosition});
    return out;
  }
  for (size_t p = 0; p < after.keys.size(); ++p) {
    const KeyFacts& was = before.keys[p];
    const KeyFacts& is = after.keys[p];
    const int child = static_cast<int>(p);
    if (was.name != is.name) out.push_back({Kind::NameChanged, child});
    if (was.content != is.content) {
      out.push_back({Kind::ContentChanged, child});
    } else if (was.mode != is.mode) {
      out.push_back({Kind::ModeChanged, child});
    }
  }
  if (before.selectedPosition != after.selectedPosition)
    out.push_back({Kind::Selected, after.selectedPosition});
  return out;
}

}  // namespace vexa::view_accessibility
