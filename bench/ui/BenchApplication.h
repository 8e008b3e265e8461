// The one offscreen QApplication that the editor benchmarks share (both
// benchmark files link into one binary, and Qt allows one application).
#pragma once

#include <QApplication>

namespace vexa::bench {

inline QApplication& BenchApplication() {
  static int argc = 1;
  static char name[] = "vexa_gui_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return QApplication::instance() ? static_cast<QApplication*>(QApplication::instance())
                                    : new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace vexa::bench
