// The PS/2 state file: what a run that handed the keyboard port over must
// have given back, read at the next PS/2 start when that run was killed.
//
//   port=serio1
//   restore=atkbd
//   pid=4711
//   boot=6f1f2c9e-0d2b-4c50-9d36-4f0c1b7c2a11
//
// Traps:
//   - The file outlives the run and, for a normal user, the boot; a state of
//     an earlier boot says nothing about today's port (another run may hold
//     it): `boot` is /proc/sys/kernel/random/boot_id of the run that wrote it,
//     and a state without it or with another one is forgotten, never acted on.
//   - Anyone who can write the file decides what is read: nothing but a port
//     name of the serio bus (serioN) and the one driver VEXA gives ports back
//     to are accepted, and a file longer than kMaxBytes is refused unread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexa {

struct Ps2State {
  std::string port;     // "serioN"
  std::string restore;  // the driver to give the port back to: "atkbd"
  long pid = 0;         // the run that wrote it (for people reading the file)
  std::string boot;     // the boot it was written in
};

class Ps2StateFile {
 public:
  static constexpr size_t kMaxBytes = 512;

  // The state in `text`; nullopt when it is empty or not a valid state.
  [[nodiscard]] static std::optional<Ps2State> Parse(std::string_view text);
  [[nodiscard]] static std::string Format(const Ps2State& state);
  // A boot id as the kernel writes it: 36 characters of hex digits and dashes.
  [[nodiscard]] static bool IsBootId(std::string_view text);
};

}  // namespace vexa
