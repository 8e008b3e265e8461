#include <ostream>

#include "cli/Cli.h"

namespace vexa::cli {

const char* const kContentHelp = "Usage: vexa-cli content ...\n(not available yet)\n";

int RunContent(const Args&, Io& io) {
  io.err << "vexa-cli: 'content' is not available yet\n";
  return kExitRefused;
}

}  // namespace vexa::cli
