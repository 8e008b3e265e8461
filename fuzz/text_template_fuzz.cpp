// Reads random bytes as a text template file into a document of a model chosen
// by the first byte, and checks what the reader must guarantee:
// - it never crashes, whatever the bytes;
// - it never changes more than key count positions: labels beyond the key count
//   and contents of key indexes off the layout stay as they were (the PX2400's
//   hidden twin of KeyLock follows KeyLock);
// - a file with an invalid key content is refused whole: nothing changes;
// - otherwise it answers with exactly one of its message cases: success, or the
//   row count warning exactly when the number of line feeds differs from the
//   key count;
// - what it read writes back and reads again unchanged.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/Messages.h"
#include "document/CVEXADoc.h"
#include "models/ModelTable.h"

namespace {

// Every run writes two files (the export is made durable with fsync), so a
// memory-backed directory keeps the harness fast: $TMPDIR, else /dev/shm, else /tmp.
std::string TempPath(const char* name) {
  std::string dir = "/tmp";
  if (const char* tmp = std::getenv("TMPDIR"))
    dir = tmp;
  else if (::access("/dev/shm", W_OK) == 0)
    dir = "/dev/shm";
  return dir + "/vexa_text_fuzz_" + std::to_string(::getpid()) + "_" + name;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int modelId = 2013 + data[0] % 7;  // 2019: an unknown id, handled as a PX2400
  const std::string file(reinterpret_cast<const char*>(data + 1), size - 1);
  static const std::string inPath = TempPath("in.txt");
  static const std::string outPath = TempPath("out.txt");
  static const bool cleanup = [] {
    std::atexit([] {
      std::remove(inPath.c_str());
      std::remove(outPath.c_str());
    });
    return true;
  }();
  (void)cleanup;
  {
    std::ofstream out(inPath, std::ios::binary | std::ios::trunc);
    out << file;
  }

  vexa::MemorySettingsStore settings;
  settings.WriteInt(vexa::kSettingsSection, vexa::kSettingsModelEntry, modelId);
  vexa::CVEXADoc doc(settings, "/nonexistent");
  doc.NewTemplate();
  for (int k = 0; k < vexa::kKeyCount; ++k) doc.Content(k) = "#" + std::to_string(k);
  for (int p = doc.KeyCount(); p < vexa::kKeyCount; ++p) doc.Labels()[static_cast<size_t>(p)] = "beyond";
  const vexa::KeyContents before = doc.Contents();
  const auto labelsBefore = doc.Labels();
  const auto blank = doc.BlankFlags();

  const vexa::Outcome result = doc.ImportTextTemplate(inPath);
  if (!result.ok) {
    Check(!result.message.empty());
    Check(doc.Contents() == before && doc.Labels() == labelsBefore && doc.BlankFlags() == blank);
    return 0;
  }
  const auto lines = static_cast<size_t>(std::count(file.begin(), file.end(), '\n'));
  const bool rowsRight = lines == static_cast<size_t>(doc.KeyCount());
  Check(result.message == (rowsRight ? std::string() : std::string(vexa::msg::kTextFileRowCount)));
  Check(doc.BlankFlags() == blank);

  for (int p = doc.KeyCount(); p < vexa::kKeyCount; ++p)
    Check(doc.Labels()[static_cast<size_t>(p)] == "beyond");
  for (int k = 0; k < vexa::kKeyCount; ++k) {
    const bool onLayout = std::find(doc.KeyMap().begin(), doc.KeyMap().begin() + doc.KeyCount(), k) !=
                          doc.KeyMap().begin() + doc.KeyCount();
    const bool twin = modelId == 2013 && k == 121;
    if (!onLayout && !twin) Check(doc.Content(k) == before[static_cast<size_t>(k)]);
  }

  // Export and import again: the same labels and contents for the applied lines.
  if (doc.ExportTextTemplate(outPath).ok && lines >= static_cast<size_t>(doc.KeyCount())) {
    vexa::CVEXADoc again(settings, "/nonexistent");
    again.NewTemplate();
    const vexa::Outcome reread = again.ImportTextTemplate(outPath);
    Check(reread.ok && reread.message.empty());
    for (int p = 0; p < doc.KeyCount(); ++p) {
      Check(again.Labels()[static_cast<size_t>(p)] == doc.Labels()[static_cast<size_t>(p)]);
      const int k = doc.KeyMap()[static_cast<size_t>(p)];
      Check(again.Content(k) == doc.Content(k));
    }
  }
  return 0;
}
