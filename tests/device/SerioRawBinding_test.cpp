// The i8042 keyboard port is handed to serio_raw for each transfer and always
// given back to atkbd: after a transfer, after a failed one, after a failed
// hand-over, on SIGINT/SIGTERM/SIGHUP, and at the next start after a run that
// was killed. On temporary sysfs trees, with the keyboard emulator behind the
// raw device's node (a pseudo-terminal).
#include "device/linux/SerioRawBinding.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "FakeSerioSystem.h"
#include "base/Messages.h"
#include "device/KeyboardConnection.h"
#include "device/linux/BoundSerioRawLink.h"
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
    std::string StateFile() const override { return m_to.StateFile(); }
    bool IsRoot() const override { return m_to.IsRoot(); }
    bool HelperAvailable() const override { return m_to.HelperAvailable(); }
    std::string HelperPath() const override { return m_to.HelperPath(); }
    bool WriteDrvctl(const std::string& p, std::string_view t, std::string& e) override {
      return m_to.WriteDrvctl(p, t, e);
    }
    bool RunHelper(std::string_view verb, std::string& e) override { return m_to.RunHelper(verb, e); }
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
  else
    EXPECT_EQ(rig.system().helperVerbs, (std::vector<std::string>{"bind", "restore", "bind", "restore"}));
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
