// Runs a program for VEXA (pkexec with the privileged helper) and collects
// what it says, in a way the termination watcher can cut short: a program
// ended by SIGINT, SIGTERM or SIGHUP must give the keyboard port back within
// seconds, even while pkexec waits for an administrator's password that may
// never be typed.
//
// The child gets a fresh program's signal mask and dispositions (the
// program's threads block SIGINT, SIGTERM and SIGHUP for the watcher, and
// SIGPIPE is ignored), standard output and error into one pipe, and as
// standard input the descriptor it is given (the port's lock) or the
// program's own.
//
// Trap: pkexec may leave a text agent running that holds the pipe open, so
// the end of the output is not the end of the child: the child's exit is
// watched as well, and the output read until then.
#pragma once

#include <string>
#include <vector>

namespace vexa {

class ChildProgram {
 public:
  // Once the program is ending, a child still running after this long is
  // killed outright.
  static constexpr int kGraceMs = 1500;

  // Runs argv (argv[0] an absolute path); false and the reason in `error`
  // when it could not be started or waited for, else its wait status in
  // `status`. `stdinFd` < 0: the program's own standard input.
  [[nodiscard]] static bool Run(const std::vector<std::string>& argv, int stdinFd, std::string& output,
                                int& status, std::string& error);

  // The program is ending (the termination watcher): every child running is
  // asked to end (SIGTERM), and every child, running or started from now on,
  // is killed when it outlives kGraceMs.
  static void EndAll();
  [[nodiscard]] static bool Ending();
};

}  // namespace vexa
