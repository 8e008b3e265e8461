// Decides whether this process may touch the real keyboard controller and
// interrupt controller ports. Masking the wrong interrupt lines or feeding
// the controller bytes can freeze the machine, so the real port I/O is never
// created unless all of these hold:
//   - the program's main() granted it explicitly (a normal run that chose
//     PS/2 without a simulated keyboard): tests and libraries never do;
//   - the environment variable CI is not set (CI machines run as root);
//   - the environment variable VEXA_NO_REAL_PORTS is not set.
#pragma once

namespace vexa {

class RealPortGuard {
 public:
  static void GrantFromMain();
  static void Revoke();
  [[nodiscard]] static bool Allowed();
  // The rule itself, for a given grant and environment values (null: unset).
  [[nodiscard]] static bool Decide(bool granted, const char* ci, const char* noRealPorts);
};

}  // namespace vexa
