// vexa-serio-helper bind|restore: see SerioHelper.h. Installed in the
// libexec folder of VEXA's prefix (/usr/libexec/vexa/) and run through
// pkexec, which gives it a clean environment; it reads the real sysfs and
// /run only, and takes the caller's lock of the port from its standard input.
#include <signal.h>

#include <iostream>
#include <string>
#include <vector>

#include "helper/SerioHelper.h"

int main(int argc, char** argv) {
  // A caller that went away while the port changed hands must not end the
  // helper half-way through; its answer is then lost, nothing else.
  ::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return vexa::SerioHelper::Run(args, vexa::HelperContext{}, std::cout, std::cerr);
}
