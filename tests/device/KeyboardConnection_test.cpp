#include "device/KeyboardConnection.h"

#include <gtest/gtest.h>

#include "EmulatedPlatform.h"
#include "base/Messages.h"
#include "device/EmulatedHidBackend.h"
#include "device/RealPortGuard.h"
#include "device/VirtualClock.h"

namespace vexa {
namespace {

struct ConnectionRig {
  KeyboardEmulator keyboard{Image{}};
  EmulatedHidBackend hid{keyboard};
  EmulatedPlatform platform{keyboard};
  VirtualClock clock;
  NullProgressSink progress;
  KeyboardConnection connection{DeviceEnvironment{&hid, &platform, &clock, {}, {}}};
  TransferResult Write() {
    return connection.WriteIntoKeyboard([](Image&) { return Outcome::Success(); }, progress);
  }
};

TEST(KeyboardConnectionTest, UsbDetectionAtChoiceOnly) {
  ConnectionRig rig;
  PortChoice c = rig.connection.ChoosePort(PortKind::kUsb);
  EXPECT_EQ(c.outcome.message, msg::kNoKeyboardConnected);
  EXPECT_FALSE(c.endProgram);
  EXPECT_TRUE(rig.connection.NoKeyboard());
  EXPECT_EQ(rig.connection.PortName(), "USB");
  EXPECT_EQ(static_cast<int>(rig.connection.Kind()), 5);

  // Plugged in later: not used until the next run, and not searched for again.
  rig.hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw0"));
  const int opens = rig.hid.Opens();
  EXPECT_EQ(rig.connection.ReadFromKeyboard(rig.progress).outcome.message, msg::kNoKeyboardConnected);
  EXPECT_EQ(rig.Write().outcome.message, msg::kNoKeyboardConnected);
  EXPECT_EQ(rig.hid.Opens(), opens);
  EXPECT_TRUE(rig.connection.ChoosePort(PortKind::kUsb).outcome.ok);  // chosen once per run
  EXPECT_TRUE(rig.connection.NoKeyboard());
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
  KeyboardConnection failing{DeviceEnvironment{
      &rig.hid, &rig.platform, &rig.clock, {}, [] { return Outcome::Failure("cannot save"); }}};
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
