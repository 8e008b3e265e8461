// The editor's event loop during a full Write Into KB over USB with the real
// waits (64 x 250 ms and more) on the simulated keyboard, the command given
// as the menu gives it. A 1 ms timer records every turn of the event loop;
// "max_stall_ms" is the longest gap between two turns, from the moment the
// command starts (the preparation on the GUI thread included) to the end of
// the write (the document update and the view's reset included). The window
// must never stand still long enough to be seen: the figure should stay
// under 50 ms, where a transfer on the GUI thread gave the whole write.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "BenchApplication.h"
#include "app/CMainFrame.h"
#include "app/CVEXAApp.h"
#include "commands/CommandTable.h"
#include "device/ui/KeyboardCommands.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/ScriptedUserInterface.h"

namespace {

void BM_EventLoopStallDuringUsbWrite(benchmark::State& state) {
  vexa::bench::BenchApplication();
  qunsetenv("VEXA_SIM_NO_WAITS");  // the real waits
  QTemporaryDir dir;
  vexa::MemorySettingsStore settings;
  vexa::ScriptedUserInterface ui;
  ui.portAnswers.push_back(vexa::PortKind::kUsb);
  vexa::CVEXAApp editor(settings, ui, dir.path().toStdString());
  vexa::StartupOptions options;
  options.simulatedKeyboardFile = dir.filePath(QStringLiteral("keyboard.bin")).toStdString();
  if (editor.Start(options) != vexa::StartResult::Ok) {
    state.SkipWithError("the editor did not start on the simulated keyboard");
    return;
  }
  editor.Show();
  for (int k = 0; k < 40; ++k) editor.Document().Content(editor.Document().KeyMap()[k]) = "abc[CR]";

  qint64 longestMs = 0;
  qint64 turns = 0;
  for (auto _ : state) {
    QEventLoop loop;
    QElapsedTimer sinceLastTurn;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      longestMs = std::max(longestMs, sinceLastTurn.restart());
      ++turns;
      if (!editor.Keyboard().TransferRunning()) loop.quit();
    });
    QTimer::singleShot(0, [&] {
      sinceLastTurn.start();
      editor.Frame().Dispatch(vexa::cmd::kWriteIntoKeyboard);
      ticker.start();
    });
    loop.exec();
  }
  if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().c_str());
  state.counters["max_stall_ms"] = static_cast<double>(longestMs);
  state.counters["loop_turns"] = static_cast<double>(turns);
}
BENCHMARK(BM_EventLoopStallDuringUsbWrite)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
