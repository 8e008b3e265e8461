#include "device/linux/DeviceSetup.h"

#include <cstdlib>

#include "device/SystemClock.h"
#include "device/linux/HidapiBackend.h"
#include "device/linux/LinuxKbioPlatform.h"
#include "device/linux/LinuxPs2System.h"
#include "emulator/VirtualClock.h"

namespace vexa {

DeviceSetup::DeviceSetup() = default;
DeviceSetup::~DeviceSetup() = default;

Outcome DeviceSetup::Open(const std::string& simulatePath, bool watching) {
  if (simulatePath.empty()) {
    m_hid = std::make_unique<HidapiBackend>();
    auto system = std::make_unique<LinuxPs2System>();
    // The tests' node is served by a program that a busy machine may run late.
    if (const char* ms = std::getenv("VEXA_SIM_PS2_BYTE_MS"); ms && !m_ps2Device.empty() && std::atoi(ms) > 0)
      system->SetReceiveTimeoutMs(std::atoi(ms));
    m_kbio = std::make_unique<LinuxKbioPlatform>(m_ps2Device, std::move(system));
    if (!m_ps2Device.empty() && SimulatedKeyboard::NoWaitsRequested())
      m_clock = std::make_unique<VirtualClock>();
    else
      m_clock = std::make_unique<SystemClock>();
    return Outcome::Success();
  }
  m_simulated = std::make_unique<SimulatedKeyboard>(simulatePath);
  if (Outcome loaded = m_simulated->Load(watching); !loaded.ok) return loaded;
  m_simulated->ApplyTestSwitches();
  if (SimulatedKeyboard::NoWaitsRequested())
    m_clock = std::make_unique<VirtualClock>();
  else
    m_clock = std::make_unique<SystemClock>();
  // The simulated keyboards judge the host's waits by the same clock.
  m_simulated->SetClock(m_clock.get());
  return Outcome::Success();
}

DeviceEnvironment DeviceSetup::Environment(DiagnosticSink diagnostics) {
  DeviceEnvironment env;
  env.clock = m_clock.get();
  env.diagnostics = std::move(diagnostics);
  if (m_simulated) {
    env.hid = &m_simulated->Hid();
    env.kbio = m_simulated.get();
    SimulatedKeyboard* sim = m_simulated.get();
    env.afterWrite = [sim](const std::string& devicePath) { return sim->Persist(devicePath); };
  } else {
    env.hid = m_hid.get();
    env.kbio = m_kbio.get();
  }
  return env;
}

}  // namespace vexa
