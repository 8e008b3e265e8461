// Test tool: a PS/2 keyboard behind a node that speaks like the kernel's
// serio_raw device, for `--ps2-device` runs of vexa and vexa-cli.
//
//   vexa_ps2_emulator MEMORY NODE [--silent] [--bad-checksum-block N]
//                                 [--refuse-write-block N]
//
// The keyboard emulator's memory is kept in MEMORY (created blank when
// missing, as --simulate-keyboard does, and written after every change); NODE
// becomes a symbolic link to a pseudo-terminal in raw mode that the emulator
// serves. The VEXA_SIM_* switches of the simulated keyboard apply. Prints
// "ready" when NODE can be used; SIGTERM or SIGINT end it and remove NODE.
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "emulator/SimulatedKeyboard.h"
#include "support/PtyKeyboardServer.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: vexa_ps2_emulator MEMORY NODE [--silent] [--bad-checksum-block N] "
                 "[--refuse-write-block N]\n";
    return 2;
  }
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  pthread_sigmask(SIG_BLOCK, &ending, nullptr);

  vexa::SimulatedKeyboard keyboard(argv[1]);
  if (vexa::Outcome loaded = keyboard.Load(); !loaded.ok) {
    std::cerr << loaded.message << "\n";
    return 1;
  }
  keyboard.ApplyTestSwitches();
  vexa::KeyboardFaults& faults = keyboard.Emulator().Faults();
  for (int i = 3; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--silent") {
      faults.absent = true;
    } else if (option == "--bad-checksum-block" && i + 1 < argc) {
      faults.badChecksumBlock = std::atoi(argv[++i]);
      faults.badChecksumCount = -1;
    } else if (option == "--refuse-write-block" && i + 1 < argc) {
      faults.failWriteBlock = std::atoi(argv[++i]);
      faults.failWriteCount = -1;
    } else {
      std::cerr << "vexa_ps2_emulator: unknown option " << option << "\n";
      return 2;
    }
  }

  vexa::PtyKeyboardServer server(keyboard.Emulator(), [&] { (void)keyboard.Persist(); });
  if (server.NodePath().empty()) {
    std::cerr << "vexa_ps2_emulator: no pseudo-terminal\n";
    return 1;
  }
  const std::string node = argv[2];
  std::error_code ec;
  std::filesystem::remove(node, ec);
  std::filesystem::create_symlink(server.NodePath(), node, ec);
  if (ec) {
    std::cerr << "vexa_ps2_emulator: " << node << ": " << ec.message() << "\n";
    return 1;
  }
  std::cout << "ready" << std::endl;

  int number = 0;
  sigwait(&ending, &number);
  server.Stop();
  (void)keyboard.Persist();
  std::filesystem::remove(node, ec);
  return 0;
}
