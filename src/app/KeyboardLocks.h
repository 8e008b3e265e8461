// The Caps Lock, Num Lock and Scroll Lock states shown in the status bar.
// Read from the X server's keyboard indicators when the editor runs on X11;
// everywhere else (Wayland, offscreen) all three read as off.
#pragma once

namespace vexa {

struct LockStates {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

class KeyboardLocks {
 public:
  KeyboardLocks();
  ~KeyboardLocks();
  KeyboardLocks(const KeyboardLocks&) = delete;
  KeyboardLocks& operator=(const KeyboardLocks&) = delete;

  [[nodiscard]] LockStates Read() const;

 private:
  struct X11;
  X11* m_x11 = nullptr;
};

}  // namespace vexa
