// The i8042 keyboard port is handed to serio_raw for each transfer and always
// given back to atkbd: after a transfer, after a failed one, after a failed
// hand-over, on SIGINT/SIGTERM/SIGHUP, and at the next start after a run that
// was killed. On temporary sysfs trees, with the keyboard emulator behind the
// raw device's node (a pseudo-terminal).
#include "device/linux/SerioRawBinding.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>

#include "FakeSerioSystem.h"
#include "base/Messages.h"
#include "device/KeyboardConnection.h"
#include "device/linux/BoundSerioRawLink.h"
#include "device/linux/ChildProgram.h"
#include "device/linux/LinuxKbioPlatform.h"
#include "device/linux/TerminationWatcher.h"
#include "emulator/VirtualClock.h"
#include "support/PtyKeyboardServer.h"

namespace vexa {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

// Records who held the keyboard port while the progress was shown.
class WatchingProgress : public ProgressSink {
 public:
  explicit WatchingProgress(FakeSerioSystem& system) : m_system(system) {}
  void Begin(std::string_view) override {
    driverDuring = m_system.Driver("serio1");
    stateDuring = m_system.State();
  }
  void Step(int, std::string_view) override {}
  void End() override {}
  std::string driverDuring, stateDuring;

 private:
  FakeSerioSystem& m_system;
};

// A PC with a mouse port and the keyboard port, serio_raw loaded, and the
// emulated keyboard behind every raw device the binding makes.
struct Rig {
  explicit Rig(bool asRoot = true) {
    system().AddPort("serio0", "i8042 AUX port", "psmouse");
    system().AddPort("serio1", "i8042 KBD port", "atkbd");
    system().LoadDriver("serio_raw");
    system().rawNodeTarget = server.NodePath();
    system().root = asRoot;
  }
  FakeSerioSystem& system() { return *m_system; }
  // A start of the program with PS/2 chosen.
  PortChoice Start() {
    connection.reset();
    platform = std::make_unique<LinuxKbioPlatform>("", std::unique_ptr<Ps2System>(new Forwarding(*m_system)));
    connection =
        std::make_unique<KeyboardConnection>(DeviceEnvironment{nullptr, platform.get(), &clock, {}, {}});
    return connection->ChoosePort(PortKind::kPs2);
  }
  TransferResult Write() {
    return connection->WriteIntoKeyboard(
        [](Image& out) {
          out.fill(0x5A);
          return Outcome::Success();
        },
        progress);
  }
  TransferResult Read() { return connection->ReadFromKeyboard(progress); }
  void ExpectGivenBack() {
    EXPECT_EQ(system().Driver("serio1"), "atkbd");
    EXPECT_EQ(system().Driver("serio0"), "psmouse");
    EXPECT_EQ(system().State(), "");
  }

  // Each start gets its own system object over the same tree, as a new
  // process would.
  class Forwarding : public Ps2System {
   public:
    explicit Forwarding(FakeSerioSystem& to) : m_to(to) {}
    std::string SysfsRoot() const override { return m_to.SysfsRoot(); }
    std::string DevRoot() const override { return m_to.DevRoot(); }
    std::string RunFolder() const override { return m_to.RunFolder(); }
    std::string StateFolder() const override { return m_to.StateFolder(); }
    std::string BootId() const override { return m_to.BootId(); }
    bool IsRoot() const override { return m_to.IsRoot(); }
    bool HelperAvailable() const override { return m_to.HelperAvailable(); }
    std::string HelperPath() const override { return m_to.HelperPath(); }
    bool WriteDrvctl(const std::string& p, std::string_view t, std::string& e) override {
      return m_to.WriteDrvctl(p, t, e);
    }
    bool RunHelper(std::string_view verb, int lockFd, std::string& e) override {
      return m_to.RunHelper(verb, lockFd, e);
    }
    std::unique_ptr<PortIo> AcquirePorts(std::string& r) override { return m_to.AcquirePorts(r); }
    std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& p) override {
      return m_to.OpenDriverDevice(p);
    }
    void Sleep(int ms) override { m_to.Sleep(ms); }
    int ReceiveTimeoutMs() const override { return m_to.ReceiveTimeoutMs(); }

   private:
    FakeSerioSystem& m_to;
  };

  KeyboardEmulator keyboard{Image{}};
  PtyKeyboardServer server{keyboard};
  std::unique_ptr<FakeSerioSystem> m_system = std::make_unique<FakeSerioSystem>();
  VirtualClock clock;
  WatchingProgress progress{*m_system};
  std::unique_ptr<LinuxKbioPlatform> platform;
  std::unique_ptr<KeyboardConnection> connection;
};

class HandOverTest : public testing::TestWithParam<bool> {};

TEST_P(HandOverTest, EachTransferTakesThePortAndGivesItBack) {
  const bool asRoot = GetParam();
  Rig rig(asRoot);
  ASSERT_TRUE(rig.Start().outcome.ok);

  const TransferResult written = rig.Write();
  EXPECT_EQ(written.outcome.message, "");
  EXPECT_EQ(rig.progress.driverDuring, "serio_raw");
  EXPECT_NE(rig.progress.stateDuring.find("port=serio1\nrestore=atkbd\n"), std::string::npos);
  rig.ExpectGivenBack();
  rig.server.WithKeyboard([](KeyboardEmulator& k) { EXPECT_EQ(k.Memory()[2047], 0x5A); });

  const TransferResult read = rig.Read();
  EXPECT_TRUE(read.image.has_value()) << read.outcome.message;
  rig.ExpectGivenBack();

  // Only the keyboard's port ever changed hands, once per transfer and back.
  const Writes twice = {
      {"serio1", "serio_raw"}, {"serio1", "atkbd"}, {"serio1", "serio_raw"}, {"serio1", "atkbd"}};
  EXPECT_EQ(rig.system().drvctlWrites, twice);
  if (asRoot)
    EXPECT_TRUE(rig.system().helperVerbs.empty());
  else  // the first hand-over since the boot has the helper make the port's lock (restore asks no one)
    EXPECT_EQ(rig.system().helperVerbs,
              (std::vector<std::string>{"restore", "bind", "restore", "bind", "restore"}));
}

TEST_P(HandOverTest, FailedTransfersGiveThePortBackToo) {
  struct Row {
    const char* name;
    std::function<void(KeyboardFaults&)> fault;
    bool write;
    std::string message;
  } rows[] = {
      {"refused completion", [](KeyboardFaults& f) { f.failWriteBlock = 4, f.failWriteCount = -1; }, true,
       KeyboardTransfer::WriteFailedMessage(4)},
      {"bad checksum", [](KeyboardFaults& f) { f.badChecksumBlock = 9, f.badChecksumCount = -1; }, false,
       msg::FormatMessage(msg::kDataReadError, 9)},
      {"silent keyboard", [](KeyboardFaults& f) { f.absent = true; }, false,
       std::string(msg::kReadNoKeyboard)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig(GetParam());
    rig.server.WithKeyboard([&](KeyboardEmulator& k) { row.fault(k.Faults()); });
    if (rig.keyboard.Faults().absent) rig.system().receiveTimeoutMs = SerioRawLink::kReceiveTimeoutMs;
    ASSERT_TRUE(rig.Start().outcome.ok);
    const TransferResult result = row.write ? rig.Write() : rig.Read();
    EXPECT_EQ(result.outcome.message, row.message);
    if (result.started) {
      EXPECT_EQ(rig.progress.driverDuring, "serio_raw");
    }
    EXPECT_EQ(rig.system().drvctlWrites, (Writes{{"serio1", "serio_raw"}, {"serio1", "atkbd"}}));
    rig.ExpectGivenBack();
  }
}

INSTANTIATE_TEST_SUITE_P(RootAndHelper, HandOverTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "Root" : "Helper";
                         });

TEST(SerioRawBindingTest, AHandOverThatFailsIsUndoneAndExplained) {
  struct Row {
    const char* name;
    std::function<void(Rig&)> arrange;
    std::string cause;
    Writes writes;
  } rows[] = {
      {"administrator's password not given",
       [](Rig& r) {
         r.system().root = false;
         r.system().helperStatus = 126;
       },
       msg::FormatMessage(msg::kPs2BindFailed, "serio1", msg::kPs2NotAuthorised.data()),
       {}},
      {"node never accessible",
       [](Rig& r) { r.system().rawNodeTarget = "/nonexistent/serio_raw"; },
       msg::FormatMessage(msg::kPs2NodeNotAccessible, "DEV/serio_raw0", "No such file or directory"),
       {{"serio1", "serio_raw"}, {"serio1", "atkbd"}}},
      {"serio_raw unloaded since the start",
       [](Rig& r) { std::filesystem::remove(r.system().Sys() + "/bus/serio/drivers/serio_raw"); },
       msg::FormatMessage(msg::kPs2BindFailed, "serio1", "Invalid argument"),
       {{"serio1", "serio_raw"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig;
    ASSERT_TRUE(rig.Start().outcome.ok);
    row.arrange(rig);
    const TransferResult result = rig.Read();
    std::string cause = row.cause;
    if (const auto at = cause.find("DEV"); at != std::string::npos)
      cause.replace(at, 3, rig.system().DevRoot());
    EXPECT_EQ(result.outcome.message, msg::WithCauses(msg::kReadDriverFailed, {cause}));
    EXPECT_FALSE(result.started);
    EXPECT_EQ(rig.system().drvctlWrites, row.writes);
    rig.ExpectGivenBack();
    rig.server.WithKeyboard([](KeyboardEmulator& k) { EXPECT_TRUE(k.HostBytes().empty()); });
  }
}

TEST(SerioRawBindingTest, WaitsForTheNodeBeforeGivingUp) {
  Rig rig;
  rig.system().rawNodeTarget = "/nonexistent/serio_raw";
  ASSERT_TRUE(rig.Start().outcome.ok);
  (void)rig.Read();
  EXPECT_EQ(rig.system().sleeps, BoundSerioRawLink::kNodeWaitMs / BoundSerioRawLink::kNodeRetryMs);
}

TEST(SerioRawBindingTest, APortInUseByAnotherRunIsLeftAlone) {
  Rig rig;
  SerioRawBinding other(rig.system());
  std::string node;
  ASSERT_TRUE(other.Bind(node).ok);

  ASSERT_TRUE(rig.Start().outcome.ok);  // the live run's port is not "recovered"
  EXPECT_EQ(rig.system().Driver("serio1"), "serio_raw");
  const TransferResult result = rig.Read();
  EXPECT_EQ(result.outcome.message,
            msg::WithCauses(msg::kReadDriverFailed, {std::string(msg::kPs2PortBusy)}));
  EXPECT_EQ(rig.system().Driver("serio1"), "serio_raw");

  ASSERT_TRUE(other.Restore().ok);
  rig.ExpectGivenBack();
  EXPECT_TRUE(rig.Read().image.has_value());
}

TEST(SerioRawBindingTest, APortNotGivenBackIsToldAndGivenBackAtTheNextStart) {
  Rig rig;
  ASSERT_TRUE(rig.Start().outcome.ok);
  rig.system().failRestore = true;
  const TransferResult written = rig.Write();
  EXPECT_TRUE(written.outcome.ok);  // the template arrived; the warning is about the keyboard
  EXPECT_EQ(written.outcome.message,
            msg::FormatMessage(msg::kPs2RestoreFailed, "serio1", "Input/output error", "serio1"));
  EXPECT_EQ(rig.system().Driver("serio1"), "serio_raw");
  EXPECT_NE(rig.system().State().find("port=serio1"), std::string::npos);

  // The next start can't give it back either: told, and the program goes on.
  PortChoice again = rig.Start();
  EXPECT_TRUE(again.outcome.ok);
  EXPECT_EQ(again.outcome.message, written.outcome.message);

  rig.system().failRestore = false;
  again = rig.Start();
  EXPECT_EQ(again.outcome.message, "");
  rig.ExpectGivenBack();
}

TEST(SerioRawBindingTest, AKilledRunIsUndoneAtTheNextStart) {
  Rig rig;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SerioRawBinding binding(rig.system());
    std::string node;
    if (!binding.Bind(node).ok) _exit(3);
    raise(SIGKILL);
    _exit(4);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
  EXPECT_EQ(rig.system().Driver("serio1"), "serio_raw");

  const PortChoice start = rig.Start();
  EXPECT_EQ(start.outcome.message, "");
  rig.ExpectGivenBack();
}

TEST(SerioRawBindingTest, AStateLeftFromBeforeARebootIsForgotten) {
  Rig rig;
  std::filesystem::create_directories(std::filesystem::path(rig.system().StateFile()).parent_path());
  std::ofstream(rig.system().StateFile()) << "port=serio1\nrestore=atkbd\npid=99999\n";
  ASSERT_TRUE(rig.Start().outcome.ok);
  EXPECT_TRUE(rig.system().drvctlWrites.empty());  // atkbd has the port already: no reset
  rig.ExpectGivenBack();
}

// Someone else on the same machine: the same ports and /run, a state folder
// of their own.
class OtherUser : public Rig::Forwarding {
 public:
  OtherUser(FakeSerioSystem& to, bool root)
      : Forwarding(to), m_root(root), m_folder(to.StateFolder() + "-other") {}
  bool IsRoot() const override { return m_root; }
  std::string StateFolder() const override { return m_root ? RunFolder() : m_folder; }

 private:
  bool m_root;
  std::string m_folder;
};

TEST(SerioRawBindingTest, OneRunAtATimeHoldsThePortWhoeverStartedIt) {
  struct Row {
    const char* name;
    bool firstRoot, secondRoot;
  } rows[] = {
      {"two users", false, false},
      {"a user, then root", false, true},
      {"root, then a user", true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig;
    OtherUser firstUser(rig.system(), row.firstRoot), secondUser(rig.system(), row.secondRoot);
    SerioRawBinding first(firstUser), second(secondUser);
    std::string node;
    ASSERT_TRUE(first.Bind(node).ok);
    const Writes handedOver = rig.system().drvctlWrites;

    EXPECT_EQ(second.Bind(node).message, msg::kPs2PortBusy);
    EXPECT_EQ(second.RecoverAbandoned().message, "");
    EXPECT_EQ(rig.system().Driver("serio1"), "serio_raw");
    EXPECT_EQ(rig.system().drvctlWrites, handedOver);  // the second never touched the port

    ASSERT_TRUE(first.Restore().ok);
    EXPECT_TRUE(second.Bind(node).ok);  // free again
    ASSERT_TRUE(second.Restore().ok);
    EXPECT_EQ(rig.system().Driver("serio1"), "atkbd");
  }
}

TEST(SerioRawBindingTest, OnlyAStateOfThisBootIsActedOn) {
  const std::string thisBoot = "boot=0b1c2d3e-4f50-4a6b-8c7d-9e0f1a2b3c4d\n";
  struct Row {
    const char* name;
    std::string state;
    bool givenBack;
  } rows[] = {
      {"this boot's", "port=serio1\nrestore=atkbd\npid=7\n" + thisBoot, true},
      {"an earlier boot's", "port=serio1\nrestore=atkbd\npid=7\nboot=11111111-2222-3333-4444-555555555555\n",
       false},
      {"without a boot (an older VEXA's)", "port=serio1\nrestore=atkbd\npid=7\n", false},
      {"longer than a state", "port=serio1\nrestore=atkbd\n" + thisBoot + std::string(4096, '#'), false},
      {"another driver", "port=serio1\nrestore=serio_raw\n" + thisBoot, false},
      {"a path for a port", "port=../../bus/serio/devices/serio1\nrestore=atkbd\n" + thisBoot, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig;
    std::string error;
    ASSERT_TRUE(rig.system().WriteDrvctl("serio1", "serio_raw", error)) << error;  // left bound
    rig.system().drvctlWrites.clear();
    std::filesystem::create_directories(std::filesystem::path(rig.system().StateFile()).parent_path());
    std::ofstream(rig.system().StateFile()) << row.state;

    EXPECT_EQ(rig.Start().outcome.message, "");
    EXPECT_EQ(rig.system().Driver("serio1"), row.givenBack ? "atkbd" : "serio_raw");
    EXPECT_EQ(rig.system().drvctlWrites.size(), row.givenBack ? 1u : 0u);
    EXPECT_EQ(rig.system().State(), "");  // acted on or not, forgotten
  }
}

TEST(SerioRawBindingTest, AStateFileThatIsNotAPlainFileOfOursIsNeitherFollowedNorWritten) {
  namespace fs = std::filesystem;
  struct Row {
    const char* name;
    std::function<void(const fs::path& folder, const fs::path& elsewhere)> plant;
  } rows[] = {
      {"the folder a link",
       [](const fs::path& folder, const fs::path& elsewhere) {
         fs::create_directory_symlink(elsewhere, folder);
       }},
      {"the file a link",
       [](const fs::path& folder, const fs::path& elsewhere) {
         fs::create_directories(folder);
         fs::create_symlink(elsewhere / "ps2-port", folder / "ps2-port");
       }},
      {"the file a hard link",
       [](const fs::path& folder, const fs::path& elsewhere) {
         fs::create_directories(folder);
         fs::create_hard_link(elsewhere / "ps2-port", folder / "ps2-port");
       }},
      {"the file a FIFO",
       [](const fs::path& folder, const fs::path&) {
         fs::create_directories(folder);
         ASSERT_EQ(::mkfifo((folder / "ps2-port").c_str(), 0600), 0);
       }},
      {"the folder writable by all",
       [](const fs::path& folder, const fs::path&) {
         fs::create_directories(folder);
         fs::permissions(folder, fs::perms::all);
       }},
  };
  for (const bool asRoot : {true, false}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(row.name) + (asRoot ? ", root" : ", a user"));
      Rig rig(asRoot);
      const fs::path folder = fs::path(rig.system().StateFile()).parent_path();
      const fs::path elsewhere = rig.system().Sys() + "/../elsewhere";
      fs::create_directories(folder.parent_path());
      fs::create_directories(elsewhere);
      std::ofstream(elsewhere / "ps2-port") << "precious\n";
      row.plant(folder, elsewhere);

      ASSERT_TRUE(rig.Start().outcome.ok);
      const TransferResult result = rig.Read();
      EXPECT_FALSE(result.started);
      EXPECT_NE(
          result.outcome.message.find("the state file " + rig.system().StateFile() + " can't be written ("),
          std::string::npos)
          << result.outcome.message;
      EXPECT_TRUE(rig.system().drvctlWrites.empty());
      std::ifstream kept(elsewhere / "ps2-port");
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "precious\n");
      EXPECT_EQ(fs::directory_iterator(elsewhere)->path().filename(), "ps2-port");
    }
  }
}

// A user's run whose pkexec asks for the password that no one types.
void WaitForever(FakeSerioSystem& system, int readyFd) {
  system.root = false;
  system.beforeHelper = [readyFd](std::string_view verb) {
    if (verb != "bind") return true;
    (void)!write(readyFd, "q", 1);
    std::string output, error;
    int status = 0;
    (void)ChildProgram::Run({"/bin/sleep", "30"}, -1, output, status, error);
    return false;  // pkexec ended before it ran the helper
  };
}

TEST(SerioRawBindingTest, AnEndingSignalDoesNotWaitForAnUnansweredPasswordQuestion) {
  Rig rig(false);
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    {
      const TerminationWatcher watcher;
      WaitForever(rig.system(), ready[1]);
      SerioRawBinding binding(rig.system());
      std::string node;
      (void)binding.Bind(node);
    }  // as when main returns: the watcher is joined, and it ends the program by the signal
    _exit(3);
  }
  close(ready[1]);
  char q = 0;
  ASSERT_EQ(read(ready[0], &q, 1), 1);
  close(ready[0]);
  const auto asked = std::chrono::steady_clock::now();
  kill(child, SIGTERM);
  int status = 0;
  pid_t ended = 0;
  while ((ended = waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() - asked < std::chrono::seconds(10))
    usleep(20000);
  if (ended == 0) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(5));
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  rig.ExpectGivenBack();
}

TEST(SerioRawBindingTest, AClosedPipeIsAWriteErrorThatLeavesThePortToBeGivenBack) {
  Rig rig;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const TerminationWatcher watcher;
    SerioRawBinding binding(rig.system());
    std::string node;
    if (!binding.Bind(node).ok) _exit(3);
    int closed[2];
    if (pipe(closed) != 0) _exit(4);
    close(closed[0]);  // as `vexa-cli ... 2>&1 | head` after head has ended
    const bool epipe = write(closed[1], "progress\n", 9) < 0 && errno == EPIPE;
    _exit(epipe && binding.Restore().ok ? 0 : 5);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  rig.ExpectGivenBack();
}

class SignalTest : public testing::TestWithParam<int> {};

TEST_P(SignalTest, EndingSignalGivesThePortBackAndStillEndsTheProgram) {
  const int signalNumber = GetParam();
  Rig rig;
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const TerminationWatcher watcher;
    SerioRawBinding binding(rig.system());
    std::string node;
    if (!binding.Bind(node).ok) _exit(3);
    (void)!write(ready[1], "b", 1);
    for (;;) pause();
  }
  close(ready[1]);
  char b = 0;
  ASSERT_EQ(read(ready[0], &b, 1), 1);
  close(ready[0]);
  EXPECT_EQ(rig.system().Driver("serio1"), "serio_raw");
  kill(child, signalNumber);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << status;
  rig.ExpectGivenBack();
}

INSTANTIATE_TEST_SUITE_P(IntTermHup, SignalTest, testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param == SIGINT ? "Int" : info.param == SIGTERM ? "Term" : "Hup";
                         });

}  // namespace
}  // namespace vexa
