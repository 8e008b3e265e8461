// A keyboard for users without one: the keyboard emulator with its memory
// kept in a file (created with the initial image when missing). It answers on
// both ports through the lowest layer each port's code has: HID feature
// reports for USB (listed after one HID interface this user may not open, as
// on a real system) and the keyboard controller's ports for PS/2 (system
// kind 1, never the real ports).
//
// Hidden switches for end-to-end tests, read by ApplyTestSwitches():
//   VEXA_SIM_UNPLUG_AT_BLOCK=N  the keyboard disappears when block N is addressed
//   VEXA_SIM_FORGET_BLOCK=N     writes of block N are confirmed but not kept
//   VEXA_SIM_FAIL_WRITE_AT_BLOCK=N  every write of block N fails (reads work)
//   VEXA_SIM_ABSENT=1           no keyboard at all
//   VEXA_SIM_DENY_OPEN=1        the keyboard's HID interface refuses this user
//   VEXA_SIM_NO_WAITS=1         (for the caller) replace the waits by virtual time
//
// Like the emulator it is built on, it records every breach of the USB
// protocol by the host (see KeyboardEmulator.h); the programs print them as
// warnings, and their tests fail on any.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "device/EmulatedController.h"
#include "device/EmulatedHidBackend.h"
#include "device/KbioPlatform.h"
#include "device/KeyboardEmulator.h"
#include "device/PortByteLink.h"

namespace vexa {

class SimulatedKeyboard : public KbioPlatform {
 public:
  explicit SimulatedKeyboard(std::string path);

  // Reads the memory file, or creates it with the initial image when missing.
  [[nodiscard]] Outcome Load();
  // Writes the memory back (atomically) when a write changed it.
  [[nodiscard]] Outcome Persist();
  void ApplyTestSwitches();
  [[nodiscard]] static bool NoWaitsRequested();
  // The protocol violations recorded since the last call.
  [[nodiscard]] std::vector<std::string> TakeViolations();

  KeyboardEmulator& Emulator() { return m_emulator; }
  EmulatedHidBackend& Hid() { return m_hid; }
  EmulatedController& Controller() { return m_controller; }
  [[nodiscard]] const std::string& Path() const { return m_path; }

  DirectAccess AcquireDirectAccess() override { return {&m_link, {}, {}}; }
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) override;

 private:
  std::string m_path;
  KeyboardEmulator m_emulator;
  EmulatedHidBackend m_hid;
  EmulatedController m_controller;
  PortByteLink m_link{m_controller};
  Image m_saved{};
};

}  // namespace vexa
