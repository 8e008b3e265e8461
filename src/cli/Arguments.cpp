#include "cli/Arguments.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <ostream>
#include <vector>

#include "base/Messages.h"

namespace vexa::cli {
namespace {

// One byte, one code point, both ways (see the header).
QString FromBytes(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) { return text.toLatin1().toStdString(); }

std::string UnknownOption(const std::string& option) {
  return msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "unknown option '%s'")), option.c_str());
}

// An unknown option as the user typed it: QCommandLineParser reports "port"
// for "--port=usb" and "x" for "-x.bin". A single-dash word is shown whole,
// with the way to pass it as a file name or text.
std::string UnknownOptionText(const QString& name, const Args& args) {
  const std::string bytes = ToBytes(name);
  const std::string longForm = "--" + bytes;
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == longForm || arg.starts_with(longForm + "=")) return UnknownOption(longForm);
  }
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-' && arg.find(bytes, 1) != std::string::npos)
      return msg::FormatMessage(
          msg::Tr(VEXA_TR_NOOP("vexa",
                               "unknown option '%s' (put -- before an argument that begins with a dash)")),
          arg.c_str());
  }
  return UnknownOption("-" + bytes);
}

// QCommandLineParser's own text ("Missing value after '--model'.") in the
// style of the other usage errors.
std::string ParserErrorText(const QString& error) {
  std::string text = ToBytes(error);
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

// The sub-commands an option belongs to, from its blank-separated list.
std::vector<std::string_view> Subcommands(const OptionInfo& option) {
  std::vector<std::string_view> names;
  std::string_view list = option.subcommands ? option.subcommands : "";
  while (!list.empty()) {
    const size_t blank = list.find(' ');
    if (blank != 0) names.push_back(list.substr(0, blank));
    if (blank == std::string_view::npos) break;
    list.remove_prefix(blank + 1);
  }
  return names;
}

// "option --base belongs to 'template import'" (or to 'a' or 'b').
std::string NotForSubcommand(const GroupSyntax& syntax, const OptionInfo& option) {
  const std::vector<std::string_view> names = Subcommands(option);
  std::string list;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? msg::Tr(VEXA_TR_NOOP("vexa", " or ")) : ", ";
    list += "'" + std::string(syntax.name) + " " + std::string(names[i]) + "'";
  }
  return msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "option --%s belongs to %s")), option.name,
                            list.c_str());
}

bool BelongsTo(const OptionInfo& option, std::string_view subcommand) {
  if (option.subcommands == nullptr) return true;
  const std::vector<std::string_view> names = Subcommands(option);
  return std::find(names.begin(), names.end(), subcommand) != names.end();
}

}  // namespace

int UsageError(Io& io, const std::string& text) {
  io.err << "vexa-cli: " << text << "\n" << msg::Tr(VEXA_TR_NOOP("vexa", "Try 'vexa-cli --help'.")) << "\n";
  return kExitUsage;
}

ParsedArguments ParseArguments(const GroupSyntax& syntax, const Args& args, Io& io) {
  ParsedArguments parsed;
  QCommandLineParser parser;
  parser.setOptionsAfterPositionalArgumentsMode(syntax.literalOperands
                                                    ? QCommandLineParser::ParseAsPositionalArguments
                                                    : QCommandLineParser::ParseAsOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  parser.addOption(help);
  for (const OptionInfo& option : syntax.options) {
    parser.addOption(option.valueName ? QCommandLineOption(QString::fromLatin1(option.name), QString(),
                                                           QString::fromLatin1(option.valueName))
                                      : QCommandLineOption(QString::fromLatin1(option.name)));
  }

  QStringList list{QStringLiteral("vexa-cli")};  // parse() skips the program name
  for (const std::string& arg : args) list.append(FromBytes(arg));
  if (!parser.parse(list)) {
    const QStringList unknown = parser.unknownOptionNames();
    parsed.exit = UsageError(io, unknown.isEmpty() ? ParserErrorText(parser.errorText())
                                                   : UnknownOptionText(unknown.front(), args));
    return parsed;
  }
  if (parser.isSet(help)) {
    io.out << msg::Tr(syntax.help);
    parsed.exit = kExitOk;
    return parsed;
  }

  for (const QString& positional : parser.positionalArguments())
    parsed.positionals.push_back(ToBytes(positional));
  for (const OptionInfo& option : syntax.options) {
    const QString name = QString::fromLatin1(option.name);
    if (!parser.isSet(name)) continue;
    const std::string shown = std::string("--") + option.name;
    if (option.valueName && parser.values(name).size() > 1) {
      parsed.exit = UsageError(
          io, msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "option %s is given more than once")),
                                 shown.c_str()));
      return parsed;
    }
    if (!parsed.positionals.empty() && !BelongsTo(option, parsed.positionals.front())) {
      parsed.exit = UsageError(io, NotForSubcommand(syntax, option));
      return parsed;
    }
    parsed.given[option.name] = option.valueName ? ToBytes(parser.value(name)) : std::string();
  }
  return parsed;
}

}  // namespace vexa::cli
