#include <ostream>

#include "base/Messages.h"
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "document/KeyContent.h"
#include "models/KeyWordDictionary.h"

namespace vexa::cli {

const char* const kContentHelp =
    VEXA_TR_NOOP("vexa",
                 "Usage: vexa-cli content check TEXT...\n"
                 "       vexa-cli content encode TEXT\n"
                 "       vexa-cli content length TEXT\n"
                 "       vexa-cli content decode HEX...\n"
                 "       vexa-cli content decimal TEXT\n"
                 "       vexa-cli content words\n"
                 "\n"
                 "Works on key contents: the text of one key, made of plain characters, the\n"
                 "escapes [[ and ]] for a literal bracket, and bracketed key words such as [CR],\n"
                 "[Delay5], [F1] or [PageUp]. Texts and output are raw 8-bit bytes.\n"
                 "\n"
                 "  check    one line per TEXT: 'ascii' (a valid ASCII mode content, the empty\n"
                 "           text too), 'scancode' (valid in scan code mode only) or 'invalid'\n"
                 "  encode   the bytes the key stores (without its 00 terminator), as uppercase\n"
                 "           hex pairs separated by a space; an empty line when there are none\n"
                 "  length   the number of bytes the key takes in the keyboard memory (without\n"
                 "           its terminator), as the editor counts the space left\n"
                 "  decode   the content text of one stored key string, given as hex pairs\n"
                 "           (spaces optional; no 00, which ends a key string)\n"
                 "  decimal  the decimal display of an ASCII mode content: every character as\n"
                 "           its byte value in brackets, function words unchanged\n"
                 "  words    the key word list: every named scan code word with its meaning\n"
                 "\n"
                 "Put -- before a TEXT that begins with a dash.\n"
                 "\n"
                 "Examples:\n"
                 "  vexa-cli content check 'Coffee[CR]' '[F1][Shift][A]' '[F1]a'\n"
                 "  vexa-cli content encode '[PrintScreen][Delay5]'     # FF E0 2A E0 37 FD 05\n"
                 "  vexa-cli content length '[ShiftLevel3]'             # 4\n"
                 "  vexa-cli content decode 'FF 3B FE 3C'               # [F1][Separator][F2]\n"
                 "  vexa-cli content decode 410D                        # A[CR]\n"
                 "  vexa-cli content decimal 'Ab[CR]'                   # [65][98][CR]\n"
                 "  vexa-cli content encode -- '-5'\n");

namespace {

std::string ToHex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (!out.empty()) out += ' ';
    out += kDigits[b >> 4];
    out += kDigits[b & 0x0F];
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hex pairs with optional blanks between the pairs; false with `error` set on
// anything else.
bool ParseHex(const std::string& text, std::string& bytes, std::string& error) {
  int high = -1;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      if (high >= 0) {
        error = msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "HEX must be pairs of hex digits: '%s'")),
                                   text.c_str());
        return false;
      }
      continue;
    }
    const int digit = HexDigit(c);
    if (digit < 0) {
      error = msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "not a hex digit in HEX: '%s'")), text.c_str());
      return false;
    }
    if (high < 0) {
      high = digit;
      continue;
    }
    const int value = high * 16 + digit;
    high = -1;
    if (value == 0) {
      error = msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "HEX holds 00, which ends a key string: '%s'")),
                                 text.c_str());
      return false;
    }
    bytes.push_back(static_cast<char>(value));
  }
  if (high >= 0) {
    error = msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "HEX must be pairs of hex digits: '%s'")),
                               text.c_str());
    return false;
  }
  return true;
}

// The arguments after the sub-command, with a leading "--" taken away.
Args Operands(const Args& args) {
  Args rest(args.begin() + 1, args.end());
  if (!rest.empty() && rest.front() == "--") rest.erase(rest.begin());
  return rest;
}

int ExactlyOneText(const std::string& command, const Args& texts, Io& io) {
  if (texts.size() == 1) return kExitOk;
  return UsageError(
      io,
      msg::FormatMessage(msg::Tr(VEXA_TR_NOOP(
                             "vexa", "'content %s' takes exactly one TEXT (quote it when it holds blanks)")),
                         command.c_str()));
}

}  // namespace

int RunContent(const Args& arguments, Io& io) {
  // Key contents may look like options ("-5", "--"): everything after the
  // sub-command is a TEXT, as it always was.
  const ParsedArguments parsed = ParseArguments({"content", kContentHelp, {}, true}, arguments, io);
  if (parsed.exit) return *parsed.exit;
  const Args& args = parsed.positionals;
  if (args.empty())
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP(
                "vexa", "'content' needs a sub-command: check, encode, length, decode, decimal, words")));
  const std::string& command = args.front();
  if (args.size() > 1 && (args[1] == "--help" || args[1] == "-h")) {
    io.out << msg::Tr(kContentHelp);
    return kExitOk;
  }
  const Args texts = Operands(args);

  if (command == "check") {
    if (texts.empty())
      return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "'content check' needs at least one TEXT")));
    for (const std::string& text : texts) {
      io.out << (IsAsciiContent(text) ? "ascii" : IsScanCodeContent(text) ? "scancode" : "invalid") << '\n';
    }
    return kExitOk;
  }
  if (command == "encode") {
    if (int rc = ExactlyOneText(command, texts, io); rc != kExitOk) return rc;
    io.out << ToHex(EncodeContent(texts.front())) << '\n';
    return kExitOk;
  }
  if (command == "length") {
    if (int rc = ExactlyOneText(command, texts, io); rc != kExitOk) return rc;
    io.out << EncodedLength(texts.front()) << '\n';
    return kExitOk;
  }
  if (command == "decode") {
    if (texts.empty())
      return UsageError(
          io, msg::Tr(VEXA_TR_NOOP("vexa", "'content decode' needs the HEX bytes of a key string")));
    std::string bytes, error;
    for (const std::string& text : texts) {
      if (!ParseHex(text, bytes, error)) return UsageError(io, error);
    }
    io.out << DecodeKeyString(bytes) << '\n';
    return kExitOk;
  }
  if (command == "decimal") {
    if (int rc = ExactlyOneText(command, texts, io); rc != kExitOk) return rc;
    if (!IsAsciiContent(texts.front())) {
      io.err << msg::Tr(msg::kWrongAsciiWord) << '\n';
      return kExitRefused;
    }
    io.out << ToDecimalForm(texts.front()) << '\n';
    return kExitOk;
  }
  if (command == "words") {
    if (!texts.empty())
      return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "'content words' takes no arguments")));
    io.out << KeyWordHelpText();
    return kExitOk;
  }
  return UsageError(
      io, msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "unknown sub-command '%s' for 'content'")),
                             command.c_str()));
}

}  // namespace vexa::cli
