#include <iostream>
#include <string>

#include "base/Version.h"
#include "cli/Cli.h"

namespace vexa::cli {
namespace {

const CommandGroup kGroups[] = {
    {"content", "check, encode, measure and decode key contents", kContentHelp, RunContent},
    {"layout", "list the key layout of a keyboard model", kLayoutHelp, RunLayout},
    {"template", "create, show, export and import template files", kTemplateHelp, RunTemplate},
    {"keyboard", "detect a keyboard, read and write its template", kKeyboardHelp, RunKeyboard},
};

void PrintHelp(std::ostream& out) {
  out << "Usage: vexa-cli COMMAND [ARGUMENTS...]\n"
         "\n"
         "Edits and transfers the key templates of PX and DV series programmable keyboards.\n"
         "\n"
         "Commands:\n";
  for (const auto& g : kGroups)
    out << "  " << g.name << std::string(10 - std::string(g.name).size(), ' ') << g.summary << "\n";
  out << "  help      show the help of one command: vexa-cli help COMMAND\n"
         "\n"
         "Options:\n"
         "  --help     show this help\n"
         "  --version  show the version\n"
         "\n"
         "Exit status: 0 success, 1 refused or failed (message on stderr), 2 usage error.\n";
}

const CommandGroup* FindGroup(const std::string& name) {
  for (const auto& g : kGroups)
    if (name == g.name) return &g;
  return nullptr;
}

}  // namespace

int UsageError(Io& io, const std::string& text) {
  io.err << "vexa-cli: " << text << "\n"
         << "Try 'vexa-cli --help'.\n";
  return kExitUsage;
}

bool TakeOption(Args& args, const std::string& name, std::string& value, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != name) continue;
    if (i + 1 >= args.size()) {
      error = "option " + name + " needs a value";
      args.erase(args.begin() + static_cast<long>(i));
      return false;
    }
    value = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    return true;
  }
  return false;
}

bool TakeFlag(Args& args, const std::string& name) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

}  // namespace vexa::cli

int main(int argc, char** argv) {
  using namespace vexa::cli;
  Io io{std::cout, std::cerr};
  Args args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(io.err);
    return kExitUsage;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    PrintHelp(io.out);
    return kExitOk;
  }
  if (first == "--version") {
    io.out << "vexa-cli " << VEXA_VERSION << "\n";
    return kExitOk;
  }
  if (first == "help") {
    if (args.size() < 2) {
      PrintHelp(io.out);
      return kExitOk;
    }
    const CommandGroup* g = FindGroup(args[1]);
    if (!g) return UsageError(io, "unknown command '" + args[1] + "'");
    io.out << g->help;
    return kExitOk;
  }
  const CommandGroup* g = FindGroup(first);
  if (!g) return UsageError(io, "unknown command '" + first + "'");
  Args rest(args.begin() + 1, args.end());
  if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
    io.out << g->help;
    return kExitOk;
  }
  return g->run(rest, io);
}
