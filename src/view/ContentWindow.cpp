#include "view/ContentWindow.h"

#include <algorithm>

#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "view/KeyEditor.h"
#include "view/ViewState.h"

namespace vexa::content_window {

std::string SourceText(const CVEXADoc& doc, const ViewState& state) {
  const std::string& content = doc.Content(state.selectedKey);
  if (!state.decimalDisplay) return content;
  if (!IsAsciiContent(content)) return {};
  return ToDecimalForm(content);
}

bool IsSubstituted(unsigned char byte) {
  switch (byte) {
    case 129:
    case 141:
    case 143:
    case 144:
    case 157:
    case 162:
    case 173:
      return true;
    default:
      return byte < 32;
  }
}

std::string ShownText(const CVEXADoc& doc, const ViewState& state) {
  const std::string source = SourceText(doc, state);
  const int cursor = state.decimalDisplay ? state.decimalCursor : state.cursor;
  // A window start outside the text (a cursor left behind by an edit elsewhere)
  // shows what is there instead of reading past the end.
  const int length = static_cast<int>(source.size());
  const int start = std::clamp(cursor - state.caretColumn, 0, length);
  std::string shown = source.substr(static_cast<size_t>(start), kContentColumns);
  for (char& c : shown) {
    if (IsSubstituted(static_cast<unsigned char>(c))) c = static_cast<char>(kSubstitute);
  }
  return shown;
}

bool Contains(int x, int y) { return kLeft < x && x < kRight && kTop < y && y < kBottom; }

void Click(int x, const CVEXADoc& doc, ViewState& state) {
  const std::string source = SourceText(doc, state);
  const int length = static_cast<int>(source.size());
  const int k = (x - kFirstColumnX) / kColumnWidth;  // truncates toward zero: x 96..98 is column 0
  int& cursor = state.decimalDisplay ? state.decimalCursor : state.cursor;
  const int windowStart = std::clamp(cursor - state.caretColumn, 0, length);

  bool snapToGroup = true;
  int column = k;
  if (length < 86 && length < k) {
    column = length;
    cursor = length;
    state.caretColumn = length;
    snapToGroup = false;
  } else {
    if (length >= 86 && k >= 86) {
      column = kContentColumns;
      snapToGroup = false;
    }
    // A scrolled window may end before the box does: the cursor stops at the
    // end of the text instead of pointing past it.
    column = std::max(0, std::min(column, length - windowStart));
    state.caretColumn = column;
    cursor = windowStart + column;
  }

  if (!state.decimalDisplay) return;
  if (snapToGroup) {
    while (state.decimalCursor > 0 && source[static_cast<size_t>(state.decimalCursor)] != '[') {
      --state.decimalCursor;
      if (state.caretColumn > 0) --state.caretColumn;
    }
  }
  // The character cursor goes to the start of the content stretch that the
  // decimal group under the decimal cursor stands for. Counting the "]" before
  // the decimal cursor is right only for plain characters: a function word such
  // as [CR] is four characters of content, and a cursor counted that way would
  // point into the middle of the word.
  state.cursor = static_cast<int>(doc.Content(state.selectedKey).size());
  for (const DecimalGroup& g : KeyEditor::DecimalGroups(doc.Content(state.selectedKey))) {
    if (state.decimalCursor < g.decimalStart + g.decimalLength) {
      state.cursor = g.contentStart;
      break;
    }
  }
}

}  // namespace vexa::content_window
