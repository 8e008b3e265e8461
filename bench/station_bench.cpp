// The provisioning station (vexa-cli keyboard watch) at a bench: eight
// emulated USB keyboards plugged in one second apart, each written and
// verified with the real waits (about 16 s of writing and 13 s of reading
// back each), the emulators judging those waits by the real clock. The time
// from each plug-in to that keyboard's verified result should stay within
// 1.05 times a single keyboard's write with verify: a keyboard plugged in
// while others are in work must not wait for them. "worst_ratio" is the
// longest plug-in-to-result time over the single keyboard's, "mean_ratio"
// the mean. About 40 s per run, so a program of its own, not in the smoke run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/ProvisioningStation.h"
#include "device/SystemClock.h"
#include "emulator/EmulatedHidBackend.h"
#include "support/ScriptedHotplugMonitor.h"

namespace vexa {
namespace {

using Steady = std::chrono::steady_clock;
constexpr int kKeyboards = 8;

Image Pattern() {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 131);
  return image;
}

class Finishes : public StationObserver {
 public:
  ProgressSink& KeyboardStarted(const KeyboardDevice&) override { return m_progress; }
  void KeyboardFinished(const StationResult& result) override {
    finished[result.report.keyboard.path] = Steady::now();
    if (!result.report.verified) error = result.report.keyboard.path + ": " + result.report.ResultText();
  }
  void KeyboardUnplugged(const std::string&) override {}
  void Notice(const std::string&) override {}
  std::map<std::string, Steady::time_point> finished;  // the station serialises the calls
  std::string error;

 private:
  NullProgressSink m_progress;
};

struct Fleet {
  SystemClock clock;
  std::vector<std::unique_ptr<KeyboardEmulator>> keyboards;
  EmulatedHidBackend hid;
  KeyboardConnection connection{DeviceEnvironment{&hid, nullptr, &clock, {}, {}}};
  EmulatedHidInterface Make(int i) {
    keyboards.push_back(std::make_unique<KeyboardEmulator>(Image{}));
    keyboards.back()->SetLogging(false);
    keyboards.back()->SetClock(&clock);
    return EmulatedHidBackend::KeyboardInterface("/dev/hidraw" + std::to_string(i), keyboards.back().get());
  }
  std::string Violations() {
    for (const std::string& v : hid.Violations()) return "protocol violation: " + v;
    return {};
  }
};

// Seconds of one keyboard's write with verify, alone.
double SingleWrite(std::string& error) {
  Fleet fleet;
  fleet.hid.Add(fleet.Make(0));
  KeyboardGroupWrite::Options options;
  options.verify = true;
  const KeyboardGroupWrite group(fleet.connection, Pattern(), options);
  NullProgressSink progress;
  const auto target = fleet.connection.ListKeyboards();
  const auto start = Steady::now();
  const KeyboardWriteReport report = group.Write(target.at(0), progress);
  const double seconds = std::chrono::duration<double>(Steady::now() - start).count();
  if (!report.verified) error = report.ResultText();
  if (error.empty()) error = fleet.Violations();
  return seconds;
}

void BM_StationEightPluggedOneSecondApart(benchmark::State& state) {
  std::string error;
  const double single = SingleWrite(error);
  double worst = 0;
  double mean = 0;
  for (auto _ : state) {
    Fleet fleet;
    ScriptedHotplugMonitor monitor;
    Finishes finishes;
    ProvisioningStation::Options options;
    options.write.verify = true;
    options.count = kKeyboards;
    ProvisioningStation station(fleet.connection, monitor, Pattern(), options, finishes);
    std::vector<EmulatedHidInterface> interfaces;
    for (int i = 0; i < kKeyboards; ++i) interfaces.push_back(fleet.Make(i));
    std::map<std::string, Steady::time_point> plugged;
    const auto start = Steady::now();
    std::thread bench([&] {
      for (int i = 0; i < kKeyboards; ++i) {
        std::this_thread::sleep_until(start + std::chrono::seconds(i));
        plugged[interfaces[static_cast<size_t>(i)].info.path] = Steady::now();
        fleet.hid.Plug(interfaces[static_cast<size_t>(i)]);
        monitor.Push(HotplugEvent::Kind::kAdded, interfaces[static_cast<size_t>(i)].info.path);
      }
    });
    station.Run();  // ends after the eighth keyboard (count)
    bench.join();
    state.SetIterationTime(std::chrono::duration<double>(Steady::now() - start).count());
    for (const auto& [path, at] : plugged) {
      const auto done = finishes.finished.find(path);
      if (done == finishes.finished.end()) {
        error = path + " was not written";
        continue;
      }
      const double ratio = std::chrono::duration<double>(done->second - at).count() / single;
      worst = std::max(worst, ratio);
      mean += ratio / kKeyboards;
    }
    if (!finishes.error.empty()) error = finishes.error;
    if (const std::string v = fleet.Violations(); !v.empty()) error = v;
  }
  if (!error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  state.counters["single_seconds"] = single;
  state.counters["worst_ratio"] = worst;
  state.counters["mean_ratio"] = mean;
}

BENCHMARK(BM_StationEightPluggedOneSecondApart)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vexa
