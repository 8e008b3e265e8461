// What the PS/2 state file may hold before a start acts on it: a serio port,
// the driver VEXA gives ports back to, and a boot id; anything else in it
// makes it no state at all. (That what is written reads back is left to the
// fuzz harness, fuzz/ps2_state_fuzz.cpp.)
#include "device/linux/Ps2StateFile.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

constexpr const char* kBoot = "0b1c2d3e-4f50-4a6b-8c7d-9e0f1a2b3c4d";

TEST(Ps2StateFileTest, TakesOnlyAWellFormedState) {
  const std::string boot = std::string("boot=") + kBoot + "\n";
  struct Row {
    const char* name;
    std::string text;
    bool valid;
    std::string port, bootId;
  } rows[] = {
      {"as written", "port=serio1\nrestore=atkbd\npid=42\n" + boot, true, "serio1", kBoot},
      {"an older VEXA's, without boot", "port=serio0\nrestore=atkbd\npid=42\n", true, "serio0", ""},
      {"a key of a later VEXA", "port=serio1\nrestore=atkbd\nmode=fast\n", true, "serio1", ""},
      {"no port", "restore=atkbd\n", false, "", ""},
      {"a port that is a path", "port=../serio1\nrestore=atkbd\n", false, "", ""},
      {"a port with a space", "port=serio1 \nrestore=atkbd\n", false, "", ""},
      {"two ports", "port=serio1\nport=serio2\nrestore=atkbd\n", false, "", ""},
      {"another driver", "port=serio1\nrestore=serio_raw\n", false, "", ""},
      {"a pid that is no number", "port=serio1\nrestore=atkbd\npid=1x\n", false, "", ""},
      {"a boot id too short", "port=serio1\nrestore=atkbd\nboot=0b1c2d3e\n", false, "", ""},
      {"longer than a state", "port=serio1\nrestore=atkbd\n" + std::string(Ps2StateFile::kMaxBytes, '\n'),
       false, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<Ps2State> state = Ps2StateFile::Parse(row.text);
    ASSERT_EQ(state.has_value(), row.valid);
    if (!state) continue;
    EXPECT_EQ(state->port, row.port);
    EXPECT_EQ(state->restore, "atkbd");
    EXPECT_EQ(state->boot, row.bootId);
  }
}

}  // namespace
}  // namespace vexa
