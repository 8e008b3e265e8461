// The edit history of the template: Undo and Redo.
//
// One history for the one template document, kept as a stack of steps. A step
// holds the template as it was before and after it (the 176 key contents, the
// blank and defined flags, the key labels and the settings area of the memory
// image) and where the user was editing (selected position and key, its mode,
// cursor, caret column, decimal cursor and display). Undo puts back the state
// before the last step, Redo the state after the next one.
//
// What makes a step:
//  - every router command of RecordedCommands(): the Key Edit commands, Cut and
//    Paste, the OK of Config KB and Config MR, Import Text Data and Load
//    Default. Recording wraps the handlers in the router (Register), so the
//    handlers themselves know nothing of it;
//  - Read From KB, recorded by the keyboard commands where the image read is
//    applied to the template;
//  - a run of typing into one key: keystrokes (Record with StepKind::Typing)
//    merge into the step before them while they go into the same key with the
//    cursor where the previous one left it, and nothing else was recorded,
//    undone, redone or saved in between. A run that ends where it began (a
//    letter typed and deleted again) is dropped.
// Something that changes nothing of the template records nothing: cursor and
// selection moves, the decimal display, a command cancelled in its dialog.
//
// The content area of the memory image is not kept: it is only a copy of the
// key contents, rebuilt from them before every save and every write.
//
// New, Load and a model switch start a fresh history (Clear). A Save marks the
// state it saved (MarkSaved): undoing or redoing back to that state clears the
// modified flag, every other state sets it. The history survives the Save.
// The history owns the modified flag while it records: after each Record it is
// set exactly when the template is in another state than the one saved, so an
// edit that changed nothing never marks the template modified.
//
// At most `limit` steps are kept (100 unless told otherwise); the oldest goes
// first. A step costs two snapshots of about 13 KB each.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "commands/DocumentEvents.h"
#include "document/MemoryImage.h"
#include "view/ViewState.h"

namespace vexa {

class CVEXADoc;
class CommandRouter;

class UndoHistory {
 public:
  static constexpr std::size_t kDefaultLimit = 100;

  enum class StepKind {
    Command,  // one step of its own
    Typing,   // merges with the typing step before it (see above)
  };

  UndoHistory(CVEXADoc& doc, ViewState& state, DocumentEvents& events, std::size_t limit = kDefaultLimit);

  // Registers Undo and Redo (enabled while there is something to undo or
  // redo) and records every command of RecordedCommands() run by the router.
  void Register(CommandRouter& router);
  // The router commands that are recorded as steps.
  [[nodiscard]] static bool IsRecorded(int commandId);

  // Runs `edit` and records it as one step when it changed the template. A
  // Record inside another one runs its edit as part of the outer step.
  void Record(StepKind kind, const std::function<void()>& edit);

  [[nodiscard]] bool CanUndo() const { return m_index > 0; }
  [[nodiscard]] bool CanRedo() const { return m_index < m_steps.size(); }
  // Each returns false (and changes nothing) when there is nothing to undo or redo.
  bool Undo();
  bool Redo();

  // The template was replaced (New, Load, model switch): no steps, and the
  // template as it is now counts as saved.
  void Clear();
  // The template was saved as it is now.
  void MarkSaved();

  [[nodiscard]] std::size_t StepCount() const { return m_steps.size(); }
  // Steps that can be undone (the rest can be redone).
  [[nodiscard]] std::size_t Position() const { return m_index; }

 private:
  static constexpr int kSettingsAreaSize = kImageSize - kContentAreaSize;

  // What a step changes in the template. The blank flags follow from the
  // contents (the view refreshes them at every repaint), so they are kept and
  // put back but not compared.
  struct Snapshot {
    KeyContents contents;
    std::array<int, kKeyCount> blank{};
    std::array<int, kKeyCount> defined{};
    std::array<std::string, kKeyCount> labels;
    std::array<std::uint8_t, kSettingsAreaSize> settings{};
    [[nodiscard]] bool SameTemplate(const Snapshot& other) const;
  };
  struct Step {
    StepKind kind;
    Snapshot before;
    Snapshot after;
    CursorMemento cursorBefore;
    CursorMemento cursorAfter;
  };

  [[nodiscard]] Snapshot Take() const;
  void Restore(const Snapshot& snapshot, const CursorMemento& cursor);
  void Push(Step step);
  void UpdateModified();

  CVEXADoc& m_doc;
  ViewState& m_state;
  DocumentEvents& m_events;
  std::size_t m_limit;
  std::deque<Step> m_steps;
  std::size_t m_index = 0;                      // steps before it are done, from it on undone
  std::optional<std::size_t> m_savedIndex = 0;  // none once the saved state is gone
  bool m_typingMayMerge = false;                // the last step is typing and may grow
  bool m_recording = false;
};

}  // namespace vexa
