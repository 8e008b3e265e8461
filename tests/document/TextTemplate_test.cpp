#include "document/TextTemplate.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

using namespace std::string_literals;

TEST(TextTemplateTest, EscapesOnlyBackslashAndComma) {
  EXPECT_EQ(EscapeTextField("a,b"), "a\\,b");
  EXPECT_EQ(EscapeTextField("\\"), "\\\\");
  EXPECT_EQ(EscapeTextField("[CR]x\t\x80\xFF"), "[CR]x\t\x80\xFF");
  EXPECT_EQ(EscapeTextField(""), "");
}

struct SplitCase {
  std::string line;
  std::string label;
  std::string content;
};

TEST(TextTemplateTest, SplitsLinesIntoLabelAndContent) {
  const SplitCase cases[] = {
      {"Q,abc", "Q", "abc"},
      {"Q", "Q", ""},                       // no comma: the content is empty
      {"X,abc,def", "X", "abc"},            // the third field is ignored
      {"X,abc,def,ghi\\,j,k", "X", "abc"},  // so is everything after it
      {",", "", ""},
      {"", "", ""},
      {"a\\,b,c\\,d", "a,b", "c,d"},    // escaped commas stay in their field
      {"\\\\,\\\\\\\\", "\\", "\\\\"},  // escaped backslashes
      {"\\q\\[,x\\", "q[", "x"},        // any escaped byte is literal; a final backslash is dropped
      {"L,[CR]\x80\xFE\xFF", "L", "[CR]\x80\xFE\xFF"},
      {"L,a\rb", "L", "a\rb"},    // a CR inside the line is kept
      {"L,a\0b"s, "L", "a\0b"s},  // as is a 0x00 byte: validation deals with it
  };
  for (const auto& c : cases) {
    const TextTemplateLine line = SplitTextTemplateLine(c.line);
    EXPECT_EQ(line.label, c.label) << c.line;
    EXPECT_EQ(line.content, c.content) << c.line;
  }
}

TEST(TextTemplateTest, EscapedFieldsSplitBackToTheOriginal) {
  const std::string fields[] = {"", ",", "\\", "\\,", ",\\", "a,b\\c", "[[,]]", "\x80\xFF,\\\x01", "end\\"};
  for (const auto& label : fields) {
    for (const auto& content : fields) {
      const TextTemplateLine line =
          SplitTextTemplateLine(EscapeTextField(label) + "," + EscapeTextField(content));
      EXPECT_EQ(line.label, label);
      EXPECT_EQ(line.content, content);
    }
  }
}

struct ParseCase {
  const char* name;
  std::string file;
  int keyCount;
  size_t rowCount;
  std::vector<std::string> labels;  // of the lines kept
};

TEST(TextTemplateTest, CountsAndKeepsLines) {
  const ParseCase cases[] = {
      {"crlf", "a,1\r\nb,2\r\n", 2, 2, {"a", "b"}},
      {"lf", "a,1\nb,2\n", 2, 2, {"a", "b"}},
      {"mixed", "a,1\r\nb,2\n", 2, 2, {"a", "b"}},
      {"last line without line feed", "a,1\nb,2", 2, 1, {"a"}},
      {"only an unterminated line", "a,1", 2, 0, {}},
      {"empty file", "", 3, 0, {}},
      {"lines beyond the key count are counted only", "a\nb\nc\nd\n", 2, 4, {"a", "b"}},
      {"blank lines count", "\n\n\n", 5, 3, {"", "", ""}},
      {"lone CR is not a line end", "a\rb,1\n", 1, 1, {"a\rb"}},
      {"only one CR is taken off", "a,1\r\r\n", 1, 1, {"a"}},
      {"zero key count", "a\nb\n", 0, 2, {}},
  };
  for (const auto& c : cases) {
    const TextTemplateRows rows = ParseTextTemplate(c.file, c.keyCount);
    EXPECT_EQ(rows.rowCount, c.rowCount) << c.name;
    ASSERT_EQ(rows.lines.size(), c.labels.size()) << c.name;
    for (size_t i = 0; i < c.labels.size(); ++i) EXPECT_EQ(rows.lines[i].label, c.labels[i]) << c.name;
  }
  EXPECT_EQ(ParseTextTemplate("a,1\r\r\n", 1).lines[0].content, "1\r");
}

TEST(TextTemplateTest, WritesOneCrLfLinePerPositionThroughTheKeyMap) {
  std::array<std::string, kKeyCount> labels;
  KeyContents contents;
  std::array<int, kKeyCount> keyMap{};
  labels[0] = "Q,";
  labels[1] = "\\";
  labels[2] = "Enter";
  keyMap[0] = 175;
  keyMap[1] = 3;
  keyMap[2] = 175;  // two positions sharing one key write the same content
  contents[175] = "a,b";
  contents[3] = "[F1]\\\x80";
  contents[4] = "not written";
  EXPECT_EQ(FormatTextTemplate(labels, contents, keyMap, 3),
            "Q\\,,a\\,b\r\n\\\\,[F1]\\\\\x80\r\nEnter,a\\,b\r\n");
  EXPECT_EQ(FormatTextTemplate(labels, contents, keyMap, 0), "");
}

TEST(TextTemplateTest, WrittenFileReadsBackUnchanged) {
  std::array<std::string, kKeyCount> labels;
  KeyContents contents;
  std::array<int, kKeyCount> keyMap{};
  for (int p = 0; p < kKeyCount; ++p) {
    const auto i = static_cast<size_t>(p);
    keyMap[i] = kKeyCount - 1 - p;
    labels[i] = "K" + std::to_string(p) + (p % 3 == 0 ? ",\\" : "");
    std::string content;
    for (int b = 0; b < 6; ++b) content.push_back(static_cast<char>(0x20 + (p * 7 + b * 31) % 0xE0));
    contents[static_cast<size_t>(keyMap[i])] = content;
  }
  const TextTemplateRows rows =
      ParseTextTemplate(FormatTextTemplate(labels, contents, keyMap, kKeyCount), kKeyCount);
  ASSERT_EQ(rows.rowCount, static_cast<size_t>(kKeyCount));
  for (size_t p = 0; p < rows.lines.size(); ++p) {
    EXPECT_EQ(rows.lines[p].label, labels[p]);
    EXPECT_EQ(rows.lines[p].content, contents[static_cast<size_t>(keyMap[p])]);
  }
}

}  // namespace
}  // namespace vexa
