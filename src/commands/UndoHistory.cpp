#include "commands/UndoHistory.h"

#include <algorithm>
#include <array>

#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/KeyEditCommands.h"
#include "document/CVEXADoc.h"

namespace vexa {

namespace {

// Router commands that change the template, besides the Key Edit commands.
constexpr std::array kRecordedCommands{
    cmd::kCut,        cmd::kPaste,      cmd::kConfigKeyboard, cmd::kConfigCardReader,
    cmd::kImportText, cmd::kLoadDefault};

}  // namespace

UndoHistory::UndoHistory(CVEXADoc& doc, ViewState& state, DocumentEvents& events, std::size_t limit)
    : m_doc(doc), m_state(state), m_events(events), m_limit(std::max<std::size_t>(limit, 1)) {}

bool UndoHistory::IsRecorded(int commandId) {
  const auto keyEdit = KeyEditCommands::Ids();
  return std::find(kRecordedCommands.begin(), kRecordedCommands.end(), commandId) !=
             kRecordedCommands.end() ||
         std::find(keyEdit.begin(), keyEdit.end(), commandId) != keyEdit.end();
}

void UndoHistory::Register(CommandRouter& router) {
  router.Register(
      cmd::kUndo, [this] { (void)Undo(); }, [this] { return CanUndo(); });
  router.Register(
      cmd::kRedo, [this] { (void)Redo(); }, [this] { return CanRedo(); });
  router.SetAround([this](int id, const CommandRouter::Handler& run) {
    if (IsRecorded(id)) {
      Record(StepKind::Command, run);
    } else {
      run();
    }
  });
}

bool UndoHistory::Snapshot::SameTemplate(const Snapshot& other) const {
  return contents == other.contents && defined == other.defined && labels == other.labels &&
         settings == other.settings;
}

UndoHistory::Snapshot UndoHistory::Take() const {
  Snapshot s;
  s.contents = m_doc.Contents();
  s.blank = m_doc.BlankFlags();
  s.defined = m_doc.DefinedFlags();
  s.labels = m_doc.Labels();
  const Image& image = m_doc.MemoryImage();
  std::copy(image.begin() + kContentAreaSize, image.end(), s.settings.begin());
  return s;
}

void UndoHistory::Restore(const Snapshot& snapshot, const CursorMemento& cursor) {
  m_doc.Contents() = snapshot.contents;
  m_doc.BlankFlags() = snapshot.blank;
  m_doc.DefinedFlags() = snapshot.defined;
  m_doc.Labels() = snapshot.labels;
  Image& image = m_doc.MemoryImage();
  std::copy(snapshot.settings.begin(), snapshot.settings.end(), image.begin() + kContentAreaSize);
  m_state.RestoreCursor(cursor, m_doc);
}

void UndoHistory::Record(StepKind kind, const std::function<void()>& edit) {
  if (m_recording) {
    edit();
    return;
  }
  const CursorMemento cursorBefore = m_state.SaveCursor();
  const bool modifiedBefore = m_doc.IsModified();
  Snapshot before = Take();
  {
    struct Recording {
      bool& flag;
      explicit Recording(bool& f) : flag(f) { flag = true; }
      ~Recording() { flag = false; }
    } recording(m_recording);
    edit();
  }
  Snapshot after = Take();
  if (after.SameTemplate(before)) {
    // Nothing of the template changed, whatever the edit said: a move, a
    // cancelled dialog or a refused keystroke leaves the modified mark alone.
    m_doc.SetModified(modifiedBefore);
    return;
  }
  const CursorMemento cursorAfter = m_state.SaveCursor();

  // Typing that goes on where the last keystroke left off grows that step.
  if (kind == StepKind::Typing && m_typingMayMerge && m_index == m_steps.size() && m_index > 0) {
    Step& last = m_steps.back();
    if (last.cursorAfter == cursorBefore && last.cursorAfter.selectedKey == cursorAfter.selectedKey) {
      last.after = std::move(after);
      last.cursorAfter = cursorAfter;
      // Typed and deleted again: the run changed nothing and is no step.
      if (last.after.SameTemplate(last.before)) {
        m_steps.pop_back();
        --m_index;
        m_typingMayMerge = false;
      }
      UpdateModified();
      return;
    }
  }
  Push(Step{kind, std::move(before), std::move(after), cursorBefore, cursorAfter});
  m_typingMayMerge = kind == StepKind::Typing;
  UpdateModified();
}

void UndoHistory::Push(Step step) {
  // A new step ends every redo; a saved state among them is gone for good.
  m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_index), m_steps.end());
  if (m_savedIndex && *m_savedIndex > m_index) m_savedIndex.reset();
  m_steps.push_back(std::move(step));
  ++m_index;
  if (m_steps.size() > m_limit) {
    m_steps.pop_front();
    --m_index;
    if (m_savedIndex) {
      if (*m_savedIndex == 0) {
        m_savedIndex.reset();
      } else {
        --*m_savedIndex;
      }
    }
  }
}

bool UndoHistory::Undo() {
  if (!CanUndo()) return false;
  const Step& step = m_steps[m_index - 1];
  Restore(step.before, step.cursorBefore);
  --m_index;
  m_typingMayMerge = false;
  UpdateModified();
  DocumentEvents::Fire(m_events.restored);
  return true;
}

bool UndoHistory::Redo() {
  if (!CanRedo()) return false;
  const Step& step = m_steps[m_index];
  Restore(step.after, step.cursorAfter);
  ++m_index;
  m_typingMayMerge = false;
  UpdateModified();
  DocumentEvents::Fire(m_events.restored);
  return true;
}

void UndoHistory::UpdateModified() { m_doc.SetModified(!m_savedIndex || *m_savedIndex != m_index); }

void UndoHistory::Clear() {
  m_steps.clear();
  m_index = 0;
  m_savedIndex = 0;
  m_typingMayMerge = false;
}

void UndoHistory::MarkSaved() {
  m_savedIndex = m_index;
  // A save makes the saved keys defined again (blue): the steps that meet at
  // the saved state get its flags, so undoing or redoing back to it shows them
  // blue too, and the state still counts as the one saved.
  const Snapshot saved = Take();
  auto takeFlags = [&saved](Snapshot& s) {
    s.blank = saved.blank;
    s.defined = saved.defined;
  };
  if (m_index > 0) takeFlags(m_steps[m_index - 1].after);
  if (m_index < m_steps.size()) takeFlags(m_steps[m_index].before);
  // Typing after the save is a step of its own, so the saved state stays one
  // undo away.
  m_typingMayMerge = false;
}

}  // namespace vexa
