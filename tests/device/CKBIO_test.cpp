#include "device/CKBIO.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "EmulatedPlatform.h"
#include "base/Messages.h"
#include "device/PortByteLink.h"
#include "emulator/EmulatedController.h"
#include "emulator/KeyboardEmulator.h"

namespace vexa {
namespace {

// Ports whose data reads follow a script, for answers no sound keyboard gives.
class ScriptedPorts : public PortIo {
 public:
  std::uint8_t In(std::uint16_t port) override {
    if (port == ioport::kControllerStatus) return script.empty() ? 0 : 1;
    if (port != ioport::kControllerData || script.empty()) return 0;
    const std::uint8_t b = script.front();
    script.pop_front();
    return b;
  }
  void Out(std::uint16_t port, std::uint8_t value) override {
    if (port == ioport::kControllerData) sent.push_back(value);
  }
  std::deque<std::uint8_t> script;
  std::vector<std::uint8_t> sent;
};

class ScriptedPlatform : public KbioPlatform {
 public:
  DirectAccess AcquireDirectAccess() override { return {&link, {}, {}}; }
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string&) override { return nullptr; }
  ScriptedPorts ports;
  PortByteLink link{ports};
};

void QueueIdentity(std::deque<std::uint8_t>& s, std::uint8_t fifth) {
  s.push_back(0xFA);
  s.push_back(0xD6);
  const std::uint8_t bytes[5] = {0x11, 0x22, 0x33, 0x44, fifth};
  for (std::uint8_t b : bytes) {
    s.push_back(static_cast<std::uint8_t>(0xD0 | (b >> 4)));
    s.push_back(static_cast<std::uint8_t>(0xD0 | (b & 0x0F)));
  }
}

struct DirectRig {
  KeyboardEmulator keyboard{Image{}};
  EmulatedPlatform platform{keyboard};
  CKBIO port{platform};
  DirectRig() { EXPECT_TRUE(port.OpenDriver().ok); }
};

TEST(CKBIOTest, OpenDriverChoosesSystemKind) {
  KeyboardEmulator keyboard{Image{}};
  EmulatedPlatform direct(keyboard);
  CKBIO a(direct);
  EXPECT_TRUE(a.OpenDriver().ok);
  EXPECT_EQ(a.SystemKind(), 1);
  EXPECT_TRUE(direct.openedPath.empty());  // nothing is opened in kind 1

  EmulatedPlatform driver(keyboard);
  driver.direct = false;
  CKBIO b(driver);
  EXPECT_TRUE(b.OpenDriver().ok);
  EXPECT_EQ(b.SystemKind(), 2);
  EXPECT_EQ(driver.openedPath, "/dev/kbport");

  driver.driverPresent = false;
  CKBIO c(driver);
  const Outcome noDriver = c.OpenDriver();
  EXPECT_EQ(noDriver.message, msg::kCannotOpenDriver);
  EXPECT_EQ(noDriver.kind, MessageKind::Stop);  // the program ends after it

  driver.systemKnown = false;
  CKBIO d(driver);
  const Outcome noSystem = d.OpenDriver();
  EXPECT_EQ(noSystem.message, msg::kNoSystemInformation);
  EXPECT_EQ(noSystem.kind, MessageKind::Warning);
}

TEST(CKBIOTest, IdentityValidityDependsOnFifthByte) {
  struct Row {
    std::uint8_t fifth;
    int result;
  } rows[] = {{0x00, 1}, {0x01, 0}, {0xFA, 0}, {0xFB, 1}};
  for (const Row& r : rows) {
    DirectRig rig;
    rig.keyboard.Identity()[5] = r.fifth;
    EXPECT_EQ(rig.port.Identify(), r.result) << int(r.fifth);
  }
}

TEST(CKBIOTest, IdentifyDecodesHighHalfFirst) {
  ScriptedPlatform platform;
  CKBIO port(platform);
  ASSERT_TRUE(port.OpenDriver().ok);
  QueueIdentity(platform.ports.script, 0x55);
  ASSERT_EQ(port.Identify(), 0);
  EXPECT_EQ(port.IdentityBytes(), (std::array<std::uint8_t, 6>{0xD6, 0x11, 0x22, 0x33, 0x44, 0x55}));
}

TEST(CKBIOTest, NoKeyboardGivesUpAfterUnacknowledgedIdentify) {
  DirectRig rig;
  rig.keyboard.Faults().absent = true;
  EXPECT_EQ(rig.port.Identify(), 1);
}

TEST(CKBIOTest, LostAcknowledgementsAreRetried) {
  DirectRig rig;
  rig.keyboard.Faults().lostAcks = 3;
  EXPECT_EQ(rig.port.Identify(), 0);
}

TEST(CKBIOTest, BlockCommandsCarryTheAddress) {
  DirectRig rig;
  rig.keyboard.ClearLogs();
  ASSERT_TRUE(rig.port.ReadBlock(1));
  EXPECT_EQ(rig.keyboard.HostBytes(), (std::vector<std::uint8_t>{0xE9, 0xE6, 0x20, 0x00}));

  rig.keyboard.ClearLogs();
  rig.port.Buffer().fill(0);
  rig.port.Buffer()[0] = 0x3C;
  ASSERT_TRUE(rig.port.WriteBlock(63));
  const auto& sent = rig.keyboard.HostBytes();
  ASSERT_EQ(sent.size(), 1u + 3 + 66);
  EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 6),
            (std::vector<std::uint8_t>{0xE9, 0xE7, 0xE0, 0x07, 0xDC, 0xD3}));
  EXPECT_EQ(sent[68], 0xDC);  // checksum 0x3C, low half first
  EXPECT_EQ(sent[69], 0xD3);
  EXPECT_EQ(rig.keyboard.Memory()[63 * 32], 0x3C);
}

TEST(CKBIOTest, ReadRoundTripAndChecksum) {
  DirectRig rig;
  for (int i = 0; i < 32; ++i)
    rig.keyboard.Memory()[static_cast<size_t>(320 + i)] = static_cast<std::uint8_t>(i * 7 + 3);
  ASSERT_TRUE(rig.port.ReadBlock(10));
  for (int i = 0; i < 32; ++i) EXPECT_EQ(rig.port.Buffer()[static_cast<size_t>(i)], i * 7 + 3);
  rig.keyboard.Faults().badChecksumCount = 1;
  EXPECT_FALSE(rig.port.ReadBlock(10));
}

TEST(CKBIOTest, ReadAnswerCutShortFailsEvenThoughZerosPassTheChecksum) {
  ScriptedPlatform platform;
  CKBIO port(platform);
  ASSERT_TRUE(port.OpenDriver().ok);
  auto& s = platform.ports.script;
  QueueIdentity(s, 0x01);
  s.insert(s.end(), {0xFA, 0xFA, 0xFA});
  for (int i = 0; i < 40; ++i) s.push_back(0xD0);  // then the keyboard falls silent
  EXPECT_FALSE(port.ReadBlock(0));
}

TEST(CKBIOTest, WriteCompletionBytesMustOrToC0) {
  struct Row {
    std::uint8_t c[3];
    bool ok;
  } rows[] = {{{0xC0, 0x00, 0x00}, true},
              {{0x40, 0x80, 0x00}, true},
              {{0xC0, 0x01, 0x00}, false},
              {{0x00, 0x00, 0x00}, false}};
  for (const Row& r : rows) {
    ScriptedPlatform platform;
    CKBIO port(platform);
    ASSERT_TRUE(port.OpenDriver().ok);
    auto& s = platform.ports.script;
    QueueIdentity(s, 0x01);
    for (int i = 0; i < 3 + 66; ++i) s.push_back(0xFA);
    s.insert(s.end(), {r.c[0], r.c[1], r.c[2]});
    EXPECT_EQ(port.WriteBlock(0), r.ok) << int(r.c[0]) << "," << int(r.c[1]);
  }
}

TEST(CKBIOTest, ControllerPollLimits) {
  DirectRig rig;
  const long before = rig.platform.controller.StatusReads();
  EXPECT_FALSE(rig.port.ReadControllerByte().has_value());  // nothing to read
  EXPECT_EQ(rig.platform.controller.StatusReads() - before, PortByteLink::kReadPollLimit);

  rig.platform.controller.SetBusyStatusReads(-1);
  rig.keyboard.ClearLogs();
  EXPECT_FALSE(rig.port.WriteControllerByte(0xE9));
  EXPECT_TRUE(rig.keyboard.HostBytes().empty());  // never written
}

TEST(CKBIOTest, UnmaskingRestoresTheMasksFoundBeforeMasking) {
  KeyboardEmulator keyboard{Image{}};
  EmulatedPlatform platform(keyboard);
  platform.controller.Out(ioport::kPicMask1, 0xB8);
  platform.controller.Out(ioport::kPicMask2, 0x8F);
  CKBIO port(platform);
  ASSERT_TRUE(port.OpenDriver().ok);
  port.MaskInterrupts();
  EXPECT_EQ(platform.controller.Mask1(), 0xBA);  // lines 1, 3, 4 masked, the system's masks kept
  EXPECT_EQ(platform.controller.Mask2(), 0x9F);  // line 12 masked
  port.MaskInterrupts();                         // nested: the saved masks stay the system's
  port.UnmaskInterrupts();
  EXPECT_EQ(platform.controller.Mask1(), 0xB8);
  EXPECT_EQ(platform.controller.Mask2(), 0x8F);
}

struct DriverRig {
  KeyboardEmulator keyboard{Image{}};
  EmulatedPlatform platform{keyboard};
  std::unique_ptr<CKBIO> port;
  DriverRig() {
    platform.direct = false;
    port = std::make_unique<CKBIO>(platform);
    EXPECT_TRUE(port->OpenDriver().ok);
  }
  const DriverRecord& Last() const { return platform.driver->Requests().back(); }
};

TEST(CKBIOTest, DriverRequestRecords) {
  DriverRig rig;
  EXPECT_EQ(rig.port->Identify(), 0);
  EXPECT_EQ(rig.Last().input[33], 2);
  EXPECT_EQ(rig.port->IdentityBytes()[0], 0xD6);

  rig.keyboard.Memory()[7 * 32 + 5] = 0x99;
  ASSERT_TRUE(rig.port->ReadBlock(7));
  EXPECT_EQ(rig.Last().input[32], 7);
  EXPECT_EQ(rig.Last().input[33], 1);
  EXPECT_EQ(rig.port->Buffer()[5], 0x99);

  rig.port->Buffer().fill(0x42);
  ASSERT_TRUE(rig.port->WriteBlock(63));
  EXPECT_EQ(rig.Last().input[0], 0x42);
  EXPECT_EQ(rig.Last().input[31], 0x42);
  EXPECT_EQ(rig.Last().input[32], 63);
  EXPECT_EQ(rig.Last().input[33], 3);
  EXPECT_EQ(rig.keyboard.Memory()[2047], 0x42);

  EXPECT_TRUE(rig.port->EndWrite());
  for (int i = 0; i <= 32; ++i) EXPECT_EQ(rig.Last().input[static_cast<size_t>(i)], 0) << i;
  EXPECT_EQ(rig.Last().input[33], 4);
  EXPECT_EQ(rig.keyboard.EndWrites(), 1);
}

TEST(CKBIOTest, DriverAnswersWithoutBytesOrFailing) {
  DriverRig rig;
  rig.keyboard.Faults().absent = true;
  EXPECT_EQ(rig.port->Identify(), 1);  // the call succeeds with no bytes: no keyboard
  EXPECT_FALSE(rig.port->ReadBlock(0));
  EXPECT_FALSE(rig.port->WriteBlock(0));
  rig.keyboard.Faults().driverFails = true;
  EXPECT_EQ(rig.port->Identify(), 2);
  EXPECT_FALSE(rig.port->EndWrite());
}

}  // namespace
}  // namespace vexa
