#include "commands/CommandRouter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string_view>

#include "commands/CommandTable.h"

namespace vexa {
namespace {

// While busy, a command runs only when it is allowed while busy AND its own
// rule enables it; when not busy, only its own rule counts.
TEST(CommandRouterTest, BusyRuleHoldsEveryCommandButTheAllowedOnes) {
  struct Row {
    bool busy;
    int id;
    bool runs;
  } rows[] = {
      {false, 1, true}, {false, 2, true}, {false, 3, false},  // 3: its own rule disables it
      {true, 1, false}, {true, 2, true},  {true, 3, false},   // 3 is allowed but its own rule still holds
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.busy ? "busy" : "idle") << ", command " << row.id);
    CommandRouter router;
    bool busy = row.busy;
    int ran = 0;
    router.Register(1, [&] { ++ran; });
    router.Register(2, [&] { ++ran; });
    router.Register(
        3, [&] { ++ran; }, [] { return false; });
    router.SetBusyRule([&] { return busy; }, {2, 3});
    EXPECT_EQ(router.IsEnabled(row.id), row.runs);
    EXPECT_EQ(router.Execute(row.id), row.runs);
    EXPECT_EQ(ran, row.runs ? 1 : 0);
  }
}

}  // namespace
}  // namespace vexa

namespace vexa {
namespace {

// The underlined letter of a menu text ("Ca&ps" gives 'p'); 0 when it has none.
char Mnemonic(std::string_view text) {
  const size_t at = text.find('&');
  if (at == std::string_view::npos || at + 1 >= text.size()) return 0;
  return static_cast<char>(std::tolower(static_cast<unsigned char>(text[at + 1])));
}

// Alt+letter and the letter in an open menu must lead to one entry only: a
// shared letter makes the keyboard user press it twice and guess.
TEST(CommandTableTest, NoTwoEntriesOfAMenuShareTheirUnderlinedLetter) {
  std::map<char, std::string_view> titles;
  for (const MenuInfo& menu : MenuBar()) {
    const char title = Mnemonic(menu.title);
    ASSERT_NE(title, 0) << menu.title;
    EXPECT_TRUE(titles.emplace(title, menu.title).second) << menu.title << " and " << titles[title];
    std::map<char, std::string_view> entries;
    for (int id : menu.items) {
      const CommandInfo* info = FindCommand(id);
      if (!info) continue;
      const char letter = Mnemonic(info->text);
      if (letter == 0) continue;
      EXPECT_TRUE(entries.emplace(letter, info->text).second)
          << menu.title << ": " << info->text << " and " << entries[letter];
    }
  }
}

}  // namespace
}  // namespace vexa
