// The real system's running of the privileged helper, with a stand-in for
// pkexec (a shell script): what it is given, what a fresh program must get
// back (signals unblocked), and how its endings read to the user. The real
// pkexec is never run.
#include "device/linux/LinuxPs2System.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Messages.h"
#include "device/linux/Ps2StateFile.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

struct FakePkexec {
  FakePkexec() {
    std::string pattern = (fs::temp_directory_path() / "vexa-pkexec-XXXXXX").string();
    dir = ::mkdtemp(pattern.data());
    // Records its arguments and its blocked signals, prints what it is told
    // and ends with the status it is told.
    std::ofstream(dir + "/pkexec") << "#!/bin/sh\n"
                                      "echo \"$@\" > \""
                                   << dir
                                   << "/args\"\n"
                                      "grep SigBlk /proc/self/status > \""
                                   << dir
                                   << "/mask\"\n"
                                      "printf \"$FAKE_PKEXEC_OUTPUT\"\n"
                                      "exit $FAKE_PKEXEC_STATUS\n";
    fs::permissions(dir + "/pkexec", fs::perms::owner_all);
    std::ofstream(dir + "/helper") << "#!/bin/sh\n";
    fs::permissions(dir + "/helper", fs::perms::owner_all);
  }
  ~FakePkexec() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  [[nodiscard]] std::string Read(const std::string& name) const {
    std::ifstream in(dir + "/" + name);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string dir;
};

TEST(LinuxPs2SystemTest, HelperEndingsReadAsTheUserNeedsThem) {
  struct Row {
    const char* output;
    const char* status;
    bool done;
    std::string error;
  } rows[] = {
      {"serio0\\n", "0", true, ""},
      {"", "126", false, std::string(msg::kPs2NotAuthorised)},
      {"Error executing command as another user: Not authorized\\n", "127", false,
       std::string(msg::kPs2NotAuthorised) + " (Error executing command as another user: Not authorized)"},
      {"the serio_raw module is not loaded\\n", "1", false, "the serio_raw module is not loaded"},
      {"", "1", false, msg::FormatMessage(msg::kPs2HelperFailed, 1)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.status);
    FakePkexec fake;
    LinuxPs2System system({fake.dir + "/pkexec", fake.dir + "/helper"});
    ::setenv("FAKE_PKEXEC_OUTPUT", row.output, 1);
    ::setenv("FAKE_PKEXEC_STATUS", row.status, 1);
    std::string error;
    EXPECT_EQ(system.RunHelper("bind", -1, error), row.done);
    EXPECT_EQ(error, row.error);
    EXPECT_EQ(fake.Read("args"), fake.dir + "/helper bind\n");
  }
  ::unsetenv("FAKE_PKEXEC_OUTPUT");
  ::unsetenv("FAKE_PKEXEC_STATUS");
}

TEST(LinuxPs2SystemTest, HelperStartsWithNoSignalBlocked) {
  FakePkexec fake;
  LinuxPs2System system({fake.dir + "/pkexec", fake.dir + "/helper"});
  ::setenv("FAKE_PKEXEC_STATUS", "0", 1);
  // As in the programs, whose threads block these for the termination watcher.
  sigset_t blocked, before;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGTERM);
  sigaddset(&blocked, SIGINT);
  pthread_sigmask(SIG_BLOCK, &blocked, &before);
  std::string error;
  const bool done = system.RunHelper("restore", -1, error);
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  ::unsetenv("FAKE_PKEXEC_STATUS");
  EXPECT_TRUE(done) << error;
  EXPECT_EQ(fake.Read("mask"), "SigBlk:\t0000000000000000\n");
}

TEST(LinuxPs2SystemTest, HelperIsAvailableOnlyWithBothPrograms) {
  FakePkexec fake;
  EXPECT_TRUE(LinuxPs2System({fake.dir + "/pkexec", fake.dir + "/helper"}).HelperAvailable());
  EXPECT_FALSE(LinuxPs2System({fake.dir + "/none", fake.dir + "/helper"}).HelperAvailable());
  EXPECT_FALSE(LinuxPs2System({fake.dir + "/pkexec", fake.dir + "/none"}).HelperAvailable());
}

TEST(LinuxPs2SystemTest, StateFileFollowsXdg) {
  EXPECT_EQ(LinuxPs2System::StateFileFor("/x/state", "/home/u"), "/x/state/vexa/ps2-port");
  EXPECT_EQ(LinuxPs2System::StateFileFor("relative", "/home/u"), "/home/u/.local/state/vexa/ps2-port");
  EXPECT_EQ(LinuxPs2System::StateFileFor(nullptr, "/home/u"), "/home/u/.local/state/vexa/ps2-port");
  EXPECT_EQ(LinuxPs2System::StateFileFor(nullptr, nullptr), "");
}

// sudo -E keeps the user's HOME and XDG_STATE_HOME: root must not write
// where the user may plant links.
TEST(LinuxPs2SystemTest, RootKeepsItsStateUnderRunWhateverTheEnvironmentSays) {
  EXPECT_EQ(LinuxPs2System::StateFileFor("/home/u/.local/state", "/home/u", true), "/run/vexa/ps2-port");
  EXPECT_EQ(LinuxPs2System::StateFileFor(nullptr, nullptr, true), "/run/vexa/ps2-port");
  // The boot a state belongs to: this machine's boot id, read as the kernel gives it.
  EXPECT_TRUE(Ps2StateFile::IsBootId(LinuxPs2System().BootId())) << LinuxPs2System().BootId();
  if (::geteuid() != 0) GTEST_SKIP() << "the programs' own choice is seen as root only";
  ::setenv("XDG_STATE_HOME", "/home/u/.local/state", 1);
  const LinuxPs2System system;
  ::unsetenv("XDG_STATE_HOME");
  EXPECT_EQ(system.StateFile(), "/run/vexa/ps2-port");
  EXPECT_EQ(system.RunFolder(), "/run");
}

}  // namespace
}  // namespace vexa
