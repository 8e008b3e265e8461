#include "device/SimulatedKeyboard.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "base/Messages.h"
#include "device/EmulatedDriverDevice.h"
#include "document/FileIo.h"

namespace vexa {
namespace {

bool EnvSet(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0' && std::string_view(v) != "0";
}

bool FileExists(const std::string& path) {
  // An unreadable directory counts as "there": reading then reports why.
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec);
  return exists || ec;
}

}  // namespace

SimulatedKeyboard::SimulatedKeyboard(std::string path)
    : m_path(std::move(path)), m_emulator(Image{}), m_hid(m_emulator), m_controller(m_emulator) {
  EmulatedHidInterface closed =
      EmulatedHidBackend::Decoy("simulated:hidraw0", u"USB Optical Mouse", 0x046D, 0xC077);
  closed.openError = HidOpenError::kPermissionDenied;
  m_hid.Add(closed);
  m_hid.Add(EmulatedHidBackend::KeyboardInterface("simulated:hidraw1:" + m_path));
  m_emulator.SetLogging(false);
}

Outcome SimulatedKeyboard::Load() {
  if (!FileExists(m_path)) {
    Image initial{};
    ResetImage(initial);
    m_emulator.Memory() = initial;
    m_saved = initial;
    std::string error;
    if (!WriteFileAtomically(
            m_path, std::string_view(reinterpret_cast<const char*>(initial.data()), initial.size()), &error))
      return Outcome::Failure(msg::FormatMessage(msg::kSimKeyboardCannotWrite, m_path.c_str()));
    return Outcome::Success();
  }
  const auto bytes = ReadFileBytes(m_path, kImageSize + 1);
  if (!bytes) return Outcome::Failure(msg::FormatMessage(msg::kSimKeyboardCannotOpen, m_path.c_str()));
  if (bytes->size() != static_cast<size_t>(kImageSize))
    return Outcome::Failure(
        msg::FormatMessage(msg::kSimKeyboardWrongSize, m_path.c_str(), static_cast<int>(bytes->size())));
  std::copy(bytes->begin(), bytes->end(), m_emulator.Memory().begin());
  m_saved = m_emulator.Memory();
  return Outcome::Success();
}

Outcome SimulatedKeyboard::Persist() {
  if (m_emulator.Memory() == m_saved) return Outcome::Success();
  const Image& memory = m_emulator.Memory();
  if (!WriteFileAtomically(m_path,
                           std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size())))
    return Outcome::Failure(msg::FormatMessage(msg::kSimKeyboardCannotWrite, m_path.c_str()));
  m_saved = memory;
  return Outcome::Success();
}

void SimulatedKeyboard::ApplyTestSwitches() {
  if (const char* n = std::getenv("VEXA_SIM_UNPLUG_AT_BLOCK"); n && *n)
    m_emulator.Faults().unplugAtBlock = std::atoi(n);
  if (const char* n = std::getenv("VEXA_SIM_FORGET_BLOCK"); n && *n)
    m_emulator.Faults().forgetBlock = std::atoi(n);
  if (const char* n = std::getenv("VEXA_SIM_FAIL_WRITE_AT_BLOCK"); n && *n) {
    m_emulator.Faults().failWriteBlock = std::atoi(n);
    m_emulator.Faults().failWriteCount = -1;
  }
  if (EnvSet("VEXA_SIM_ABSENT")) m_emulator.Faults().absent = true;
  if (EnvSet("VEXA_SIM_DENY_OPEN"))
    for (auto& i : m_hid.Interfaces())
      if (i.isKeyboard) i.openError = HidOpenError::kPermissionDenied;
}

bool SimulatedKeyboard::NoWaitsRequested() { return EnvSet("VEXA_SIM_NO_WAITS"); }

std::vector<std::string> SimulatedKeyboard::TakeViolations() {
  std::vector<std::string> violations = m_hid.Violations();
  m_hid.ClearViolations();
  return violations;
}

std::unique_ptr<DriverDevice> SimulatedKeyboard::OpenDriverDevice(const std::string&) {
  return std::make_unique<EmulatedDriverDevice>(m_emulator);
}

}  // namespace vexa
