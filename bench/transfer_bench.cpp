// A full write and a full read of the 2048-byte image over the emulated
// keyboard, with the waits replaced by virtual time: what is measured is the
// program's own work (protocol, nibble coding, reports, progress) plus the
// emulated keyboard. "overhead" is that time as a fraction of the waits the
// transfer must keep anyway (64 x 250 ms writing and 64 x 200 ms reading over
// USB; 64 x 200 ms each way over the controller).
#include <benchmark/benchmark.h>

#include "device/KeyboardConnection.h"
#include "device/PortByteLink.h"
#include "emulator/EmulatedController.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/KeyboardEmulator.h"
#include "emulator/VirtualClock.h"

namespace vexa {
namespace {

class DirectPlatform : public KbioPlatform {
 public:
  explicit DirectPlatform(KeyboardEmulator& k) : m_controller(k) {}
  DirectAccess AcquireDirectAccess() override { return {&m_link, {}, {}}; }
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string&) override { return nullptr; }

 private:
  EmulatedController m_controller;
  PortByteLink m_link{m_controller};
};

Image Pattern() {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 131);
  return image;
}

void Run(benchmark::State& state, PortKind kind, bool write) {
  KeyboardEmulator keyboard{Pattern()};
  keyboard.SetLogging(false);
  EmulatedHidBackend hid{keyboard};
  hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw0"));
  DirectPlatform platform{keyboard};
  VirtualClock clock;
  KeyboardConnection connection{DeviceEnvironment{&hid, &platform, &clock, {}, {}}};
  if (!connection.ChoosePort(kind).outcome.ok) state.SkipWithError("no keyboard");
  NullProgressSink progress;
  const Image image = Pattern();
  const ImageSource source = [&](Image& out) {
    out = image;
    return Outcome::Success();
  };
  std::int64_t waitedMs = 0;
  for (auto _ : state) {
    clock.Reset();
    TransferResult r =
        write ? connection.WriteIntoKeyboard(source, progress) : connection.ReadFromKeyboard(progress);
    if (!r.outcome.ok) state.SkipWithError("transfer failed");
    benchmark::DoNotOptimize(r);
    waitedMs = clock.ElapsedMs();
  }
  // Seconds of mandated waits per transfer; inverted rate = elapsed / (iterations x waits).
  state.counters["overhead"] =
      benchmark::Counter(static_cast<double>(waitedMs) / 1000.0,
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["waits_ms"] = static_cast<double>(waitedMs);
}

void BM_UsbWrite(benchmark::State& s) { Run(s, PortKind::kUsb, true); }
void BM_UsbRead(benchmark::State& s) { Run(s, PortKind::kUsb, false); }
void BM_ControllerWrite(benchmark::State& s) { Run(s, PortKind::kPs2, true); }
void BM_ControllerRead(benchmark::State& s) { Run(s, PortKind::kPs2, false); }

BENCHMARK(BM_UsbWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UsbRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ControllerWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ControllerRead)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexa
