// ParseArguments: the option syntax every vexa-cli group shares, on a group
// shaped like `keyboard` (values, a flag, options of one sub-command) and one
// shaped like `content` (texts after the sub-command taken literally).
#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace vexa::cli {
namespace {

const OptionInfo kOptions[] = {
    {"port", "usb|ps2"},         {"simulate-keyboard", "FILE"},   {"verify", nullptr, "write"},
    {"backup", "FILE", "write"}, {"render", "FILE", "show diff"},
};

struct Case {
  const char* label;
  bool literal;
  Args args;
  std::optional<int> exit;  // nullopt: parsed
  Args positionals;
  std::map<std::string, std::string, std::less<>> given;
  const char* message = "";  // part of the usage error
};

class ParseArgumentsTest : public testing::TestWithParam<Case> {};

TEST_P(ParseArgumentsTest, Parses) {
  const Case& c = GetParam();
  std::ostringstream out, err;
  Io io{out, err};
  const ParsedArguments parsed = ParseArguments({"keyboard", "HELP\n", kOptions, c.literal}, c.args, io);
  EXPECT_EQ(parsed.exit, c.exit);
  if (!c.exit) {
    EXPECT_EQ(parsed.positionals, c.positionals);
    EXPECT_EQ(parsed.given, c.given);
    EXPECT_EQ(err.str(), "");
  } else if (*c.exit == kExitUsage) {
    EXPECT_NE(err.str().find(std::string("vexa-cli: ") + c.message), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("Try 'vexa-cli --help'."), std::string::npos);
    EXPECT_EQ(out.str(), "");
  } else {
    EXPECT_EQ(out.str(), "HELP\n");
  }
}

const std::string kRaw = "\xc3\xa9\xc3(\xff\x80";  // a UTF-8 pair, then bytes that are not UTF-8

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseArgumentsTest,
    testing::Values(
        Case{"SpacedValue",
             false,
             {"read", "x.bin", "--port", "ps2"},
             {},
             {"read", "x.bin"},
             {{"port", "ps2"}}},
        Case{"EqualsValue", false, {"--port=ps2", "read", "x.bin"}, {}, {"read", "x.bin"}, {{"port", "ps2"}}},
        Case{"EqualsInValue",
             false,
             {"read", "--simulate-keyboard=a=b"},
             {},
             {"read"},
             {{"simulate-keyboard", "a=b"}}},
        Case{
            "EmptyValue", false, {"read", "--simulate-keyboard="}, {}, {"read"}, {{"simulate-keyboard", ""}}},
        Case{"ValueLooksLikeOption",
             false,
             {"read", "--simulate-keyboard", "--port"},
             {},
             {"read"},
             {{"simulate-keyboard", "--port"}}},
        Case{"Flag", false, {"write", "--verify", "in.bin"}, {}, {"write", "in.bin"}, {{"verify", ""}}},
        Case{"OptionOfSeveral", false, {"diff", "--render=r.png"}, {}, {"diff"}, {{"render", "r.png"}}},
        Case{"DoubleDashEnds",
             false,
             {"write", "--", "-x.bin", "--verify"},
             {},
             {"write", "-x.bin", "--verify"},
             {}},
        Case{"LoneDashIsPositional", false, {"read", "-"}, {}, {"read", "-"}, {}},
        Case{"BytesPassThrough",
             false,
             {"read", kRaw, "--simulate-keyboard=" + kRaw},
             {},
             {"read", kRaw},
             {{"simulate-keyboard", kRaw}}},
        Case{"Help", false, {"read", "x.bin", "--help"}, kExitOk, {}, {}},
        Case{"ShortHelp", false, {"-h"}, kExitOk, {}, {}},
        Case{"MissingValue", false, {"read", "--port"}, kExitUsage, {}, {}, "missing value after '--port'"},
        Case{"UnknownLong",
             false,
             {"read", "--port=usb", "--device=x"},
             kExitUsage,
             {},
             {},
             "unknown option '--device'"},
        Case{"UnknownSingleDash",
             false,
             {"read", "-x.bin"},
             kExitUsage,
             {},
             {},
             "unknown option '-x.bin' (put --"},
        Case{
            "ValueAfterFlag", false, {"write", "--verify=yes"}, kExitUsage, {}, {}, "unexpected value after"},
        Case{"GivenTwice",
             false,
             {"read", "--port=usb", "--port", "ps2"},
             kExitUsage,
             {},
             {},
             "option --port is given more than once"},
        Case{"OtherSubcommand",
             false,
             {"read", "--verify"},
             kExitUsage,
             {},
             {},
             "option --verify belongs to 'keyboard write'"},
        Case{"OtherSubcommands",
             false,
             {"read", "--render=r"},
             kExitUsage,
             {},
             {},
             "option --render belongs to 'keyboard show' or 'keyboard diff'"},
        Case{"LiteralTexts",
             true,
             {"encode", "-5", "--port", "--help", "--"},
             {},
             {"encode", "-5", "--port", "--help", "--"},
             {}},
        Case{"LiteralOptionsBeforeSubcommand",
             true,
             {"--port=usb", "check", "--verify"},
             {},
             {"check", "--verify"},
             {{"port", "usb"}}},
        Case{"LiteralHelpBeforeSubcommand", true, {"--help", "encode"}, kExitOk, {}, {}},
        Case{"LiteralUnknownBeforeSubcommand",
             true,
             {"-5", "encode"},
             kExitUsage,
             {},
             {},
             "unknown option '-5'"},
        Case{"LiteralBytes", true, {"check", kRaw, "-" + kRaw}, {}, {"check", kRaw, "-" + kRaw}, {}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vexa::cli
