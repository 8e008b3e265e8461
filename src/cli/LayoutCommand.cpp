#include <ostream>

#include "cli/Cli.h"

namespace vexa::cli {

const char* const kLayoutHelp = "Usage: vexa-cli layout ...\n(not available yet)\n";

int RunLayout(const Args&, Io& io) {
  io.err << "vexa-cli: 'layout' is not available yet\n";
  return kExitRefused;
}

}  // namespace vexa::cli
