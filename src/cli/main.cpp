#include <iostream>
#include <sstream>
#include <string>

#include "base/Messages.h"
#include "base/Version.h"
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "device/linux/TerminationWatcher.h"
#include "i18n/Translations.h"

namespace vexa::cli {
namespace {

const CommandGroup kGroups[] = {
    {"content", VEXA_TR_NOOP("vexa", "check, encode, measure and decode key contents"), kContentHelp,
     RunContent},
    {"layout", VEXA_TR_NOOP("vexa", "list the key layout of a keyboard model"), kLayoutHelp, RunLayout},
    {"template", VEXA_TR_NOOP("vexa", "create, show, export, import, render and compare template files"),
     kTemplateHelp, RunTemplate},
    {"keyboard", VEXA_TR_NOOP("vexa", "list and detect keyboards, read and write their templates"),
     kKeyboardHelp, RunKeyboard},
};

void PrintHelp(std::ostream& out) {
  out << msg::Tr(
      VEXA_TR_NOOP("vexa",
                   "Usage: vexa-cli COMMAND [ARGUMENTS...]\n"
                   "\n"
                   "Edits and transfers the key templates of PX and DV series programmable keyboards.\n"
                   "\n"
                   "Commands:\n"));
  for (const auto& g : kGroups)
    out << "  " << g.name << std::string(10 - std::string(g.name).size(), ' ') << msg::Tr(g.summary) << "\n";
  out << msg::Tr(
      VEXA_TR_NOOP("vexa",
                   "  help      show the help of one command: vexa-cli help COMMAND\n"
                   "\n"
                   "Options:\n"
                   "  --help     show this help\n"
                   "  --version  show the version\n"
                   "\n"
                   "Exit status: 0 success, 1 refused or failed (message on stderr), 2 usage error;\n"
                   "'template diff' as diff(1): 0 the same, 1 different, 2 trouble.\n"));
}

std::string UnknownCommand(const std::string& word) {
  return msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "unknown command '%s'")), word.c_str());
}

const CommandGroup* FindGroup(const std::string& name) {
  for (const auto& g : kGroups)
    if (name == g.name) return &g;
  return nullptr;
}

const OptionInfo kOptions[] = {
    {"version"},
};

int Run(const Args& args, Io& io) {
  if (args.empty()) {
    PrintHelp(io.err);
    return kExitUsage;
  }
  std::ostringstream help;
  PrintHelp(help);
  const std::string helpText = help.str();
  // Options end at the command: what follows is the command's own.
  const ParsedArguments parsed = ParseArguments({"", helpText.c_str(), kOptions, true}, args, io);
  if (parsed.exit) return *parsed.exit;
  if (parsed.Has("version")) {
    io.out << "vexa-cli " << VEXA_VERSION << "\n";
    return kExitOk;
  }
  const Args& words = parsed.positionals;
  if (words.empty()) {
    PrintHelp(io.err);
    return kExitUsage;
  }
  if (words[0] == "help") {
    if (words.size() < 2) {
      io.out << helpText;
      return kExitOk;
    }
    const CommandGroup* g = FindGroup(words[1]);
    if (!g) return UsageError(io, UnknownCommand(words[1]));
    io.out << msg::Tr(g->help);
    return kExitOk;
  }
  const CommandGroup* g = FindGroup(words[0]);
  if (!g) return UsageError(io, UnknownCommand(words[0]));
  return g->run(Args(words.begin() + 1, words.end()), io);
}

}  // namespace
}  // namespace vexa::cli

int main(int argc, char** argv) {
  // First, before any thread: SIGINT, SIGTERM and SIGHUP give the PS/2
  // keyboard port back, and SIGPIPE is ignored.
  const vexa::TerminationWatcher watcher;
  // The messages and the help in the user's language; what scripts read on
  // standard output stays as it is.
  vexa::i18n::LoadTranslations(nullptr);
  vexa::cli::Io io{std::cout, std::cerr};
  // argv as raw bytes: key contents and file names pass through unchanged.
  int status = vexa::cli::Run(vexa::cli::Args(argv + 1, argv + argc), io);
  // Output that never arrived (a closed pipe: EPIPE, a full disk) is a
  // failure like any other, told where it still can be.
  std::cout.flush();
  if (!std::cout && status == vexa::cli::kExitOk) {
    std::cerr << vexa::msg::Tr(vexa::msg::kCliOutputFailed) << "\n";
    status = vexa::cli::kExitRefused;
  }
  return status;
}
