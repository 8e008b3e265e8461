// The keyboard's byte protocol over the raw serio node, against the keyboard
// emulator served on a pseudo-terminal: the same protocol cases as over the
// emulated controller ports (one contract, two links), whole transfers with
// their failures and messages, and what the node link itself must get right.
#include "device/linux/SerioRawLink.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "FakeSerioSystem.h"
#include "base/Messages.h"
#include "device/CKBIO.h"
#include "device/KeyboardConnection.h"
#include "device/PortByteLink.h"
#include "device/linux/LinuxKbioPlatform.h"
#include "emulator/EmulatedController.h"
#include "emulator/VirtualClock.h"
#include "support/PtyKeyboardServer.h"

namespace vexa {
namespace {

enum class Link { kControllerPorts, kSerioNode };

// How long the tests' own links wait for a byte that must come (see LinkRig).
constexpr int kPatientMs = 1000;

class OneLinkPlatform : public KbioPlatform {
 public:
  explicit OneLinkPlatform(KeyboardByteLink& link) : m_link(link) {}
  DirectAccess AcquireDirectAccess() override { return {&m_link, {}, {}}; }
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string&) override { return nullptr; }

 private:
  KeyboardByteLink& m_link;
};

// One keyboard behind either link; faults and memory are reached through
// Keyboard(), which waits for the server's thread on the node link. A single
// operation has no retries, so the node link waits longer for each byte than
// the program does, lest a busy test machine fail it; only the silent
// keyboard is waited for as the program waits.
struct LinkRig {
  explicit LinkRig(Link kind, int receiveTimeoutMs = kPatientMs) {
    if (kind == Link::kControllerPorts) {
      link = std::make_unique<PortByteLink>(controller);
    } else {
      server = std::make_unique<PtyKeyboardServer>(keyboard);
      link = std::make_unique<SerioRawLink>(server->NodePath(), receiveTimeoutMs);
    }
    platform = std::make_unique<OneLinkPlatform>(*link);
    port = std::make_unique<CKBIO>(*platform);
    EXPECT_TRUE(port->OpenDriver().ok);
    EXPECT_TRUE(port->Attach().ok);
  }
  ~LinkRig() { (void)port->Detach(); }
  void Keyboard(const std::function<void(KeyboardEmulator&)>& f) {
    if (server)
      server->WithKeyboard(f);
    else
      f(keyboard);
  }

  KeyboardEmulator keyboard{Image{}};
  EmulatedController controller{keyboard};
  std::unique_ptr<PtyKeyboardServer> server;
  std::unique_ptr<KeyboardByteLink> link;
  std::unique_ptr<OneLinkPlatform> platform;
  std::unique_ptr<CKBIO> port;
};

class ByteProtocolTest : public testing::TestWithParam<Link> {};

TEST_P(ByteProtocolTest, IdentifyReadsTheIdentityAnswer) {
  LinkRig rig(GetParam());
  rig.Keyboard([](KeyboardEmulator& k) { k.Identity() = {0xD6, 0x12, 0x34, 0x56, 0x78, 0x9A}; });
  ASSERT_EQ(rig.port->Identify(), CKBIO::kKeyboardFound);
  EXPECT_EQ(rig.port->IdentityBytes(), (std::array<std::uint8_t, 6>{0xD6, 0x12, 0x34, 0x56, 0x78, 0x9A}));
}

TEST_P(ByteProtocolTest, ReadTakesTheWholeSeventyEightByteAnswer) {
  LinkRig rig(GetParam());
  rig.Keyboard([](KeyboardEmulator& k) {
    for (int i = 0; i < 32; ++i)
      k.Memory()[static_cast<size_t>(5 * 32 + i)] = static_cast<std::uint8_t>(i * 9 + 1);
  });
  ASSERT_TRUE(rig.port->ReadBlock(5));
  for (int i = 0; i < 32; ++i)
    EXPECT_EQ(rig.port->Buffer()[static_cast<size_t>(i)], static_cast<std::uint8_t>(i * 9 + 1)) << i;
  // The 12 bytes after the nibbles were taken too: the next exchange starts clean.
  EXPECT_EQ(rig.port->Identify(), CKBIO::kKeyboardFound);
  EXPECT_FALSE(rig.port->ReadControllerByte().has_value());
}

TEST_P(ByteProtocolTest, WriteSendsAddressAndNibblesAndIsConfirmed) {
  LinkRig rig(GetParam());
  rig.Keyboard([](KeyboardEmulator& k) { k.ClearLogs(); });
  rig.port->Buffer().fill(0);
  rig.port->Buffer()[0] = 0x3C;
  ASSERT_TRUE(rig.port->WriteBlock(63));
  rig.Keyboard([](KeyboardEmulator& k) {
    const auto& sent = k.HostBytes();
    ASSERT_EQ(sent.size(), 1u + 3 + 66);
    EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 6),
              (std::vector<std::uint8_t>{0xE9, 0xE7, 0xE0, 0x07, 0xDC, 0xD3}));
    EXPECT_EQ(k.Memory()[63 * 32], 0x3C);
  });
}

TEST_P(ByteProtocolTest, BadChecksumFailsTheRead) {
  LinkRig rig(GetParam());
  rig.Keyboard([](KeyboardEmulator& k) { k.Faults().badChecksumCount = 1; });
  EXPECT_FALSE(rig.port->ReadBlock(2));
  EXPECT_TRUE(rig.port->ReadBlock(2));
}

TEST_P(ByteProtocolTest, RefusedCompletionFailsTheWrite) {
  LinkRig rig(GetParam());
  rig.Keyboard([](KeyboardEmulator& k) { k.Faults().failWriteCount = 1; });
  rig.port->Buffer().fill(0x11);
  EXPECT_FALSE(rig.port->WriteBlock(1));
  EXPECT_TRUE(rig.port->WriteBlock(1));
}

TEST_P(ByteProtocolTest, SilentKeyboardIsNotFound) {
  LinkRig rig(GetParam(), SerioRawLink::kReceiveTimeoutMs);
  rig.Keyboard([](KeyboardEmulator& k) { k.Faults().absent = true; });
  EXPECT_EQ(rig.port->Identify(), CKBIO::kNoKeyboard);
  EXPECT_FALSE(rig.port->ReadControllerByte().has_value());
}

INSTANTIATE_TEST_SUITE_P(BothLinks, ByteProtocolTest,
                         testing::Values(Link::kControllerPorts, Link::kSerioNode),
                         [](const testing::TestParamInfo<Link>& info) {
                           return info.param == Link::kControllerPorts ? "ControllerPorts" : "SerioNode";
                         });

// ---------------------------------------------------------------------------
// Whole transfers through --ps2-device: the node is used as it is, nothing
// else of the system is asked.

struct NodeTransferRig {
  KeyboardEmulator keyboard{Image{}};
  PtyKeyboardServer server{keyboard};
  FakeSerioSystem* system = new FakeSerioSystem;
  LinuxKbioPlatform platform{server.NodePath(), std::unique_ptr<Ps2System>(system)};
  VirtualClock clock;
  NullProgressSink progress;
  KeyboardConnection connection{DeviceEnvironment{nullptr, &platform, &clock, {}, {}}};

  NodeTransferRig() {
    system->AddKeyboardPort();  // there, but --ps2-device leaves it alone
    EXPECT_TRUE(connection.ChoosePort(PortKind::kPs2).outcome.ok);
  }
  TransferResult Write(const Image& image) {
    return connection.WriteIntoKeyboard(
        [&](Image& out) {
          out = image;
          return Outcome::Success();
        },
        progress);
  }
  void ExpectSystemUntouched() const {
    EXPECT_EQ(system->portRequests, 0);
    EXPECT_TRUE(system->drvctlWrites.empty());
    EXPECT_TRUE(system->helperVerbs.empty());
    EXPECT_EQ(system->Driver("serio0"), "atkbd");
  }
};

Image Pattern() {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 131 + 7);
  return image;
}

TEST(SerioNodeTransferTest, WriteThenReadMovesTheWholeImage) {
  NodeTransferRig rig;
  EXPECT_EQ(rig.connection.SystemKind(), 1);
  const TransferResult written = rig.Write(Pattern());
  EXPECT_TRUE(written.outcome.ok) << written.outcome.message;
  rig.server.WithKeyboard([](KeyboardEmulator& k) {
    EXPECT_TRUE(k.Memory() == Pattern());
    EXPECT_EQ(k.EndWrites(), 1);
  });
  const TransferResult read = rig.connection.ReadFromKeyboard(rig.progress);
  ASSERT_TRUE(read.image.has_value()) << read.outcome.message;
  EXPECT_TRUE(*read.image == Pattern());
  // 64 blocks of 200 ms each way at least, as over the controller ports.
  EXPECT_GE(rig.clock.ElapsedMs(), 2 * 64 * 200);
  rig.ExpectSystemUntouched();
}

TEST(SerioNodeTransferTest, RefusedBlocksAreSentAgain) {
  NodeTransferRig rig;
  rig.server.WithKeyboard(
      [](KeyboardEmulator& k) { k.Faults().failWriteBlock = 3, k.Faults().failWriteCount = 4; });
  EXPECT_EQ(rig.Write(Pattern()).outcome.message, "");
  rig.server.WithKeyboard([](KeyboardEmulator& k) { EXPECT_TRUE(k.Memory() == Pattern()); });
  rig.ExpectSystemUntouched();
}

TEST(SerioNodeTransferTest, DetectNamesTheNode) {
  NodeTransferRig rig;
  EXPECT_TRUE(rig.connection.DetectPs2().ok);
  EXPECT_EQ(rig.connection.DriverPort()->Where(), rig.server.NodePath());
}

TEST(SerioNodeTransferTest, MissingNodeIsToldAtStart) {
  FakeSerioSystem* system = new FakeSerioSystem;
  LinuxKbioPlatform platform{"/nonexistent/serio_raw7", std::unique_ptr<Ps2System>(system)};
  CKBIO port(platform);
  EXPECT_EQ(port.OpenDriver().message,
            std::string(msg::kCannotOpenDriver) + "\n" +
                msg::FormatMessage(msg::kPs2DeviceCannotOpen, "/nonexistent/serio_raw7",
                                   "No such file or directory"));
  EXPECT_EQ(system->portRequests, 0);
}

// ---------------------------------------------------------------------------
// The node link itself

TEST(SerioRawLinkTest, BytesWaitingBeforeTheTransferAreDiscarded) {
  KeyboardEmulator keyboard{Image{}};
  PtyKeyboardServer server(keyboard);
  server.Inject("\x1c\xf0\x1c");  // a key typed while the port was handed over
  ASSERT_TRUE(server.NodeReadable(1000));
  SerioRawLink link(server.NodePath(), kPatientMs);
  ASSERT_TRUE(link.Attach().ok);
  EXPECT_FALSE(link.ReceiveByte().has_value());
  ASSERT_TRUE(link.SendByte(0xE9));
  EXPECT_EQ(link.ReceiveByte(), 0xFA);
  EXPECT_EQ(link.ReceiveByte(), 0xD6);
}

TEST(SerioRawLinkTest, AnAnswerThatCameTooLateIsNotTakenForTheNext) {
  KeyboardEmulator keyboard{Image{}};
  PtyKeyboardServer server(keyboard);
  SerioRawLink link(server.NodePath(), kPatientMs);
  ASSERT_TRUE(link.Attach().ok);
  server.Inject("\xfa");  // the acknowledgement of a byte whose wait had ended
  ASSERT_TRUE(server.NodeReadable(1000));
  ASSERT_TRUE(link.SendByte(0xE9));
  EXPECT_EQ(link.ReceiveByte(), 0xFA);
  EXPECT_EQ(link.ReceiveByte(), 0xD6);  // not the late 0xFA shifting the answer by one
}

TEST(SerioRawLinkTest, AnswersLongerThanTheKernelRingArriveWhole) {
  KeyboardEmulator keyboard{Image{}};
  PtyKeyboardServer server(keyboard);
  SerioRawLink link(server.NodePath(), kPatientMs);
  ASSERT_TRUE(link.Attach().ok);
  std::string burst;
  for (int i = 0; i < 600; ++i) burst.push_back(static_cast<char>(i * 7));
  server.Inject(burst);
  for (int i = 0; i < 600; ++i) ASSERT_EQ(link.ReceiveByte(), static_cast<std::uint8_t>(i * 7)) << i;
  EXPECT_FALSE(link.ReceiveByte().has_value());
}

TEST(SerioRawLinkTest, TerminalPassesEveryByteUnchangedAndGetsItsModeBack) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const std::string node = ::ptsname(master);
  const int keep =
      ::open(node.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);  // a terminal in its usual cooked mode
  ASSERT_GE(keep, 0);

  SerioRawLink link(node, kPatientMs);
  ASSERT_TRUE(link.Attach().ok);
  // Bytes a line discipline would hold back (no line feed), turn into a
  // signal (0x03) or a flow stop (0x13), or rewrite (0x0D).
  const std::uint8_t in[] = {0x0D, 0x03, 0x13, 0x00, 0xFA};
  ASSERT_EQ(::write(master, in, sizeof in), static_cast<ssize_t>(sizeof in));
  for (std::uint8_t b : in) EXPECT_EQ(link.ReceiveByte(), b);
  ASSERT_TRUE(link.SendByte(0x0A));
  pollfd p{master, POLLIN, 0};
  ASSERT_EQ(::poll(&p, 1, 1000), 1);
  std::uint8_t out[4] = {};
  EXPECT_EQ(::read(master, out, sizeof out), 1);  // no carriage return added
  EXPECT_EQ(out[0], 0x0A);
  (void)link.Detach();

  termios after{};
  ASSERT_EQ(::tcgetattr(keep, &after), 0);
  EXPECT_TRUE(after.c_lflag & ICANON);
  ::close(keep);
  ::close(master);
}

TEST(SerioRawLinkTest, NothingMovesWhileDetached) {
  KeyboardEmulator keyboard{Image{}};
  PtyKeyboardServer server(keyboard);
  SerioRawLink link(server.NodePath(), kPatientMs);
  EXPECT_FALSE(link.SendByte(0xE9));
  EXPECT_FALSE(link.ReceiveByte().has_value());
  ASSERT_TRUE(link.Attach().ok);
  ASSERT_TRUE(link.Detach().ok);
  EXPECT_FALSE(link.SendByte(0xE9));
  server.WithKeyboard([](KeyboardEmulator& k) { EXPECT_TRUE(k.HostBytes().empty()); });
}

}  // namespace
}  // namespace vexa
