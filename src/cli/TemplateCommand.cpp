#include <ostream>

#include "cli/Cli.h"

namespace vexa::cli {

const char* const kTemplateHelp = "Usage: vexa-cli template ...\n(not available yet)\n";

int RunTemplate(const Args&, Io& io) {
  io.err << "vexa-cli: 'template' is not available yet\n";
  return kExitRefused;
}

}  // namespace vexa::cli
