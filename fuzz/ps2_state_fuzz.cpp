// Parses random bytes as the PS/2 state file, which a start reads from a
// folder its user (or, before, anyone) could write to, and checks what a start
// relies on before it acts on a state:
// - the port is a serio port's name (serioN), never a path, and the driver
//   to give it back to is atkbd;
// - the boot id is empty or has the kernel's form;
// - nothing longer than Ps2StateFile::kMaxBytes is taken;
// - a state taken is written back as a text that reads as the same state.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "device/linux/Ps2StateFile.h"
#include "device/linux/SerioSysfs.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vexa;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<Ps2State> state = Ps2StateFile::Parse(text);
  if (!state) return 0;
  Check(size <= Ps2StateFile::kMaxBytes);
  Check(SerioSysfs::IsPortName(state->port));
  Check(state->port.find('/') == std::string::npos);
  Check(state->restore == SerioSysfs::kKeyboardDriver);
  Check(state->boot.empty() || Ps2StateFile::IsBootId(state->boot));

  const std::optional<Ps2State> again = Ps2StateFile::Parse(Ps2StateFile::Format(*state));
  Check(again.has_value());
  Check(again->port == state->port && again->restore == state->restore && again->boot == state->boot);
  Check(again->pid == state->pid);
  return 0;
}
