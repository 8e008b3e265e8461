// Connects the layout view's key events to the key editor: each QKeyEvent is
// turned into its PC form (virtual key, key flags, lock states) and handed on.
//
// What never reaches the editor:
//  - the main window's accelerators (Ctrl+S, F6 ...): Qt's shortcut handling
//    takes them before the view sees a key press;
//  - system keys (F10, keys held with Alt): left to the window system, which
//    keeps them for the menus;
//  - auto-repeat releases and keys without a PC equivalent.
// While a diversion is installed and takes an event (the keyboard output test
// window while it is open), the editor sees nothing of it.
//
// With an edit history installed, every key press the editor handles is
// recorded as typing: keystrokes into one key grow one undo step.
#pragma once

#include <functional>

#include "view/KeyEditor.h"
#include "view/KeyEventMapping.h"
#include "view/ui/ViewKeyHandler.h"

namespace vexa {

class CVEXADoc;
class UndoHistory;
struct ViewState;

class ViewKeyEditor final : public ViewKeyHandler {
 public:
  // Gets every mapped key press and release first, system keys included;
  // returns true when it took the event.
  using Diversion = std::function<bool(const PcKeyEvent&)>;

  ViewKeyEditor(CVEXADoc& doc, ViewState& state) : m_editor(doc, state) {}

  void SetDiversion(Diversion diversion) { m_diversion = std::move(diversion); }
  void SetHistory(UndoHistory* history) { m_history = history; }
  // Gets the reason when the editor refused a keystroke (the status bar).
  void SetRefusalSink(std::function<void(const std::string&)> sink) { m_refusalSink = std::move(sink); }

  bool KeyPress(QKeyEvent& event) override;
  bool KeyRelease(QKeyEvent& event) override;

  // The PC form of a Qt key event; nothing when the editor has no use for it.
  [[nodiscard]] static std::optional<PcKeyEvent> ToPcEvent(const QKeyEvent& event);

 private:
  bool Handle(QKeyEvent& event);

  KeyEditor m_editor;
  Diversion m_diversion;
  UndoHistory* m_history = nullptr;
  std::function<void(const std::string&)> m_refusalSink;
};

}  // namespace vexa
