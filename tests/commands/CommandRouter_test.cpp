#include "commands/CommandRouter.h"

#include <gtest/gtest.h>

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
