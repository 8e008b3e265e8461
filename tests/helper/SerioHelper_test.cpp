// The privileged helper on temporary sysfs trees: it does its two verbs to
// the i8042 keyboard port only, finds that port itself, and refuses
// everything else with a message and a non-zero status, writing nothing.
#include "helper/SerioHelper.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "base/Messages.h"
#include "device/FakeSerioSystem.h"
#include "device/linux/PortLock.h"

namespace vexa {
namespace {

struct HelperRun {
  int status;
  std::string out, err;
};

// Runs the helper as VEXA does: with the keyboard port's lock as its
// standard input (when there is one keyboard port to lock).
HelperRun RunHelper(const FakeSerioSystem& system, const std::vector<std::string>& args) {
  const std::vector<std::string> ports = SerioSysfs(system.Sys()).KeyboardPorts();
  std::string error;
  const int lock = ports.size() == 1 ? PortLock::Open(system.RunFolder(), ports.front(), true, error) : -1;
  std::ostringstream out, err;
  const int status = SerioHelper::Run(args, {system.Sys(), system.RunFolder(), lock}, out, err);
  if (lock >= 0) ::close(lock);
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

// The port's lock decides: bind only with the caller's lock, restore with it
// or while no one holds it, and nothing while another run holds it.
TEST(SerioHelperTest, ChangesThePortOnlyForTheRunThatHoldsItsLock) {
  enum class Stdin { kCallersLock, kNothing, kAnotherFile };
  struct Row {
    const char* name;
    const char* verb;
    bool bound;  // serio_raw has the port before
    Stdin stdinIs;
    bool anotherRunHolds;
    int status;
    std::string written;  // into serio1's drvctl
  } rows[] = {
      {"bind with the lock", "bind", false, Stdin::kCallersLock, false, SerioHelper::kDone, "serio_raw"},
      {"bind without it", "bind", false, Stdin::kNothing, false, SerioHelper::kNoLock, ""},
      {"bind with a file of that name", "bind", false, Stdin::kAnotherFile, false, SerioHelper::kNoLock, ""},
      {"bind while another run holds it", "bind", false, Stdin::kCallersLock, true, SerioHelper::kBusy, ""},
      {"restore with the lock", "restore", true, Stdin::kCallersLock, false, SerioHelper::kDone, "atkbd"},
      {"restore of a port no one holds", "restore", true, Stdin::kNothing, false, SerioHelper::kDone,
       "atkbd"},
      {"restore under another run", "restore", true, Stdin::kNothing, true, SerioHelper::kBusy, ""},
      {"restore under another run, given a lock", "restore", true, Stdin::kCallersLock, true,
       SerioHelper::kBusy, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeSerioSystem system;
    SeveralPorts(system);
    std::string error;
    if (row.bound) {
      ASSERT_TRUE(system.WriteDrvctl("serio1", "serio_raw", error)) << error;
    }
    const int lock = PortLock::Open(system.RunFolder(), "serio1", true, error);
    ASSERT_GE(lock, 0) << error;
    const int other = PortLock::Open(system.RunFolder(), "serio1", false, error);
    if (row.anotherRunHolds) {
      ASSERT_TRUE(PortLock::TryLock(other));
    }
    std::filesystem::create_directories(system.Sys() + "/../elsewhere");
    std::ofstream(system.Sys() + "/../elsewhere/serio1.lock");
    const int lookalike = ::open((system.Sys() + "/../elsewhere/serio1.lock").c_str(), O_RDONLY);
    const int stdinFd = row.stdinIs == Stdin::kCallersLock   ? lock
                        : row.stdinIs == Stdin::kAnotherFile ? lookalike
                                                             : -1;

    std::ostringstream out, err;
    EXPECT_EQ(SerioHelper::Run({row.verb}, {system.Sys(), system.RunFolder(), stdinFd}, out, err), row.status)
        << err.str();
    EXPECT_EQ(Drvctl(system, "serio1"), row.written);
    if (row.status == SerioHelper::kBusy) {
      EXPECT_EQ(err.str(), std::string(msg::kPs2PortBusy) + "\n");
    }
    // A lock taken through the caller's descriptor stays with the caller.
    if (row.status == SerioHelper::kDone && row.stdinIs == Stdin::kCallersLock) {
      EXPECT_FALSE(PortLock::TryLock(other));
    }
    for (int fd : {lock, other, lookalike}) ::close(fd);
  }
}

TEST(SerioHelperTest, MakesThePortsLockReadableByAllAndFollowsNoLink) {
  FakeSerioSystem system;
  SeveralPorts(system);
  const mode_t umask = ::umask(077);  // as an administrator's shell may have it
  std::ostringstream out, err;
  const int status = SerioHelper::Run({"restore"}, {system.Sys(), system.RunFolder(), -1}, out, err);
  ::umask(umask);
  EXPECT_EQ(status, SerioHelper::kDone) << err.str();
  struct stat st {};
  ASSERT_EQ(::stat((system.RunFolder() + "/vexa/serio1.lock").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);  // a normal user opens it to lock it

  // A link planted as the lock's folder is refused, and nothing is made
  // where it leads.
  FakeSerioSystem planted;
  SeveralPorts(planted);
  std::filesystem::create_directories(planted.Sys() + "/../elsewhere");
  std::filesystem::create_directory_symlink(planted.Sys() + "/../elsewhere", planted.RunFolder() + "/vexa");
  err.str("");
  EXPECT_EQ(SerioHelper::Run({"restore"}, {planted.Sys(), planted.RunFolder(), -1}, out, err),
            SerioHelper::kFailed);
  EXPECT_NE(err.str().find("not a real folder"), std::string::npos) << err.str();
  EXPECT_TRUE(std::filesystem::is_empty(planted.Sys() + "/../elsewhere"));
}

}  // namespace
}  // namespace vexa
