#include "device/KeyboardConnection.h"

#include <gtest/gtest.h>

#include "EmulatedPlatform.h"
#include "ViolationGuard.h"
#include "base/Messages.h"
#include "device/RealPortGuard.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/VirtualClock.h"

namespace vexa {
namespace {

struct ConnectionRig {
  KeyboardEmulator keyboard{Image{}};
  EmulatedHidBackend hid{keyboard};
  ViolationGuard guard{hid};
  EmulatedPlatform platform{keyboard};
  VirtualClock clock;
  NullProgressSink progress;
  KeyboardConnection connection{DeviceEnvironment{&hid, &platform, &clock, {}, {}}};
  ConnectionRig() { keyboard.SetClock(&clock); }
  TransferResult Write() {
    return connection.WriteIntoKeyboard([](Image&) { return Outcome::Success(); }, progress);
  }
};

// The keyboard is looked for when the port is chosen and again by every
// transfer that has none: one plugged in after start is used by the next
// transfer command, without a restart.
TEST(KeyboardConnectionTest, UsbKeyboardPluggedInAfterStartIsFoundByTheNextTransfer) {
  ConnectionRig rig;
  PortChoice c = rig.connection.ChoosePort(PortKind::kUsb);
  EXPECT_EQ(c.outcome.message, msg::kNoKeyboardConnected);
  EXPECT_FALSE(c.endProgram);
  EXPECT_TRUE(rig.connection.NoKeyboard());
  EXPECT_EQ(rig.connection.PortName(), "USB");
  EXPECT_EQ(static_cast<int>(rig.connection.Kind()), 5);
  EXPECT_EQ(rig.connection.ReadFromKeyboard(rig.progress).outcome.message, msg::kNoKeyboardConnected);
  EXPECT_EQ(rig.Write().outcome.message, msg::kNoKeyboardConnected);
  EXPECT_EQ(rig.hid.Opens(), 0);

  rig.hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw0"));
  TransferResult w = rig.Write();
  EXPECT_TRUE(w.outcome.ok) << w.outcome.message;
  EXPECT_EQ(rig.keyboard.BlocksWritten(), kBlockCount);
  EXPECT_FALSE(rig.connection.NoKeyboard());
  EXPECT_TRUE(rig.connection.ChoosePort(PortKind::kUsb).outcome.ok);  // chosen once per run
  EXPECT_EQ(rig.connection.UsbPort()->DevicePath(), "/dev/hidraw0");
}

// Unplugged after a write and plugged in again at another path, its old path
// taken by a headset: a read within the same connection (vexa-cli's write
// --verify, the editor's next command) finds it at its new path, and nothing
// reaches the headset.
TEST(KeyboardConnectionTest, UsbKeyboardReplugged) {
  for (bool sameBackAtNewPath : {true, false}) {
    SCOPED_TRACE(sameBackAtNewPath ? "back at a new path" : "not back");
    ConnectionRig rig;
    rig.hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw2"));
    ASSERT_TRUE(rig.connection.ChoosePort(PortKind::kUsb).outcome.ok);
    ASSERT_TRUE(rig.Write().outcome.ok);

    rig.hid.Interfaces().clear();
    rig.hid.Add(EmulatedHidBackend::Decoy("/dev/hidraw2", u"USB Headset", 0x0D8C, 0x0014));
    if (sameBackAtNewPath) rig.hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw3"));
    const TransferResult r = rig.connection.ReadFromKeyboard(rig.progress);
    EXPECT_EQ(r.outcome.ok, sameBackAtNewPath) << r.outcome.message;
    EXPECT_EQ(r.image.has_value(), sameBackAtNewPath);
    EXPECT_EQ(rig.connection.UsbPort()->DevicePath(), sameBackAtNewPath ? "/dev/hidraw3" : "/dev/hidraw2");
    if (!sameBackAtNewPath) {
      EXPECT_EQ(r.outcome.message, msg::kNoKeyboardConnected);
      EXPECT_FALSE(r.started);
    }
    EXPECT_EQ(rig.hid.ForeignOpens(), 0);
  }
}

TEST(KeyboardConnectionTest, UsbKeyboardClosedToThisUser) {
  ConnectionRig rig;
  EmulatedHidInterface k = EmulatedHidBackend::KeyboardInterface("/dev/hidraw4");
  k.openError = HidOpenError::kPermissionDenied;
  rig.hid.Add(k);
  EXPECT_EQ(rig.connection.ChoosePort(PortKind::kUsb).outcome.message, msg::kKeyboardNotPermitted);
  EXPECT_EQ(rig.Write().outcome.message, msg::kKeyboardNotPermitted);
}

TEST(KeyboardConnectionTest, UsbKeyboardFound) {
  ConnectionRig rig;
  rig.hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw0"));
  PortChoice c = rig.connection.ChoosePort(PortKind::kUsb);
  EXPECT_TRUE(c.outcome.ok);
  EXPECT_TRUE(c.outcome.message.empty());
  EXPECT_FALSE(rig.connection.NoKeyboard());
  EXPECT_EQ(rig.connection.UsbPort()->DevicePath(), "/dev/hidraw0");
}

TEST(KeyboardConnectionTest, Ps2PortThatCannotBeOpenedEndsTheProgram) {
  ConnectionRig rig;
  rig.platform.direct = false;
  rig.platform.driverPresent = false;
  PortChoice c = rig.connection.ChoosePort(PortKind::kPs2);
  EXPECT_TRUE(c.endProgram);
  EXPECT_EQ(c.outcome.message, msg::kCannotOpenDriver);
  EXPECT_EQ(rig.connection.PortName(), "PS2");
}

TEST(KeyboardConnectionTest, Ps2SystemKindIsCopied) {
  for (bool direct : {true, false}) {
    ConnectionRig rig;
    rig.platform.direct = direct;
    EXPECT_TRUE(rig.connection.ChoosePort(PortKind::kPs2).outcome.ok);
    EXPECT_EQ(rig.connection.SystemKind(), direct ? 1 : 2);
    EXPECT_EQ(static_cast<int>(rig.connection.Kind()), 0);
  }
}

TEST(KeyboardConnectionTest, FailureAfterWriteIsReported) {
  ConnectionRig rig;
  ASSERT_TRUE(rig.connection.ChoosePort(PortKind::kPs2).outcome.ok);
  KeyboardConnection failing{
      DeviceEnvironment{&rig.hid, &rig.platform, &rig.clock, {}, [](const std::string&) {
                          return Outcome::Failure("cannot save");
                        }}};
  ASSERT_TRUE(failing.ChoosePort(PortKind::kPs2).outcome.ok);
  EXPECT_EQ(
      failing.WriteIntoKeyboard([](Image&) { return Outcome::Success(); }, rig.progress).outcome.message,
      "cannot save");
}

TEST(RealPortGuardTest, RealPortsOnlyWhenGrantedAndNotUnderCiOrOptOut) {
  struct Row {
    bool granted;
    const char* ci;
    const char* optOut;
    bool allowed;
  } rows[] = {
      {false, nullptr, nullptr, false}, {true, nullptr, nullptr, true}, {true, "true", nullptr, false},
      {true, "", nullptr, false},       {true, nullptr, "1", false},    {false, "1", "1", false},
  };
  for (const Row& r : rows) EXPECT_EQ(RealPortGuard::Decide(r.granted, r.ci, r.optOut), r.allowed);
  // Nothing in the tests grants access.
  EXPECT_FALSE(RealPortGuard::Allowed());
}

}  // namespace
}  // namespace vexa
