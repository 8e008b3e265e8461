// Where the key editor plugs into the layout view: the view hands every key
// press and release to the handler first and does its own navigation only for
// events the handler leaves alone.
#pragma once

class QKeyEvent;

namespace vexa {

class ViewKeyHandler {
 public:
  virtual ~ViewKeyHandler() = default;
  // True when the event was handled (the view then repaints and refreshes the
  // command states).
  virtual bool KeyPress(QKeyEvent& event) = 0;
  virtual bool KeyRelease(QKeyEvent& event) = 0;
};

}  // namespace vexa
