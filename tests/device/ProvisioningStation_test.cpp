// The provisioning station against emulated keyboards and a scripted source
// of plug events: once per plug-in, failures left alone until replugged,
// Stop never cutting a write, --count, if-different, and the JSON record.
// Every keyboard checks the protocol; the guard fails a test on any breach.
#include "device/ProvisioningStation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "ViolationGuard.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/VirtualClock.h"
#include "support/GateClock.h"
#include "support/ScriptedHotplugMonitor.h"

namespace vexa {
namespace {

Image Template() {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 131 + 5);
  return image;
}

std::string PathOf(int keyboard) { return "/dev/hidraw" + std::to_string(keyboard + 1); }

using ScriptedMonitor = ScriptedHotplugMonitor;

class Recorder : public StationObserver {
 public:
  ProgressSink& KeyboardStarted(const KeyboardDevice&) override { return m_progress; }
  void KeyboardFinished(const StationResult& result) override {
    const std::lock_guard lock(m_mutex);
    results.push_back(result);
    m_changed.notify_all();
  }
  void KeyboardUnplugged(const std::string&) override {}
  void Notice(const std::string&) override {}
  // Waits (bounded, against a hang) until `n` keyboards finished.
  bool WaitFor(size_t n) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(30), [&] { return results.size() >= n; });
  }
  int Count(const std::string& path) {
    const std::lock_guard lock(m_mutex);
    int n = 0;
    for (const StationResult& r : results) n += r.report.keyboard.path == path ? 1 : 0;
    return n;
  }
  std::vector<StationResult> results;

 private:
  NullProgressSink m_progress;
  std::mutex m_mutex;
  std::condition_variable m_changed;
};

struct StationRig {
  explicit StationRig(int connected, Clock& clock = DefaultClock()) : clock(clock) {
    for (int i = 0; i < connected; ++i) Plug(i, false);
  }
  static Clock& DefaultClock() {
    static VirtualClock clock;
    return clock;
  }
  // Keyboard i appears at its path (announced: as a plug event).
  void Plug(int i, bool announce = true) {
    if (static_cast<size_t>(i) >= keyboards.size()) keyboards.resize(static_cast<size_t>(i) + 1);
    if (!keyboards[static_cast<size_t>(i)]) {
      keyboards[static_cast<size_t>(i)] = std::make_unique<KeyboardEmulator>(Image{});
      Keyboard(i).SetClock(&clock);
      Keyboard(i).SetLogging(false);
      const std::string serial = "SN" + std::to_string(i);
      hid.Plug(EmulatedHidBackend::KeyboardInterface(PathOf(i), &Keyboard(i),
                                                     std::u16string(serial.begin(), serial.end())));
    } else {
      hid.SetAbsent(Keyboard(i), false);
    }
    if (announce) monitor.Push(HotplugEvent::Kind::kAdded, PathOf(i));
  }
  void Unplug(int i) {
    hid.SetAbsent(Keyboard(i), true);
    monitor.Push(HotplugEvent::Kind::kRemoved, PathOf(i));
  }
  KeyboardEmulator& Keyboard(int i) { return *keyboards[static_cast<size_t>(i)]; }
  void Start(ProvisioningStation::Options options) {
    options.wallClockMs = [] { return std::int64_t{1000}; };
    station = std::make_unique<ProvisioningStation>(connection, monitor, Template(), options, recorder);
    runner = std::thread([this] {
      summary = station->Run();
      returned = true;
    });
  }
  StationSummary Finish() {
    station->Stop();
    runner.join();
    return summary;
  }

  Clock& clock;
  std::vector<std::unique_ptr<KeyboardEmulator>> keyboards;
  EmulatedHidBackend hid;
  ViolationGuard guard{hid};
  KeyboardConnection connection{DeviceEnvironment{&hid, nullptr, &clock, {}, {}}};
  ScriptedMonitor monitor;
  Recorder recorder;
  std::unique_ptr<ProvisioningStation> station;
  std::thread runner;
  StationSummary summary;
  std::atomic<bool> returned{false};
};

TEST(ProvisioningStationTest, EachKeyboardOncePerPlugIn) {
  for (const bool newOnly : {false, true}) {
    SCOPED_TRACE(newOnly ? "new only" : "connected ones too");
    StationRig rig(2);
    ProvisioningStation::Options options;
    options.newOnly = newOnly;
    options.write.verify = true;
    rig.Start(options);
    const size_t atStart = newOnly ? 0 : 2;
    ASSERT_TRUE(rig.recorder.WaitFor(atStart));
    rig.Plug(2);
    ASSERT_TRUE(rig.recorder.WaitFor(atStart + 1));
    // A repeated event, and one for a keyboard listed at the start: nothing
    // is written twice. Keyboard 3's result marks that both were seen.
    rig.monitor.Push(HotplugEvent::Kind::kAdded, PathOf(2));
    if (!newOnly) rig.monitor.Push(HotplugEvent::Kind::kAdded, PathOf(0));
    rig.Plug(3);
    ASSERT_TRUE(rig.recorder.WaitFor(atStart + 2));
    // Unplugged and plugged in again: written again.
    rig.Unplug(2);
    rig.Plug(2);
    ASSERT_TRUE(rig.recorder.WaitFor(atStart + 3));
    const StationSummary summary = rig.Finish();
    EXPECT_EQ(rig.recorder.Count(PathOf(0)), newOnly ? 0 : 1);
    EXPECT_EQ(rig.recorder.Count(PathOf(1)), newOnly ? 0 : 1);
    EXPECT_EQ(rig.recorder.Count(PathOf(2)), 2);
    EXPECT_EQ(rig.recorder.Count(PathOf(3)), 1);
    EXPECT_EQ(summary.verified, static_cast<int>(atStart) + 3);
    EXPECT_EQ(summary.Total(), summary.verified);
    for (int i = newOnly ? 2 : 0; i < 4; ++i) EXPECT_EQ(rig.Keyboard(i).Memory(), Template()) << i;
    if (newOnly) {
      EXPECT_EQ(rig.Keyboard(0).Memory(), Image{});
    }
  }
}

TEST(ProvisioningStationTest, AFailedKeyboardIsLeftAloneUntilReplugged) {
  StationRig rig(1);
  rig.Keyboard(0).Faults().failWriteBlock = 10;
  rig.Keyboard(0).Faults().failWriteCount = -1;
  rig.Start({});
  ASSERT_TRUE(rig.recorder.WaitFor(1));
  rig.monitor.Push(HotplugEvent::Kind::kAdded, PathOf(0));
  rig.Plug(1);  // marks that the repeated event was seen
  ASSERT_TRUE(rig.recorder.WaitFor(2));
  EXPECT_EQ(rig.recorder.Count(PathOf(0)), 1);
  rig.Unplug(0);
  rig.Plug(0);
  ASSERT_TRUE(rig.recorder.WaitFor(3));
  const StationSummary summary = rig.Finish();
  EXPECT_EQ(rig.recorder.Count(PathOf(0)), 2);
  EXPECT_EQ(summary.failed, 2);
  EXPECT_EQ(summary.written, 1);
  for (const StationResult& r : rig.recorder.results) {
    if (r.report.keyboard.path == PathOf(0)) {
      EXPECT_EQ(r.report.failedBlock, 10);
    }
  }
}

TEST(ProvisioningStationTest, StopEndsTheWaitingNotTheWrite) {
  GateClock gate;
  StationRig rig(1, gate);
  rig.Start({});
  while (!gate.Holding()) std::this_thread::yield();
  rig.station->Stop();
  // The worker stands in the middle of the write: Run waits for it.
  EXPECT_FALSE(rig.returned);
  gate.Open();
  const StationSummary summary = rig.Finish();
  ASSERT_EQ(rig.recorder.results.size(), 1u);
  EXPECT_TRUE(rig.recorder.results[0].report.outcome.ok);
  EXPECT_EQ(summary.written, 1);
  EXPECT_EQ(rig.Keyboard(0).Memory(), Template());
}

TEST(ProvisioningStationTest, CountEndsTheRunByItself) {
  StationRig rig(3);
  ProvisioningStation::Options options;
  options.count = 2;
  rig.Start(options);
  rig.runner.join();  // no Stop: the count ends it
  EXPECT_EQ(rig.summary.Total(), 2);
  EXPECT_EQ(rig.recorder.results.size(), 2u);
  EXPECT_EQ(rig.Keyboard(2).Memory(), Image{});
}

TEST(ProvisioningStationTest, IfDifferentLeavesAnEqualKeyboardAlone) {
  StationRig rig(2);
  rig.Keyboard(1).Memory() = Template();
  ProvisioningStation::Options options;
  options.write.ifDifferent = true;
  int backups = 0;
  options.write.backup = [&](const KeyboardDevice&, const Image&) {
    ++backups;
    return Outcome::Success();
  };
  rig.Start(options);
  ASSERT_TRUE(rig.recorder.WaitFor(2));
  const StationSummary summary = rig.Finish();
  EXPECT_EQ(summary.written, 1);
  EXPECT_EQ(summary.unchanged, 1);
  EXPECT_EQ(backups, 1);  // only the keyboard that was written
  for (const StationResult& r : rig.recorder.results)
    EXPECT_EQ(r.report.ResultText(), r.report.keyboard.path == PathOf(1) ? "unchanged" : "written");
}

TEST(ProvisioningStationTest, ResultRecord) {
  KeyboardWriteReport report;
  report.keyboard = {"/dev/hidraw4", "PX2400U", "SN\"7"};
  EXPECT_EQ(ProvisioningStation::ResultJson(report, 0, 951782400123, "ab12"),
            R"({"path":"/dev/hidraw4","serial":"SN\"7","product":"PX2400U","result":"written","error":null,)"
            R"("started":"1970-01-01T00:00:00.000Z","finished":"2000-02-29T00:00:00.123Z","sha256":"ab12"})");
  report.outcome = Outcome::Failure("Data Written Error, Count=30\nThe keyboard now holds ...");
  EXPECT_EQ(ProvisioningStation::ResultJson(report, 1733712000000, 1733712016999, ""),
            R"({"path":"/dev/hidraw4","serial":"SN\"7","product":"PX2400U","result":"failed",)"
            R"("error":"Data Written Error, Count=30\nThe keyboard now holds ...",)"
            R"("started":"2024-12-09T02:40:00.000Z","finished":"2024-12-09T02:40:16.999Z"})");
}

}  // namespace
}  // namespace vexa
