// The text area of the keyboard output test: a read-only, multi-line text
// that collects the name of every key pressed while the test is open (", [F1]"
// for a named key, the character itself for the others) and scrolls along.
// The names come from KeyCodeOutput; this class only turns Qt key events into
// the PC key codes and flags it works on.
#pragma once

#include <QPlainTextEdit>
#include <cstdint>

#include "device/KeyCodeOutput.h"

class QKeyEvent;

namespace vexa {

struct PcKeyEvent;

class CKeyCodeOutEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit CKeyCodeOutEdit(QWidget* parent = nullptr);

  // A key event of the user's keyboard, from wherever it arrived. Events
  // without a PC key (and system keys, which the window system keeps for the
  // menus) are ignored.
  void HandleKey(const QKeyEvent& event);
  // `timeMs`: when the key went down (the event's timestamp), for the way out
  // by Esc (KeyCodeOutput::QuitRequested).
  void KeyDown(const PcKeyEvent& key, std::uint64_t timeMs = 0);
  void KeyUp(const PcKeyEvent& key);

  // Opening the test: empty text, the shift flag kept.
  void Clear();
  // A new test window: empty text, shift flag cleared.
  void Reset();

  [[nodiscard]] const KeyCodeOutput& Output() const { return m_output; }

 signals:
  // Esc was pressed three times within a second: the test is to close.
  void quitRequested();

 public:
  // While the test is open a key that is also an accelerator (Ctrl+S,
  // Shift+Del, F6 ...) is shown, not run: the keyboard under test may send
  // any of them. Keys with Alt stay with the menus. True when `event` was such
  // a shortcut request and is now accepted as an ordinary key.
  static bool TakesShortcut(QEvent& event);

 protected:
  // With the focus on the text area itself, keys reach it directly. Tab and
  // Backtab are taken here too, before they could move the focus.
  bool event(QEvent* event) override;

 private:
  void ShowText();

  KeyCodeOutput m_output;
  bool m_capsLockHeld = false;
};

}  // namespace vexa
