// Builds the outside world of a keyboard connection for the programs: the
// real system (hidapi, controller ports or the driver device, real waits) or,
// when a file is named, the simulated keyboard kept in that file.
#pragma once

#include <memory>
#include <string>

#include "base/Outcome.h"
#include "device/Clock.h"
#include "device/KeyboardConnection.h"
#include "device/SimulatedKeyboard.h"

namespace vexa {

class DeviceSetup {
 public:
  DeviceSetup();
  ~DeviceSetup();
  // `simulatePath` empty: the real devices. Otherwise loads (or creates) the
  // simulated keyboard's memory file; a failure's text is shown.
  [[nodiscard]] Outcome Open(const std::string& simulatePath);
  [[nodiscard]] DeviceEnvironment Environment(DiagnosticSink diagnostics = {});
  SimulatedKeyboard* Simulated() { return m_simulated.get(); }

 private:
  std::unique_ptr<SimulatedKeyboard> m_simulated;
  std::unique_ptr<HidBackend> m_hid;
  std::unique_ptr<KbioPlatform> m_kbio;
  std::unique_ptr<Clock> m_clock;
};

}  // namespace vexa
