// The wall time of one template written into N keyboards at once (vexa-cli
// keyboard write --all): N emulated USB keyboards, one worker thread each,
// with the real waits (64 x 250 ms and more per keyboard, about 16 s), the
// emulators judging those waits by the real clock. Nearly all of a write is
// the keyboard's waiting, so N keyboards should take about the time of one:
// "ratio_to_one" is the wall time for N over the wall time for one keyboard
// (the goal: below 1.2 at N = 16). Each run takes one write's time, about
// 16 s per N; this benchmark is therefore not part of the smoke run of
// vexa_bench but a program of its own.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "device/KeyboardGroupWrite.h"
#include "device/SystemClock.h"
#include "emulator/EmulatedHidBackend.h"

namespace vexa {
namespace {

Image Pattern() {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 131);
  return image;
}

// Seconds for one write into `count` keyboards at once; an error text when a
// keyboard failed or saw the host break its protocol.
double WriteAll(int count, std::string& error) {
  SystemClock clock;
  std::vector<std::unique_ptr<KeyboardEmulator>> keyboards;
  EmulatedHidBackend hid;
  for (int i = 0; i < count; ++i) {
    keyboards.push_back(std::make_unique<KeyboardEmulator>(Image{}));
    keyboards.back()->SetLogging(false);
    keyboards.back()->SetClock(&clock);
    hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw" + std::to_string(i), keyboards.back().get()));
  }
  KeyboardConnection connection{DeviceEnvironment{&hid, nullptr, &clock, {}, {}}};
  const KeyboardGroupWrite group(connection, Pattern(), {});
  const std::vector<KeyboardListing> targets = connection.ListKeyboards();
  std::vector<KeyboardWriteReport> reports(targets.size());

  const auto start = std::chrono::steady_clock::now();
  {
    std::vector<NullProgressSink> progress(targets.size());
    std::vector<std::jthread> workers;
    for (size_t i = 0; i < targets.size(); ++i)
      workers.emplace_back([&, i] { reports[i] = group.Write(targets[i], progress[i]); });
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  if (static_cast<int>(reports.size()) != count) error = "not every keyboard was listed";
  for (const KeyboardWriteReport& r : reports)
    if (!r.outcome.ok) error = r.keyboard.path + ": " + r.outcome.message;
  for (const std::string& v : hid.Violations()) error = "protocol violation: " + v;
  return seconds;
}

double g_oneKeyboardSeconds = 0;

void BM_WriteAllKeyboards(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::string error;
  double seconds = 0;
  for (auto _ : state) {
    seconds = WriteAll(count, error);
    state.SetIterationTime(seconds);
  }
  if (!error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  if (count == 1) g_oneKeyboardSeconds = seconds;
  if (g_oneKeyboardSeconds == 0) g_oneKeyboardSeconds = WriteAll(1, error);  // run on its own with a filter
  state.counters["keyboards"] = count;
  state.counters["seconds"] = seconds;
  state.counters["ratio_to_one"] = seconds / g_oneKeyboardSeconds;
}

BENCHMARK(BM_WriteAllKeyboards)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vexa
