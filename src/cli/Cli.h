// vexa-cli: the scriptable front end. Each command group lives in its own file
// and is reached through the table in main.cpp.
//
// Exit status: 0 success, 1 refused or failed (the message on stderr),
// 2 usage error. `template diff` follows diff(1) instead: 0 the same,
// 1 different, 2 trouble (an unreadable file as well as bad usage).
// Text arguments and output are raw 8-bit bytes. Each group parses its own
// arguments with ParseArguments (Arguments.h) from a table of its options.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vexa::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

struct Io {
  std::ostream& out;
  std::ostream& err;
};

using Args = std::vector<std::string>;

// One command group: "content", "layout", "template", "keyboard".
struct CommandGroup {
  const char* name;
  const char* summary;                   // one line for --help
  const char* help;                      // full text for `vexa-cli help NAME`, with examples
  int (*run)(const Args& args, Io& io);  // args exclude the group name
};

int RunContent(const Args& args, Io& io);
int RunLayout(const Args& args, Io& io);
int RunTemplate(const Args& args, Io& io);
int RunKeyboard(const Args& args, Io& io);

extern const char* const kContentHelp;
extern const char* const kLayoutHelp;
extern const char* const kTemplateHelp;
extern const char* const kKeyboardHelp;

// Prints "vexa-cli: <text>" and a hint to the help, returns kExitUsage.
int UsageError(Io& io, const std::string& text);

}  // namespace vexa::cli
