#include "app/KeyboardLocks.h"

#include <dlfcn.h>

#include <QGuiApplication>
#include <memory>

namespace vexa {

// libX11 is loaded at run time: the editor must not need it on Wayland or in
// the offscreen test runs, and the indicator state is the only thing we take
// from it.
struct KeyboardLocks::X11 {
  using Display = void;
  using Atom = unsigned long;
  void* library = nullptr;
  Display* display = nullptr;
  Display* (*openDisplay)(const char*) = nullptr;
  int (*closeDisplay)(Display*) = nullptr;
  Atom (*internAtom)(Display*, const char*, int) = nullptr;
  // Bool XkbGetNamedIndicator(Display*, Atom, int* index, Bool* state, XkbIndicatorMapPtr, Bool* real)
  int (*getNamedIndicator)(Display*, Atom, int*, int*, void*, int*) = nullptr;
  Atom caps = 0, num = 0, scroll = 0;

  [[nodiscard]] bool Indicator(Atom atom) const {
    int on = 0;
    if (!getNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on != 0;
  }
};

KeyboardLocks::KeyboardLocks() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto x = std::make_unique<X11>();
  x->library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
  if (!x->library) return;
  x->openDisplay = reinterpret_cast<decltype(x->openDisplay)>(dlsym(x->library, "XOpenDisplay"));
  x->closeDisplay = reinterpret_cast<decltype(x->closeDisplay)>(dlsym(x->library, "XCloseDisplay"));
  x->internAtom = reinterpret_cast<decltype(x->internAtom)>(dlsym(x->library, "XInternAtom"));
  x->getNamedIndicator =
      reinterpret_cast<decltype(x->getNamedIndicator)>(dlsym(x->library, "XkbGetNamedIndicator"));
  if (!x->openDisplay || !x->closeDisplay || !x->internAtom || !x->getNamedIndicator ||
      !(x->display = x->openDisplay(nullptr))) {
    dlclose(x->library);
    return;
  }
  x->caps = x->internAtom(x->display, "Caps Lock", 0);
  x->num = x->internAtom(x->display, "Num Lock", 0);
  x->scroll = x->internAtom(x->display, "Scroll Lock", 0);
  m_x11 = x.release();
}

KeyboardLocks::~KeyboardLocks() {
  if (!m_x11) return;
  m_x11->closeDisplay(m_x11->display);
  dlclose(m_x11->library);
  delete m_x11;
}

LockStates KeyboardLocks::Read() const {
  if (!m_x11) return {};
  return {m_x11->Indicator(m_x11->caps), m_x11->Indicator(m_x11->num), m_x11->Indicator(m_x11->scroll)};
}

}  // namespace vexa
