// Parses random command lines with the argument parsing of vexa-cli and checks
// what every command group relies on:
// - the parse ends either answered (help or a usage error, with its exit
//   status) or with positionals and options;
// - every option reported was declared, a flag carries no value, and an option
//   of one sub-command is reported only with that sub-command (or with none,
//   which the group refuses itself);
// - every byte of a positional or a value comes from the command line as typed
//   (arguments are raw 8-bit bytes and must pass through unchanged).
// The input is the argument vector with arguments separated by 0 bytes; the
// first byte chooses whether operands are literal, as the content group has it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/Arguments.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const vexa::cli::OptionInfo kOptions[] = {
    {"model", "M"},       {"port", "usb|ps2"}, {"verify", nullptr, "write"}, {"backup", "FILE", "write read"},
    {"verbose", nullptr},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vexa::cli;
  if (size < 1) return 0;
  const bool literal = data[0] & 1;
  Args args;
  std::string current;
  for (size_t i = 1; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  if (size > 1) args.push_back(current);

  std::ostringstream out, err;
  Io io{out, err};
  const GroupSyntax syntax{"fuzz", "Usage: vexa-cli fuzz SUB [OPTIONS]\n", kOptions, literal};
  const ParsedArguments parsed = ParseArguments(syntax, args, io);
  if (parsed.exit) {
    Check(*parsed.exit == kExitOk || *parsed.exit == kExitUsage);
    Check(*parsed.exit == kExitOk ? !out.str().empty() : !err.str().empty());
    return 0;
  }
  Check(parsed.positionals.size() <= args.size());
  const auto typed = [&](const std::string& text) {
    for (const std::string& arg : args)
      if (arg.find(text) != std::string::npos) return true;
    return false;
  };
  for (const std::string& positional : parsed.positionals) Check(typed(positional));
  for (const auto& entry : parsed.given) {
    const std::string& name = entry.first;
    const std::string& value = entry.second;
    const auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                     [&](const OptionInfo& o) { return name == o.name; });
    Check(option != std::end(kOptions));
    if (!option->valueName) Check(value.empty());
    if (!value.empty()) Check(typed(value));
    // Without a sub-command the group itself refuses the command line.
    if (option->subcommands && !parsed.positionals.empty()) {
      const std::string list = std::string(" ") + option->subcommands + " ";
      Check(list.find(" " + parsed.positionals.front() + " ") != std::string::npos);
    }
  }
  return 0;
}
