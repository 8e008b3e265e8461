// The edit history on a full DV3300 template (176 keys, about 1700 of the
// 1968 bytes): what recording costs each keystroke (two snapshots of the
// template and their comparison, the keystroke merged into the typing run), and an
// Undo with its Redo (each restores a whole snapshot).
#include <benchmark/benchmark.h>

#include "commands/UndoHistory.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "view/KeyEditor.h"
#include "view/ViewState.h"

namespace {

struct FullTemplate {
  FullTemplate() {
    settings.WriteInt(vexa::kSettingsSection, vexa::kSettingsModelEntry, 2018);
    doc.NewTemplate();
    for (int k = 0; k < vexa::kKeyCount; ++k)
      doc.Content(k) = (k % 2) ? "abcdefg[CR]" : "[F1][A][B][C][D][E]";
    state.ResetForInitialUpdate(doc);
    state.cursor = state.caretColumn = static_cast<int>(doc.Content(state.selectedKey).size());
  }
  vexa::MemorySettingsStore settings;
  vexa::CVEXADoc doc{settings, "/tmp"};
  vexa::ViewState state;
  vexa::DocumentEvents events;
  vexa::UndoHistory history{doc, state, events};
  vexa::KeyEditor editor{doc, state};
};

void BM_HistoryRecordsKeystrokes(benchmark::State& state) {
  FullTemplate t;
  vexa::PcKeyEvent letter;
  letter.virtualKey = 65;
  letter.flags = 0x1E;
  vexa::PcKeyEvent backspace;
  backspace.virtualKey = 8;
  backspace.flags = 0x0E;
  for (auto _ : state) {
    t.history.Record(vexa::UndoHistory::StepKind::Typing, [&] { (void)t.editor.KeyDown(letter); });
    t.history.Record(vexa::UndoHistory::StepKind::Typing, [&] { (void)t.editor.KeyDown(backspace); });
  }
  // The first run marks the key edited; every later letter and its Backspace
  // merge into a run that changes nothing and is dropped.
  if (t.history.StepCount() != 1) state.SkipWithError("the keystrokes did not merge");
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_HistoryRecordsKeystrokes)->Unit(benchmark::kMicrosecond);

void BM_HistoryUndoRedo(benchmark::State& state) {
  FullTemplate t;
  t.history.Record(vexa::UndoHistory::StepKind::Command, [&] { t.doc.Content(0) = "x"; });
  for (auto _ : state) {
    t.history.Undo();
    t.history.Redo();
  }
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_HistoryUndoRedo)->Unit(benchmark::kMicrosecond);

}  // namespace
