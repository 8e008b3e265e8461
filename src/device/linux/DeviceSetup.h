// Builds the outside world of a keyboard connection for the programs: the
// real system (hidapi, the PS/2 port's serio_raw device, controller ports or
// the driver device, real waits) or, when a file is named, the simulated
// keyboard kept in that file (a directory: several, see SimulatedKeyboard.h).
#pragma once

#include <memory>
#include <string>

#include "base/Outcome.h"
#include "device/Clock.h"
#include "device/KeyboardConnection.h"
#include "emulator/SimulatedKeyboard.h"

namespace vexa {

class DeviceSetup {
 public:
  DeviceSetup();
  ~DeviceSetup();
  // `simulatePath` empty: the real devices. Otherwise loads (or creates) the
  // simulated keyboard's memory file, or the files of a directory of them; a
  // failure's text is shown. `watching` (keyboards plugged in later are
  // watched for): a directory of simulated keyboards may start empty.
  [[nodiscard]] Outcome Open(const std::string& simulatePath, bool watching = false);
  // Set before Open: the PS/2 port reaches the keyboard through this node,
  // taken as an already bound serio_raw device (--ps2-device); no sysfs, no
  // binding, no I/O ports. The tests serve such a node with the keyboard
  // emulator: VEXA_SIM_NO_WAITS=1 replaces the waits by virtual time here
  // too, and VEXA_SIM_PS2_BYTE_MS=N waits N ms for each byte instead of
  // SerioRawLink::kReceiveTimeoutMs (a program answers later than the kernel
  // on a busy machine).
  void SetPs2Device(std::string node) { m_ps2Device = std::move(node); }
  [[nodiscard]] DeviceEnvironment Environment(DiagnosticSink diagnostics = {});
  SimulatedKeyboard* Simulated() { return m_simulated.get(); }

 private:
  std::string m_ps2Device;
  std::unique_ptr<SimulatedKeyboard> m_simulated;
  std::unique_ptr<HidBackend> m_hid;
  std::unique_ptr<KbioPlatform> m_kbio;
  std::unique_ptr<Clock> m_clock;
};

}  // namespace vexa
