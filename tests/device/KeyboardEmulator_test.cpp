// The emulated keyboard is at least as strict as the real one: what it
// refuses, and which breaches of the USB protocol by the host it records.
#include "emulator/KeyboardEmulator.h"

#include <gtest/gtest.h>

#include <vector>

#include "emulator/VirtualClock.h"

namespace vexa {
namespace {

FeatureReport Command(std::uint8_t command, int block) {
  return {0, command, static_cast<std::uint8_t>(block * 32), static_cast<std::uint8_t>(block >> 3), 0, 0, 0,
          0, 0};
}

// Sends block 0 as 32 zero bytes: 9 data reports of nibble bytes 0xD0 (the
// checksum of a zero block is zero too).
void WriteZeroBlock(KeyboardEmulator& k) {
  ASSERT_EQ(k.SetFeature(Command(0xE7, 0)), 9);
  const FeatureReport data{0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0};
  for (int i = 0; i < 9; ++i) ASSERT_EQ(k.SetFeature(data), 9);
}

TEST(KeyboardEmulatorTest, RefusesReportsOfAnotherLengthOrId) {
  struct Row {
    const char* name;
    std::vector<std::uint8_t> report;
    bool sent;  // else asked for
  } rows[] = {
      {"8 bytes sent", {0, 0xE7, 0, 0, 0, 0, 0, 0}, true},
      {"10 bytes sent", {0, 0xE7, 0, 0, 0, 0, 0, 0, 0, 0}, true},
      {"report id 1 sent", {1, 0xE7, 0, 0, 0, 0, 0, 0, 0}, true},
      {"8 bytes asked for", std::vector<std::uint8_t>(8), false},
      {"64 bytes asked for", std::vector<std::uint8_t>(64), false},
      {"report id 3 asked for", {3, 0, 0, 0, 0, 0, 0, 0, 0}, false},
  };
  for (Row& row : rows) {
    SCOPED_TRACE(row.name);
    KeyboardEmulator k{Image{}};
    const int answer = row.sent ? k.SetFeature(std::span<const std::uint8_t>(row.report))
                                : k.GetFeature(std::span<std::uint8_t>(row.report));
    EXPECT_EQ(answer, -1);
    EXPECT_EQ(k.Violations().size(), 1u);
    EXPECT_TRUE(k.HostReports().empty());
    EXPECT_EQ(k.Polls(), 0);
  }
}

TEST(KeyboardEmulatorTest, JudgesTheHostsWaitsByTheClock) {
  enum class Next { kPoll, kCommand, kDataRead };
  struct Row {
    const char* name;
    bool afterWrite;  // else after a read command
    int waitMs;
    Next next;
    bool violation;
  } rows[] = {
      {"poll at once after a block write", true, 0, Next::kPoll, true},
      {"poll 249 ms after a block write", true, 249, Next::kPoll, true},
      {"poll 250 ms after a block write", true, 250, Next::kPoll, false},
      {"next command at once after a block write", true, 0, Next::kCommand, true},
      {"next command 250 ms after a block write", true, 250, Next::kCommand, false},
      {"data read at once after a read command", false, 0, Next::kDataRead, true},
      {"data read 199 ms after a read command", false, 199, Next::kDataRead, true},
      {"data read 200 ms after a read command", false, 200, Next::kDataRead, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    VirtualClock clock;
    clock.Sleep(1000);
    KeyboardEmulator k{Image{}};
    k.SetClock(&clock);
    k.SetTransferOrderChecked(false);  // single blocks, not a transfer
    if (row.afterWrite) {
      WriteZeroBlock(k);
    } else {
      ASSERT_EQ(k.SetFeature(Command(0xE6, 2)), 9);
    }
    clock.Reset();  // what tests do between transfers: the keyboard's time goes on
    clock.Sleep(row.waitMs);
    FeatureReport r{};
    if (row.next == Next::kCommand)
      EXPECT_EQ(k.SetFeature(Command(0xE7, 1)), 9);
    else
      EXPECT_EQ(k.GetFeature(r), 9);
    EXPECT_EQ(k.Violations().size(), row.violation ? 1u : 0u);
    // A later request is not judged again.
    EXPECT_EQ(k.GetFeature(r), 9);
    EXPECT_EQ(k.Violations().size(), row.violation ? 1u : 0u);
  }
}

// Each keyboard checks that it gets one transfer's blocks in order: a report
// meant for another keyboard, or a transfer that skips a block, is recorded.
TEST(KeyboardEmulatorTest, RecordsBlocksOutOfOrder) {
  struct Sent {
    std::uint8_t command;
    int block;
  };
  struct Row {
    const char* name;
    std::vector<Sent> commands;
    bool strayDataReport;  // a data report after the commands, without a write command
    size_t violations;
  } rows[] = {
      {"a write, block by block", {{0xE7, 0}, {0xE7, 1}, {0xE7, 2}}, false, 0},
      {"a retry of the same block", {{0xE7, 0}, {0xE7, 1}, {0xE7, 1}, {0xE7, 2}}, false, 0},
      {"a read after a write that failed", {{0xE7, 0}, {0xE7, 1}, {0xE6, 0}, {0xE6, 1}}, false, 0},
      {"a new transfer after another", {{0xE6, 0}, {0xE6, 1}, {0xE6, 0}}, false, 0},
      {"the first command not at block 0", {{0xE7, 5}}, false, 1},
      {"a block skipped", {{0xE7, 0}, {0xE7, 2}}, false, 1},
      {"a block of the other kind", {{0xE7, 0}, {0xE7, 1}, {0xE6, 2}}, false, 1},
      {"a block back", {{0xE6, 0}, {0xE6, 1}, {0xE6, 2}, {0xE6, 1}}, false, 1},
      {"a data report after a read command", {{0xE6, 0}}, true, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    KeyboardEmulator k{Image{}};
    for (const Sent& c : row.commands) ASSERT_EQ(k.SetFeature(Command(c.command, c.block)), 9);
    if (row.strayDataReport) {
      const FeatureReport data{0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0};
      EXPECT_EQ(k.SetFeature(data), 9);  // taken and ignored, but recorded
    }
    EXPECT_EQ(k.Violations().size(), row.violations) << (k.Violations().empty() ? "" : k.Violations().back());
  }
}

}  // namespace
}  // namespace vexa
