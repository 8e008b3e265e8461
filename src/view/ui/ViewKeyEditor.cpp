#include "view/ui/ViewKeyEditor.h"

#include <QKeyEvent>

#include "commands/UndoHistory.h"

namespace vexa {

std::optional<PcKeyEvent> ViewKeyEditor::ToPcEvent(const QKeyEvent& event) {
  NativeKeyEvent native;
  native.scanCode = event.nativeScanCode();
  native.keysym = event.nativeVirtualKey();
  native.modifiers = event.nativeModifiers();
  native.autoRepeat = event.isAutoRepeat();
  native.press = event.type() == QEvent::KeyPress;
  return MapKeyEvent(native);
}

bool ViewKeyEditor::Handle(QKeyEvent& event) {
  const std::optional<PcKeyEvent> pc = ToPcEvent(event);
  if (!pc) return false;
  if (m_diversion && m_diversion(*pc)) return true;
  if (pc->press) {
    if (pc->systemKey) {
      // Not the view's: let it travel on to the window.
      event.ignore();
      return true;
    }
    if (m_history) {
      m_history->Record(UndoHistory::StepKind::Typing, [this, &pc] { (void)m_editor.KeyDown(*pc); });
    } else {
      (void)m_editor.KeyDown(*pc);
    }
    if (std::string refusal = m_editor.TakeRefusal(); !refusal.empty() && m_refusalSink)
      m_refusalSink(refusal);
    return true;
  }
  // Releases only matter for Shift, and a Shift release counts even when Alt
  // made it a system key: otherwise the editor would believe Shift still held.
  (void)m_editor.KeyUp(pc->flags);
  return false;
}

bool ViewKeyEditor::KeyPress(QKeyEvent& event) { return Handle(event); }
bool ViewKeyEditor::KeyRelease(QKeyEvent& event) { return Handle(event); }

}  // namespace vexa
