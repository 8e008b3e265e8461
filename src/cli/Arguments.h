// The argument parsing shared by the vexa-cli command groups, on
// QCommandLineParser: each group declares its options in one table and gets
// back its positional arguments and option values, or a usage error already
// reported.
//
// Traps this takes care of:
// - Key contents and file names are raw 8-bit bytes, but QCommandLineParser
//   works on QStrings. Decoding argv as UTF-8 (what QCoreApplication does on
//   Linux) would turn bytes that are not valid UTF-8 into U+FFFD. Every
//   argument is therefore mapped byte for byte onto the code points
//   U+0000..U+00FF (Latin-1) and mapped back the same way: lossless for any
//   byte string, and option names stay plain ASCII.
// - QCommandLineParser::process() prints and exits and needs a
//   QCoreApplication; only parse() is used, on an explicit list, so vexa-cli
//   needs no application object and no display.
// - A key content may begin with a dash ("-5"). A group whose operands are key
//   contents sets `literalOperands`: everything after the sub-command is an
//   operand, options included, as the group has always taken it.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/Cli.h"

namespace vexa::cli {

// One option of a command group. With a `valueName` it takes a value, as
// "--name VALUE" or "--name=VALUE"; without one it is a flag "--name".
struct OptionInfo {
  const char* name;                   // without the dashes: "model"
  const char* valueName = nullptr;    // "M", "FILE"; null for a flag
  const char* subcommands = nullptr;  // blank-separated sub-commands it belongs to; null: all
};

// What a group's command line may hold. `help` is printed for --help or -h.
struct GroupSyntax {
  const char* name;  // "template"; empty for vexa-cli itself
  const char* help;
  std::span<const OptionInfo> options;
  // Options end at the first positional argument (the sub-command): the rest
  // reach the group as they were typed, "--" included.
  bool literalOperands = false;
};

struct ParsedArguments {
  // Set when the command is already answered: the help printed (kExitOk) or a
  // usage error reported (kExitUsage).
  std::optional<int> exit;
  Args positionals;                                       // the sub-command first, when the group has them
  std::map<std::string, std::string, std::less<>> given;  // option name -> value ("" for a flag)

  [[nodiscard]] bool Has(std::string_view name) const { return given.find(name) != given.end(); }
  // The value of an option, or null when it was not given.
  [[nodiscard]] const std::string* Value(std::string_view name) const {
    const auto it = given.find(name);
    return it == given.end() ? nullptr : &it->second;
  }
};

// Parses `args` (without the program and group names) for one group. An
// unknown option, a missing value, a value after a flag, an option given twice
// or one that belongs to another sub-command is a usage error.
[[nodiscard]] ParsedArguments ParseArguments(const GroupSyntax& syntax, const Args& args, Io& io);

}  // namespace vexa::cli
