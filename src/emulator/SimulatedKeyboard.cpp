#include "emulator/SimulatedKeyboard.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/Messages.h"
#include "document/FileIo.h"
#include "emulator/EmulatedDriverDevice.h"

namespace vexa {
namespace {

bool FileExists(const std::string& path) {
  // An unreadable directory counts as "there": reading then reports why.
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec);
  return exists || ec;
}

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

std::vector<std::string_view> SplitList(std::string_view list) {
  std::vector<std::string_view> items;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    items.push_back(list.substr(0, comma));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return items;
}

// The value of a numeric switch for the keyboard `name`: "N" for all, or the
// N of an entry "name:N" in a comma-separated list.
std::optional<int> NumberFor(const char* variable, const std::string& name) {
  const char* value = std::getenv(variable);
  if (!value || !*value) return std::nullopt;
  const std::string_view text(value);
  if (text.find(':') == std::string_view::npos && text.find(',') == std::string_view::npos)
    return std::atoi(value);
  for (std::string_view item : SplitList(text)) {
    const size_t colon = item.find(':');
    if (colon != std::string_view::npos && item.substr(0, colon) == name)
      return std::atoi(std::string(item.substr(colon + 1)).c_str());
  }
  return std::nullopt;
}

// A flag switch: "1" (any value but "0") for all, or a comma-separated list
// of keyboard names.
bool FlagFor(const char* variable, const std::string& name) {
  const char* value = std::getenv(variable);
  if (!value || !*value || std::string_view(value) == "0") return false;
  const std::string_view text(value);
  if (text == "1") return true;
  const auto items = SplitList(text);
  return std::find(items.begin(), items.end(), name) != items.end();
}

}  // namespace

SimulatedKeyboard::SimulatedKeyboard(std::string path) : m_path(std::move(path)) {
  EmulatedHidInterface closed =
      EmulatedHidBackend::Decoy("simulated:hidraw0", u"USB Optical Mouse", 0x046D, 0xC077);
  closed.openError = HidOpenError::kPermissionDenied;
  m_hid.Add(closed);
  m_directory = IsDirectory(m_path);
  if (!m_directory) {
    AddUnit(m_path);
  } else {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(m_path, ec))
      if (entry.path().extension() == ".bin") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    for (std::string& file : files) AddUnit(std::move(file));
  }
  if (!m_units.empty()) {
    m_controller = std::make_unique<EmulatedController>(*m_units.front()->emulator);
    m_link = std::make_unique<PortByteLink>(*m_controller);
  }
}

SimulatedKeyboard::~SimulatedKeyboard() = default;

SimulatedKeyboard::Unit& SimulatedKeyboard::AddUnit(std::string file, bool plugged) {
  auto unit = std::make_unique<Unit>();
  unit->name = std::filesystem::path(file).stem().string();
  unit->hidPath = "simulated:hidraw" + std::to_string(m_units.size() + 1) + ":" + file;
  unit->file = std::move(file);
  unit->emulator = std::make_unique<KeyboardEmulator>(Image{});
  unit->emulator->SetLogging(false);
  if (m_clock) unit->emulator->SetClock(m_clock);
  if (!plugged)
    m_hid.Add(EmulatedHidBackend::KeyboardInterface(unit->hidPath, unit->emulator.get(),
                                                    std::u16string(unit->name.begin(), unit->name.end())));
  m_units.push_back(std::move(unit));
  return *m_units.back();
}

Outcome SimulatedKeyboard::Plug(const std::string& file, std::string& hidPath) {
  hidPath.clear();
  const std::lock_guard lock(m_unitsMutex);
  for (const auto& unit : m_units)
    if (unit->file == file && !unit->gone) return Outcome::Success();
  if (!FileExists(file)) return Outcome::Success();  // gone again already
  // Loaded before it is listed: a worker never sees a keyboard half made.
  Unit& unit = AddUnit(file, true);
  if (Outcome loaded = LoadUnit(unit); !loaded.ok) {
    unit.gone = true;
    return loaded;
  }
  EmulatedHidInterface iface = EmulatedHidBackend::KeyboardInterface(
      unit.hidPath, unit.emulator.get(), std::u16string(unit.name.begin(), unit.name.end()));
  if (m_switchesApplied) {
    ApplySwitches(unit);
    if (FlagFor("VEXA_SIM_DENY_OPEN", unit.name)) iface.openError = HidOpenError::kPermissionDenied;
  }
  m_hid.Plug(std::move(iface));
  hidPath = unit.hidPath;
  return Outcome::Success();
}

std::string SimulatedKeyboard::Unplug(const std::string& file) {
  const std::lock_guard lock(m_unitsMutex);
  for (auto& unit : m_units) {
    if (unit->file != file || unit->gone) continue;
    unit->gone = true;
    m_hid.SetAbsent(*unit->emulator, true);
    return unit->hidPath;
  }
  return {};
}

Outcome SimulatedKeyboard::Load(bool allowNone) {
  if (m_units.empty() && !(allowNone && m_directory))
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kSimKeyboardNoFiles), m_path.c_str()));
  for (auto& unit : m_units)
    if (Outcome loaded = LoadUnit(*unit); !loaded.ok) return loaded;
  return Outcome::Success();
}

Outcome SimulatedKeyboard::LoadUnit(Unit& unit) {
  const std::string& path = unit.file;
  if (!FileExists(path)) {
    Image initial{};
    ResetImage(initial);
    unit.emulator->Memory() = initial;
    unit.saved = initial;
    std::string error;
    if (!WriteFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(initial.data()), initial.size()), &error))
      return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kSimKeyboardCannotWrite), path.c_str()));
    return Outcome::Success();
  }
  const auto bytes = ReadFileBytes(path, kImageSize + 1);
  if (!bytes) return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kSimKeyboardCannotOpen), path.c_str()));
  if (bytes->size() != static_cast<size_t>(kImageSize))
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kSimKeyboardWrongSize), path.c_str(),
                                               static_cast<int>(bytes->size())));
  std::copy(bytes->begin(), bytes->end(), unit.emulator->Memory().begin());
  unit.saved = unit.emulator->Memory();
  return Outcome::Success();
}

Outcome SimulatedKeyboard::PersistUnit(Unit& unit) {
  if (unit.gone) return Outcome::Success();
  const Image& memory = unit.emulator->Memory();
  if (memory == unit.saved) return Outcome::Success();
  if (!WriteFileAtomically(unit.file,
                           std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size())))
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kSimKeyboardCannotWrite), unit.file.c_str()));
  unit.saved = memory;
  return Outcome::Success();
}

Outcome SimulatedKeyboard::Persist(const std::string& hidPath) {
  Outcome result = Outcome::Success();
  const std::lock_guard lock(m_unitsMutex);
  for (auto& unit : m_units) {
    if (!hidPath.empty() && unit->hidPath != hidPath) continue;
    if (Outcome saved = PersistUnit(*unit); !saved.ok && result.ok) result = std::move(saved);
  }
  return result;
}

void SimulatedKeyboard::ApplySwitches(Unit& unit) {
  KeyboardFaults& faults = unit.emulator->Faults();
  const std::string& name = unit.name;
  if (const auto n = NumberFor("VEXA_SIM_UNPLUG_AT_BLOCK", name)) faults.unplugAtBlock = *n;
  if (const auto n = NumberFor("VEXA_SIM_FORGET_BLOCK", name)) faults.forgetBlock = *n;
  if (const auto n = NumberFor("VEXA_SIM_FAIL_WRITE_AT_BLOCK", name)) {
    faults.failWriteBlock = *n;
    faults.failWriteCount = -1;
  }
  if (FlagFor("VEXA_SIM_ABSENT", name)) faults.absent = true;
  if (FlagFor("VEXA_SIM_SILENT", name)) faults.silent = true;
}

void SimulatedKeyboard::ApplyTestSwitches() {
  const std::lock_guard lock(m_unitsMutex);
  m_switchesApplied = true;
  for (auto& unit : m_units) {
    ApplySwitches(*unit);
    if (FlagFor("VEXA_SIM_DENY_OPEN", unit->name))
      for (auto& i : m_hid.Interfaces())
        if (i.keyboard == unit->emulator.get()) i.openError = HidOpenError::kPermissionDenied;
  }
}

bool SimulatedKeyboard::NoWaitsRequested() {
  const char* v = std::getenv("VEXA_SIM_NO_WAITS");
  return v != nullptr && *v != '\0' && std::string_view(v) != "0";
}

void SimulatedKeyboard::SetClock(const Clock* clock) {
  const std::lock_guard lock(m_unitsMutex);
  m_clock = clock;
  for (auto& unit : m_units) unit->emulator->SetClock(clock);
}

std::vector<std::string> SimulatedKeyboard::TakeViolations() {
  std::vector<std::string> violations = m_hid.Violations();
  m_hid.ClearViolations();
  return violations;
}

DirectAccess SimulatedKeyboard::AcquireDirectAccess() { return {m_link.get(), {}, {}}; }

std::unique_ptr<DriverDevice> SimulatedKeyboard::OpenDriverDevice(const std::string&) {
  if (m_units.empty()) return nullptr;
  return std::make_unique<EmulatedDriverDevice>(*m_units.front()->emulator);
}

}  // namespace vexa
