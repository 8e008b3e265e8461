// What assistive technology is told about the drawn keyboard: one accessible
// child per layout position (child index = position), its name, content and
// key mode, which child is selected, and which announcements a change of the
// view's state calls for. The words of the key modes are the caller's (they
// are translated); everything here is plain bytes of the layout and the
// template, in the 8-bit code page the view draws them in.
#pragma once

#include <string>
#include <vector>

namespace vexa {

class CVEXADoc;
struct ViewState;

namespace view_accessibility {

enum class KeyMode { Ascii, ScanCode, Empty };

struct KeyFacts {
  std::string name;     // the label as drawn, without surrounding blanks
  std::string content;  // the content as the content window shows it
  KeyMode mode = KeyMode::Empty;
  friend bool operator==(const KeyFacts&, const KeyFacts&) = default;
};

// The number of children: the layout's key count.
[[nodiscard]] int ChildCount(const CVEXADoc& doc);
// True for the positions drawn as selected: the selected position, and with
// the L-shaped Enter key selected also its upper block.
[[nodiscard]] bool IsSelectedChild(const CVEXADoc& doc, const ViewState& state, int position);
// Name, content and mode of the key at a layout position. The upper block of
// the L-shaped Enter key has no label of its own and is named after the Enter
// key. The selected key's mode is the one the editor is in (it decides what
// typing enters, even into an empty key); another key's mode follows its
// content, Empty when it has none.
[[nodiscard]] KeyFacts FactsOf(const CVEXADoc& doc, const ViewState& state, int position);

// What is remembered between two looks at the view.
struct Snapshot {
  int modelId = -1;
  int selectedPosition = -1;
  std::vector<KeyFacts> keys;  // by layout position
};
[[nodiscard]] Snapshot TakeSnapshot(const CVEXADoc& doc, const ViewState& state);

struct Announcement {
  enum class Kind {
    Reset,           // another layout: every child is new
    Selected,        // the selection moved to `child`
    NameChanged,     // the label of `child` changed
    ContentChanged,  // the content of `child` changed (value and description)
    ModeChanged,     // only the key mode of `child` changed (description)
  };
  Kind kind = Kind::Reset;
  int child = -1;
  friend bool operator==(const Announcement&, const Announcement&) = default;
};

// The announcements that lead from `before` to `after`, in the order to send
// them: a changed layout gives Reset followed by Selected; otherwise the
// changes of the keys by position, then Selected when the selection moved.
[[nodiscard]] std::vector<Announcement> Compare(const Snapshot& before, const Snapshot& after);

}  // namespace view_accessibility
}  // namespace vexa
