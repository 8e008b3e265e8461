#include "device/linux/Ps2StateFile.h"

#include <algorithm>
#include <charconv>

#include "device/linux/SerioSysfs.h"

namespace vexa {

bool Ps2StateFile::IsBootId(std::string_view text) {
  constexpr size_t kLength = 36;  // 8-4-4-4-12
  if (text.size() != kLength) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

std::optional<Ps2State> Ps2StateFile::Parse(std::string_view text) {
  if (text.empty() || text.size() > kMaxBytes) return std::nullopt;
  Ps2State state;
  bool sawPort = false, sawRestore = false, sawPid = false, sawBoot = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty()) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    // Each key once: a second "port=" would leave it open which one counts.
    if (key == "port") {
      if (sawPort || !SerioSysfs::IsPortName(value)) return std::nullopt;
      state.port = value;
      sawPort = true;
    } else if (key == "restore") {
      if (sawRestore || value != SerioSysfs::kKeyboardDriver) return std::nullopt;
      state.restore = value;
      sawRestore = true;
    } else if (key == "pid") {
      const auto [rest, ec] = std::from_chars(value.data(), value.data() + value.size(), state.pid);
      if (sawPid || ec != std::errc() || rest != value.data() + value.size() || state.pid <= 0)
        return std::nullopt;
      sawPid = true;
    } else if (key == "boot") {
      if (sawBoot || !IsBootId(value)) return std::nullopt;
      state.boot = value;
      sawBoot = true;
    }
    // Other keys: written by a later version, of no concern here.
  }
  if (!sawPort || !sawRestore) return std::nullopt;
  return state;
}

std::string Ps2StateFile::Format(const Ps2State& state) {
  std::string text = "port=" + state.port + "\nrestore=" + state.restore + "\n";
  if (state.pid > 0) text += "pid=" + std::to_string(state.pid) + "\n";
  if (!state.boot.empty()) text += "boot=" + state.boot + "\n";
  return text;
}

}  // namespace vexa
