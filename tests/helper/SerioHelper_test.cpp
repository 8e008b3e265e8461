// The privileged helper on temporary sysfs trees: it does its two verbs to
// the i8042 keyboard port only, finds that port itself, and refuses
// everything else with a message and a non-zero status, writing nothing.
#include "helper/SerioHelper.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/Messages.h"
#include "device/FakeSerioSystem.h"

namespace vexa {
namespace {

struct HelperRun {
  int status;
  std::string out, err;
};

HelperRun RunHelper(const FakeSerioSystem& system, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = SerioHelper::Run(args, system.Sys(), out, err);
  return {status, out.str(), err.str()};
}

// What the helper left in a port's drvctl (the fake kernel has not read it).
std::string Drvctl(const FakeSerioSystem& system, const std::string& port) {
  std::ifstream in(system.Sys() + "/bus/serio/devices/" + port + "/drvctl");
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A PC with a mouse, the keyboard and a multiplexed second mouse port.
void SeveralPorts(FakeSerioSystem& system) {
  system.AddPort("serio0", "i8042 AUX port", "psmouse");
  system.AddPort("serio1", "i8042 KBD port", "atkbd");
  system.AddPort("serio2", "i8042 AUX2 port", "psmouse");
  system.LoadDriver("serio_raw");
}

TEST(SerioHelperTest, RefusesAnythingButItsTwoVerbs) {
  const std::vector<std::vector<std::string>> refused = {
      {},
      {"unbind"},
      {"bind", "serio0"},
      {"restore", "--force"},
      {"/sys/bus/serio/devices/serio0/drvctl"},
      {"BIND"},
      {"--help"},
  };
  for (const auto& args : refused) {
    FakeSerioSystem system;
    SeveralPorts(system);
    const HelperRun run = RunHelper(system, args);
    EXPECT_EQ(run.status, SerioHelper::kUsage) << testing::PrintToString(args);
    EXPECT_EQ(run.err, std::string(msg::kHelperUsage) + "\n");
    for (const char* port : {"serio0", "serio1", "serio2"}) EXPECT_EQ(Drvctl(system, port), "") << port;
  }
}

TEST(SerioHelperTest, WritesOnlyTheKeyboardPortsDrvctl) {
  FakeSerioSystem system;
  SeveralPorts(system);
  HelperRun run = RunHelper(system, {"bind"});
  EXPECT_EQ(run.status, SerioHelper::kDone) << run.err;
  EXPECT_EQ(run.out, "serio1\n");
  EXPECT_EQ(Drvctl(system, "serio1"), "serio_raw");  // no line feed: the kernel would not know "serio_raw\n"
  EXPECT_EQ(Drvctl(system, "serio0"), "");
  EXPECT_EQ(Drvctl(system, "serio2"), "");

  // As the kernel would answer: serio_raw holds the port; restore gives it to atkbd.
  std::string error;
  ASSERT_TRUE(system.WriteDrvctl("serio1", "serio_raw", error)) << error;
  run = RunHelper(system, {"restore"});
  EXPECT_EQ(run.status, SerioHelper::kDone) << run.err;
  EXPECT_EQ(Drvctl(system, "serio1"), "atkbd");
  EXPECT_EQ(Drvctl(system, "serio0"), "");
}

TEST(SerioHelperTest, LeavesAPortAloneThatIsAlreadyWhereAsked) {
  FakeSerioSystem system;
  SeveralPorts(system);
  EXPECT_EQ(RunHelper(system, {"restore"}).status,
            SerioHelper::kDone);  // atkbd has it: no reset of the keyboard
  EXPECT_EQ(Drvctl(system, "serio1"), "");
}

TEST(SerioHelperTest, RefusesWhenTheKeyboardPortIsNotThereOrNotOne) {
  struct Row {
    const char* name;
    std::vector<std::pair<std::string, std::string>> ports;  // name, description
    bool serioRawLoaded;
    std::string message;
  } rows[] = {
      {"only mouse ports",
       {{"serio0", "i8042 AUX port"}, {"serio1", "i8042 AUX3 port"}},
       true,
       std::string(msg::kPs2NoKeyboardPort)},
      {"a keyboard port of another controller",
       {{"serio0", "PS/2 KBD port"}},
       true,
       std::string(msg::kPs2NoKeyboardPort)},
      {"no serio ports at all", {}, true, std::string(msg::kPs2NoKeyboardPort)},
      {"two keyboard ports",
       {{"serio0", "i8042 KBD port"}, {"serio1", "i8042 KBD port"}},
       true,
       std::string(msg::kPs2SeveralPorts)},
      {"serio_raw not loaded", {{"serio0", "i8042 KBD port"}}, false, std::string(msg::kPs2NoSerioRaw)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeSerioSystem system;
    for (const auto& [name, description] : row.ports) system.AddPort(name, description, "atkbd");
    if (row.serioRawLoaded) system.LoadDriver("serio_raw");
    const HelperRun run = RunHelper(system, {"bind"});
    EXPECT_EQ(run.status, SerioHelper::kFailed);
    EXPECT_EQ(run.err, row.message + "\n");
    EXPECT_EQ(run.out, "");
    for (const auto& port : row.ports) EXPECT_EQ(Drvctl(system, port.first), "") << port.first;
  }
}

TEST(SerioHelperTest, ReportsAPortItCannotWrite) {
  FakeSerioSystem system;
  SeveralPorts(system);
  std::filesystem::remove(system.Sys() + "/bus/serio/devices/serio1/drvctl");
  const HelperRun run = RunHelper(system, {"bind"});
  EXPECT_EQ(run.status, SerioHelper::kFailed);
  EXPECT_NE(run.err.find("serio1/drvctl: No such file or directory"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vexa
