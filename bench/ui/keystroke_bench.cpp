// One keystroke in the running editor on a full 176-key DV3300 template: the
// native key event through the key mapping, the key editor's dispatch and the
// insertion (or deletion) into the selected key, then the repaint of the
// information area (key name, mode, space left, content box) into an
// offscreen image. Each iteration types a letter and deletes it again, so the
// template stays the same size; the time is for those two keystrokes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>

#include "BenchApplication.h"
#include "app/CVEXAApp.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/ScriptedUserInterface.h"
#include "view/ui/CVEXAView.h"

namespace {

void KeyDown(QWidget& view, int evdev, quint32 keysym, int qtKey, const char* text) {
  QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, evdev + 8, keysym, 0, QString::fromLatin1(text));
  QApplication::sendEvent(&view, &press);
}

void BM_KeystrokeFullTemplate(benchmark::State& state) {
  vexa::bench::BenchApplication();
  vexa::MemorySettingsStore settings;
  settings.WriteInt(vexa::kSettingsSection, vexa::kSettingsModelEntry, 2018);
  vexa::ScriptedUserInterface ui;
  QTemporaryDir dir;
  vexa::CVEXAApp editor(settings, ui, dir.path().toStdString());
  (void)editor.Start({});
  vexa::CVEXADoc& doc = editor.Document();
  // Every key holds a content, about 1700 of the 1968 bytes in all.
  for (int k = 0; k < vexa::kKeyCount; ++k) doc.Content(k) = (k % 2) ? "abcdefg[CR]" : "[F1][A][B][C][D][E]";
  vexa::CVEXAView& view = editor.View();
  view.resize(800, 400);
  vexa::ViewState& viewState = view.State();
  const int key = viewState.selectedKey;
  doc.Content(key) = "abcdefg[CR]";
  viewState.keyModes[static_cast<size_t>(key)] = 1;
  viewState.cursor = viewState.caretColumn = static_cast<int>(doc.Content(key).size());

  QImage image(view.size(), QImage::Format_RGB32);
  auto repaintInformationArea = [&] {
    QPainter painter(&image);
    painter.setClipRect(vexa::CVEXAView::InformationArea());
    view.PaintView(painter, vexa::CVEXAView::InformationArea());
  };
  for (auto _ : state) {
    KeyDown(view, 30, 'a', Qt::Key_A, "a");
    repaintInformationArea();
    KeyDown(view, 14, 0xff08, Qt::Key_Backspace, "\b");
    repaintInformationArea();
    benchmark::DoNotOptimize(image.constBits());
  }
  if (doc.Content(key) != "abcdefg[CR]") state.SkipWithError("the keystrokes did not reach the key");
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_KeystrokeFullTemplate)->Unit(benchmark::kMicrosecond);

}  // namespace
