// The JSON emitter: every string it writes must be valid JSON whatever bytes
// a key content or a serial number holds, and no byte may be lost.
#include "document/JsonWriter.h"

#include <gtest/gtest.h>

namespace vexa::json {
namespace {

TEST(JsonQuoteTest, EscapesAndEncodings) {
  struct Row {
    const char* name;
    std::string text;
    std::string json;
  } rows[] = {
      {"plain", "Tea[CR]", R"("Tea[CR]")"},
      {"quote and backslash", "a\"b\\c", R"("a\"b\\c")"},
      {"short escapes", "\n\r\t", R"("\n\r\t")"},
      {"other control bytes", std::string("\x01\x1f\x7f", 3), R"("\u0001\u001f\u007f")"},
      {"a zero byte", std::string("a\0b", 3), R"("a\u0000b")"},
      {"valid UTF-8 passes", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
       "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
      {"a lone 8-bit byte is its Latin-1 character", "caf\xe9", "\"caf\xc3\xa9\""},
      {"a truncated sequence", "\xe2\x82", "\"\xc3\xa2\xc2\x82\""},
      {"an overlong form", "\xc0\xaf", "\"\xc3\x80\xc2\xaf\""},
      {"a surrogate", "\xed\xa0\x80", "\"\xc3\xad\xc2\xa0\xc2\x80\""},
      {"past U+10FFFF", "\xf4\x90\x80\x80", "\"\xc3\xb4\xc2\x90\xc2\x80\xc2\x80\""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Quote(row.text), row.json);
  }
}

TEST(JsonObjectTest, MembersInOrderWithTheirTypes) {
  const std::string inner = Object().Number("n", -5).Text();
  const std::string text = Object()
                               .String("s", "x")
                               .Number("big", 1733712000123)
                               .Bool("yes", true)
                               .Bool("no", false)
                               .Null("none")
                               .Raw("list", Array({inner, "1"}))
                               .Raw("empty", Array({}))
                               .Text();
  EXPECT_EQ(
      text,
      R"({"s":"x","big":1733712000123,"yes":true,"no":false,"none":null,"list":[{"n":-5},1],"empty":[]})");
  EXPECT_EQ(Object().Text(), "{}");
}

}  // namespace
}  // namespace vexa::json
