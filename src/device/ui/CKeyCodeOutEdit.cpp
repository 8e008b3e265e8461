#include "device/ui/CKeyCodeOutEdit.h"

#include <QKeyEvent>
#include <QScrollBar>

#include "view/KeyEventMapping.h"
#include "view/ui/ViewKeyEditor.h"

namespace vexa {

namespace {

constexpr int kCapsLockFlags = 0x3A;  // make code of Caps Lock, not extended

}  // namespace

CKeyCodeOutEdit::CKeyCodeOutEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("keyCodeOutEdit"));
  setProperty("controlId", KeyCodeOutput::kTextAreaControlId);
  setReadOnly(true);
  setFrameShape(QFrame::Box);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::ClickFocus);
  Reset();
}

void CKeyCodeOutEdit::HandleKey(const QKeyEvent& event) {
  const std::optional<PcKeyEvent> key = ViewKeyEditor::ToPcEvent(event);
  if (!key || key->systemKey) return;
  if (key->press)
    KeyDown(*key, event.timestamp());
  else
    KeyUp(*key);
}

void CKeyCodeOutEdit::KeyDown(const PcKeyEvent& key, std::uint64_t timeMs) {
  if (key.flags == kCapsLockFlags) m_capsLockHeld = true;
  // The Caps Lock state as the letters see it: 1 on, 0 off, and neither while
  // the Caps Lock key itself is held down.
  const int capsState = m_capsLockHeld ? 0x80 : (key.capsLock ? 1 : 0);
  (void)m_output.KeyDown(key.virtualKey, key.flags, capsState);
  ShowText();
  if (m_output.QuitRequested(key.flags, static_cast<std::int64_t>(timeMs))) emit quitRequested();
}

void CKeyCodeOutEdit::KeyUp(const PcKeyEvent& key) {
  if ((key.flags & 0x1FF) == kCapsLockFlags) m_capsLockHeld = false;
  m_output.KeyUp(key.flags);
}

void CKeyCodeOutEdit::Clear() {
  m_output.Clear();
  ShowText();
}

void CKeyCodeOutEdit::Reset() {
  m_output.Reset();
  m_capsLockHeld = false;
  ShowText();
}

void CKeyCodeOutEdit::ShowText() {
  // Key names are 8-bit text; all of them are plain ASCII.
  setPlainText(QString::fromLatin1(m_output.Text().data(), static_cast<qsizetype>(m_output.Text().size())));
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->maximum());
}

bool CKeyCodeOutEdit::TakesShortcut(QEvent& event) {
  if (event.type() != QEvent::ShortcutOverride) return false;
  if (static_cast<QKeyEvent&>(event).modifiers().testFlag(Qt::AltModifier)) return false;
  event.accept();
  return true;
}

bool CKeyCodeOutEdit::event(QEvent* event) {
  if (TakesShortcut(*event)) return true;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    HandleKey(static_cast<QKeyEvent&>(*event));
    event->accept();
    return true;
  }
  return QPlainTextEdit::event(event);
}

}  // namespace vexa
