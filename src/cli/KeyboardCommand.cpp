#include <ostream>

#include "cli/Cli.h"

namespace vexa::cli {

const char* const kKeyboardHelp = "Usage: vexa-cli keyboard ...\n(not available yet)\n";

int RunKeyboard(const Args&, Io& io) {
  io.err << "vexa-cli: 'keyboard' is not available yet\n";
  return kExitRefused;
}

}  // namespace vexa::cli
