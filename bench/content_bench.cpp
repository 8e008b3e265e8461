// The key content operations the editor runs on a whole template: the space
// left (every repaint and key press), building and decoding the image (save,
// open, transfers) and validating all keys (save). The template is full: 176
// keys, mixed ASCII and scan code contents, close to the 1968 bytes of the
// content area.
#include <benchmark/benchmark.h>

#include "document/KeyContent.h"
#include "document/MemoryImage.h"

namespace vexa {
namespace {

KeyContents FullTemplate() {
  const char* samples[] = {
      "Coffee [CR]",                      // 8 bytes
      "[F1][Shift][A][Delay5][Enter]",    // 7
      "Tea a[[1]][Separator]b",           // 10
      "[PrintScreen][PauseBreak][Mute]",  // 10
      "[Caps]Espresso[Delay250]",         // 12
      "[Ctrl][C][Separator][PageDown]",   // 6
      "[ShiftLevel2]",                    // 3
      "Total[CR]",                        // 6
  };
  KeyContents contents;
  for (size_t k = 0; k < contents.size(); ++k) contents[k] = samples[k % std::size(samples)];
  // Top up to just under the content area with plain text on the first keys.
  for (size_t k = 0; SpaceLeft(contents) > 8; k = (k + 8) % contents.size()) contents[k] += "xyz";
  return contents;
}

void BM_SpaceLeft(benchmark::State& state) {
  const KeyContents contents = FullTemplate();
  std::array<int, kKeyCount> blank{};
  for (auto _ : state) benchmark::DoNotOptimize(SpaceLeft(contents, blank));
  state.counters["space_left"] = SpaceLeft(contents);
}
BENCHMARK(BM_SpaceLeft);

void BM_BuildImage(benchmark::State& state) {
  KeyContents contents = FullTemplate();
  Image image;
  ResetImage(image);
  for (auto _ : state) {
    BuildImage(image, contents, 2013);
    benchmark::DoNotOptimize(image.data());
  }
}
BENCHMARK(BM_BuildImage);

void BM_DecodeImage(benchmark::State& state) {
  KeyContents contents = FullTemplate();
  Image image;
  ResetImage(image);
  BuildImage(image, contents, 2013);
  KeyContents decoded;
  for (auto _ : state) {
    DecodeImage(image, decoded, 2013);
    benchmark::DoNotOptimize(decoded.data());
  }
}
BENCHMARK(BM_DecodeImage);

void BM_ValidateAllKeys(benchmark::State& state) {
  const KeyContents contents = FullTemplate();
  if (FirstInvalidKey(contents) != -1) state.SkipWithError("the template holds an invalid key");
  for (auto _ : state) benchmark::DoNotOptimize(FirstInvalidKey(contents));
}
BENCHMARK(BM_ValidateAllKeys);

void BM_CheckKeyDataFits(benchmark::State& state) {
  const KeyContents contents = FullTemplate();
  for (auto _ : state) benchmark::DoNotOptimize(KeyDataBytesOver(contents));
}
BENCHMARK(BM_CheckKeyDataFits);

}  // namespace
}  // namespace vexa
