#include "i18n/Translations.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vexa::i18n {
namespace {

Environment Env(const std::map<std::string, std::string>& vars) {
  return [vars](const char* name) -> const char* {
    const auto found = vars.find(name);
    return found == vars.end() ? nullptr : found->second.c_str();
  };
}

TEST(MessageLanguages, FollowsTheEnvironmentAsGettextDoes) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> vars;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"nothing set", {}, {}},
      {"LANG alone", {{"LANG", "de"}}, {"de"}},
      {"territory falls back to the language", {{"LANG", "de_DE"}}, {"de_DE", "de"}},
      {"codeset and modifier stripped", {{"LANG", "de_DE.UTF-8@euro"}}, {"de_DE", "de"}},
      {"LC_ALL over LC_MESSAGES and LANG",
       {{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}},
       {"es_ES", "es"}},
      {"LC_MESSAGES over LANG", {{"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}, {"fr_FR", "fr"}},
      {"an empty LC_ALL counts as unset", {{"LC_ALL", ""}, {"LANG", "de_DE"}}, {"de_DE", "de"}},
      {"LANGUAGE list first, then the locale",
       {{"LANGUAGE", "fr:es_MX"}, {"LANG", "de_DE.UTF-8"}},
       {"fr", "es_MX", "es", "de_DE", "de"}},
      {"empty LANGUAGE entries skipped", {{"LANGUAGE", ":fr::"}, {"LANG", "de"}}, {"fr", "de"}},
      {"duplicates once", {{"LANGUAGE", "de_DE:de"}, {"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}},
      {"LANG=C ignores LANGUAGE", {{"LANGUAGE", "de:fr"}, {"LANG", "C"}}, {}},
      {"LC_ALL=POSIX over a German LANG", {{"LC_ALL", "POSIX"}, {"LANG", "de_DE"}, {"LANGUAGE", "de"}}, {}},
      {"English locale", {{"LANG", "en_US.UTF-8"}}, {}},
      {"stops at English in LANGUAGE", {{"LANGUAGE", "fr:en:de"}, {"LANG", "de_DE"}}, {"fr"}},
      {"locale English after LANGUAGE", {{"LANGUAGE", "es"}, {"LANG", "en_US"}}, {"es"}},
  };
  for (const Case& c : cases) EXPECT_EQ(MessageLanguages(Env(c.vars)), c.expected) << c.name;
}

TEST(FromBytes, Utf8WhereWellFormedEachOtherByteAsItsValue) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string expected;
  };
  const std::vector<Case> cases = {
      {"empty", "", u""},
      {"ASCII", "Ready [CR]", u"Ready [CR]"},
      {"UTF-8 umlauts", "\xC3\xA4nderung \xC3\x9F", u"\u00E4nderung \u00DF"},
      {"three-byte euro", "\xE2\x82\xAC 5", u"\u20AC 5"},
      {"four-byte character", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"lone high bytes as Latin-1", "\xE4\xFC\xA0", u"\u00E4\u00FC\u00A0"},
      {"truncated two-byte sequence at the end", "ab\xC3", u"ab\u00C3"},
      {"overlong two-byte form (C0/C1)", "\xC0\xAF", u"\u00C0\u00AF"},
      {"overlong three-byte form", "\xE0\x80\xAF", u"\u00E0\u0080\u00AF"},
      {"UTF-16 surrogate encoded", "\xED\xA0\x80", u"\u00ED\u00A0\u0080"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\u00F4\u0090\u0080\u0080"},
      {"valid after an invalid byte", "\xFF\xC3\xA4", u"\u00FF\u00E4"},
      {"NUL kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(FromBytes(c.bytes).toStdU16String(), c.expected) << c.name;
}

}  // namespace
}  // namespace vexa::i18n
