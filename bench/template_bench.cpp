// Text template export + import of a full DV3300 template (176 keys), and
// template file load + decode, each through the document as the editor runs it
// (real files in $TMPDIR, else /tmp). Both writes are made durable with fsync,
// which on a disk-backed directory costs far more than the work itself: run with
// TMPDIR=/dev/shm to see the code's own cost. The text template's in-memory
// format + parse is measured on its own as well.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "document/CVEXADoc.h"
#include "document/TextTemplate.h"

namespace {

constexpr int kDV3300 = 2018;

std::string BenchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("vexa_template_bench_") + name)).string();
}

// 176 keys, mixed ASCII and scan code contents, with commas and backslashes to
// escape: about 1900 of the 1968 bytes of the content area.
void FillFullTemplate(vexa::CVEXADoc& doc) {
  for (int k = 0; k < vexa::kKeyCount; ++k) {
    std::string content;
    if (k % 3 == 0)
      content = "[F1][A][B][C][D][E]";
    else
      content = "a,b\\c-k" + std::to_string(k);
    doc.Content(k) = content;
  }
  if (doc.SpaceLeft() < 0) std::abort();
}

void BM_TextTemplateExportImportDV3300(benchmark::State& state) {
  vexa::MemorySettingsStore settings;
  settings.WriteInt(vexa::kSettingsSection, vexa::kSettingsModelEntry, kDV3300);
  vexa::CVEXADoc doc(settings, ".");
  doc.NewTemplate();
  FillFullTemplate(doc);
  const std::string path = BenchPath("dv3300.txt");
  for (auto _ : state) {
    const vexa::Outcome exported = doc.ExportTextTemplate(path);
    const vexa::Outcome imported = doc.ImportTextTemplate(path);
    if (!exported.ok || !imported.ok || !imported.message.empty())
      state.SkipWithError("text template failed");
    benchmark::DoNotOptimize(doc.Contents());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_TextTemplateExportImportDV3300)->Unit(benchmark::kMicrosecond);

void BM_TextTemplateFormatParseDV3300(benchmark::State& state) {
  vexa::MemorySettingsStore settings;
  settings.WriteInt(vexa::kSettingsSection, vexa::kSettingsModelEntry, kDV3300);
  vexa::CVEXADoc doc(settings, ".");
  doc.NewTemplate();
  FillFullTemplate(doc);
  for (auto _ : state) {
    const std::string text =
        vexa::FormatTextTemplate(doc.Labels(), doc.Contents(), doc.KeyMap(), doc.KeyCount());
    vexa::TextTemplateRows rows = vexa::ParseTextTemplate(text, doc.KeyCount());
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(BM_TextTemplateFormatParseDV3300)->Unit(benchmark::kMicrosecond);

void BM_TemplateFileLoadDecodeDV3300(benchmark::State& state) {
  vexa::MemorySettingsStore settings;
  settings.WriteInt(vexa::kSettingsSection, vexa::kSettingsModelEntry, kDV3300);
  vexa::CVEXADoc doc(settings, ".");
  doc.NewTemplate();
  FillFullTemplate(doc);
  const std::string path = BenchPath("dv3300.bin");
  if (!doc.SaveTemplate(path).ok) state.SkipWithError("save failed");
  for (auto _ : state) {
    if (!doc.OpenTemplate(path).ok) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(doc.Contents());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_TemplateFileLoadDecodeDV3300)->Unit(benchmark::kMicrosecond);

}  // namespace
