// The layout view's speed: a full repaint of the 176-key DV3300 view into an
// offscreen image, and start-up (settings, document, window, first initial
// update) to the first painted frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

#include "BenchApplication.h"
#include "app/CMainFrame.h"
#include "app/CVEXAApp.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/ScriptedUserInterface.h"
#include "view/ui/CVEXAView.h"

namespace {

void BM_RepaintDV3300(benchmark::State& state) {
  vexa::bench::BenchApplication();
  vexa::MemorySettingsStore settings;
  settings.WriteInt(vexa::kSettingsSection, vexa::kSettingsModelEntry, 2018);
  vexa::ScriptedUserInterface ui;
  QTemporaryDir dir;
  vexa::CVEXAApp editor(settings, ui, dir.path().toStdString());
  (void)editor.Start({});
  // Every key holds something, so every label is coloured and SpaceLeft
  // encodes 176 contents on each repaint.
  for (int k = 0; k < 176; ++k) editor.Document().Content(k) = (k % 2) ? "abc[CR]" : "[F1][A]";
  editor.View().resize(800, 400);
  QImage image(editor.View().size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    editor.View().PaintView(painter);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RepaintDV3300)->Unit(benchmark::kMillisecond);

void BM_StartupToFirstFrame(benchmark::State& state) {
  vexa::bench::BenchApplication();
  QTemporaryDir dir;
  for (auto _ : state) {
    vexa::MemorySettingsStore settings;
    vexa::ScriptedUserInterface ui;
    vexa::CVEXAApp editor(settings, ui, dir.path().toStdString());
    (void)editor.Start({});
    editor.Frame().resize(1280, 1024);
    QImage frame = editor.Frame().grab().toImage();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
