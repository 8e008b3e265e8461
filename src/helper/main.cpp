// vexa-serio-helper bind|restore: see SerioHelper.h. Installed in
// /usr/libexec/vexa/ and run through pkexec, which gives it a clean
// environment; it reads the real sysfs only.
#include <iostream>
#include <string>
#include <vector>

#include "helper/SerioHelper.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return vexa::SerioHelper::Run(args, "/sys", std::cout, std::cerr);
}
