// A keyboard for users without one: the keyboard emulator with its memory
// kept in a file (created with the initial image when missing). It answers on
// both ports through the lowest layer each port's code has: HID feature
// reports for USB (listed after one HID interface this user may not open, as
// on a real system) and the keyboard controller's ports for PS/2 (system
// kind 1, never the real ports).
//
// Several keyboards: when the path names a directory, every file in it whose
// name ends in ".bin" is the memory of one keyboard (at least one must be
// there; none is created), in the order of their names. Each is one USB
// keyboard of its own, at "simulated:hidrawN:FILE", whose serial number is
// the file's name without ".bin". The PS/2 port has one keyboard, the first.
// A single file's keyboard gets its serial number the same way.
//
// Hidden switches for end-to-end tests, read by ApplyTestSwitches(). A
// switch given a plain value applies to every keyboard; given a comma-
// separated list it applies to the keyboards named (by serial number), a
// numeric one as NAME:N (VEXA_SIM_UNPLUG_AT_BLOCK=kb2:30,kb3:10), a flag as
// NAME (VEXA_SIM_DENY_OPEN=kb2); "1" sets a flag for all.
//   VEXA_SIM_UNPLUG_AT_BLOCK=N  the keyboard disappears when block N is addressed
//   VEXA_SIM_FORGET_BLOCK=N     writes of block N are confirmed but not kept
//   VEXA_SIM_FAIL_WRITE_AT_BLOCK=N  every write of block N fails (reads work)
//   VEXA_SIM_ABSENT=1           no keyboard at all
//   VEXA_SIM_DENY_OPEN=1        the keyboard's HID interface refuses this user
//   VEXA_SIM_SILENT=1           USB: listed and opened, but it answers no report
//   VEXA_SIM_NO_WAITS=1         (for the caller, all keyboards) replace the waits by virtual time
//
// Like the emulator it is built on, it records every breach of the USB
// protocol by the host (see KeyboardEmulator.h); the programs print them as
// warnings, and their tests fail on any.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "device/KbioPlatform.h"
#include "device/PortByteLink.h"
#include "emulator/EmulatedController.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/KeyboardEmulator.h"

namespace vexa {

class SimulatedKeyboard : public KbioPlatform {
 public:
  // `path`: a memory file, or a directory of them (see above).
  explicit SimulatedKeyboard(std::string path);
  ~SimulatedKeyboard() override;

  // Reads the memory files, or creates the single file with the initial
  // image when missing. `allowNone`: a directory without a .bin file is no
  // failure (keyboards are plugged in later, see Plug).
  [[nodiscard]] Outcome Load(bool allowNone = false);
  // Plugging in and unplugging while the directory is watched: a memory file
  // that appeared is a keyboard plugged in (a new HID path, `hidPath`), one
  // that disappeared is unplugged. Plug leaves `hidPath` empty when the file
  // already is a connected keyboard; a file that can't be loaded fails. An
  // unplugged keyboard's memory is never written back (its file is gone).
  // Unplug answers the keyboard's HID path, empty when the file was none.
  // Any thread, while workers use the keyboards.
  [[nodiscard]] Outcome Plug(const std::string& file, std::string& hidPath);
  [[nodiscard]] std::string Unplug(const std::string& file);
  // Writes the memory of the keyboard at `hidPath` back (atomically) when a
  // write changed it; every keyboard's when `hidPath` is empty (PS/2).
  // Different keyboards may be persisted from different threads at once, each
  // by the thread that wrote it.
  [[nodiscard]] Outcome Persist(const std::string& hidPath = {});
  void ApplyTestSwitches();
  [[nodiscard]] static bool NoWaitsRequested();
  // The protocol violations recorded since the last call.
  [[nodiscard]] std::vector<std::string> TakeViolations();
  // The clock every keyboard judges the host's waits by.
  void SetClock(const Clock* clock);

  // The keyboards, in order; the first also answers on PS/2.
  [[nodiscard]] size_t Count() const { return m_units.size(); }
  KeyboardEmulator& Emulator(size_t index = 0) { return *m_units.at(index)->emulator; }
  [[nodiscard]] const std::string& HidPath(size_t index) const { return m_units.at(index)->hidPath; }
  EmulatedHidBackend& Hid() { return m_hid; }
  [[nodiscard]] const std::string& Path() const { return m_path; }

  DirectAccess AcquireDirectAccess() override;
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) override;

 private:
  struct Unit {
    std::string file;
    std::string name;  // the serial number: the file name without ".bin"
    std::string hidPath;
    std::unique_ptr<KeyboardEmulator> emulator;
    Image saved{};
    bool gone = false;  // unplugged: its file is no longer its memory
  };
  Unit& AddUnit(std::string file, bool plugged = false);
  void ApplySwitches(Unit& unit);
  [[nodiscard]] Outcome LoadUnit(Unit& unit);
  [[nodiscard]] static Outcome PersistUnit(Unit& unit);

  std::string m_path;
  bool m_directory = false;
  std::vector<std::unique_ptr<Unit>> m_units;
  EmulatedHidBackend m_hid;
  std::unique_ptr<EmulatedController> m_controller;
  std::unique_ptr<PortByteLink> m_link;
  std::mutex m_unitsMutex;  // units plugged in while workers persist others
  const Clock* m_clock = nullptr;
  bool m_switchesApplied = false;
};

}  // namespace vexa
