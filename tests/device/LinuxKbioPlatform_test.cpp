// Which way the PS/2 port goes on Linux, decided on temporary sysfs trees:
// the serio_raw device of the i8042 keyboard port whenever the kernel has
// one, the I/O ports only where no kernel driver owns the controller and
// nothing forbids them, and otherwise "Can't open the KB driver" with one
// line per cause.
#include "device/linux/LinuxKbioPlatform.h"

#include <gtest/gtest.h>

#include <functional>

#include "FakeSerioSystem.h"
#include "base/Messages.h"
#include "device/CKBIO.h"
#include "emulator/EmulatedController.h"

namespace vexa {
namespace {

enum class Way { kSerioRaw, kControllerPorts, kNone };

struct Case {
  const char* name;
  std::function<void(FakeSerioSystem&)> arrange;
  Way way;
  std::vector<std::string> causes;
  int portRequests;
};

std::string NotRoot() {
  return msg::FormatMessage(msg::kPs2NotRootNoHelper, "/usr/libexec/vexa/vexa-serio-helper");
}

TEST(LinuxKbioPlatformTest, ChoosesTheWayAndNamesEveryCause) {
  KeyboardEmulator keyboard{Image{}};
  EmulatedController controller{keyboard};
  const Case cases[] = {
      {"keyboard port, root",
       [](FakeSerioSystem& s) {
         s.AddKeyboardPort();
         s.LoadDriver("serio_raw");
       },
       Way::kSerioRaw,
       {},
       0},
      {"keyboard port, user with the helper",
       [](FakeSerioSystem& s) {
         s.AddKeyboardPort();
         s.LoadDriver("serio_raw");
         s.root = false;
       },
       Way::kSerioRaw,
       {},
       0},
      {"keyboard port, ports would be granted: still serio_raw",
       [&](FakeSerioSystem& s) {
         s.AddKeyboardPort();
         s.LoadDriver("serio_raw");
         s.grantedPorts = &controller;
       },
       Way::kSerioRaw,
       {},
       0},
      {"serio_raw not loaded",
       [&](FakeSerioSystem& s) {
         s.AddKeyboardPort();
         s.grantedPorts = &controller;
       },
       Way::kNone,
       {std::string(msg::kPs2NoSerioRaw)},
       0},
      {"user without the helper",
       [](FakeSerioSystem& s) {
         s.AddKeyboardPort();
         s.LoadDriver("serio_raw");
         s.root = false;
         s.helperInstalled = false;
       },
       Way::kNone,
       {NotRoot()},
       0},
      {"both at once",
       [](FakeSerioSystem& s) {
         s.AddKeyboardPort();
         s.root = false;
         s.helperInstalled = false;
       },
       Way::kNone,
       {std::string(msg::kPs2NoSerioRaw), NotRoot()},
       0},
      {"no keyboard port, ports granted",
       [&](FakeSerioSystem& s) {
         s.AddPort("serio0", "i8042 AUX port", "psmouse");
         s.SetLockdown("[none] integrity confidentiality");
         s.grantedPorts = &controller;
       },
       Way::kControllerPorts,
       {},
       1},
      {"no keyboard port, locked down",
       [&](FakeSerioSystem& s) {
         s.SetLockdown("none [integrity] confidentiality");
         s.grantedPorts = &controller;
       },
       Way::kNone,
       {std::string(msg::kPs2NoKeyboardPort), std::string(msg::kPs2LockedDown)},
       0},
      {"no keyboard port, ports refused",
       [](FakeSerioSystem& s) { s.portRefusal = std::string(msg::kPs2PortsRefused); },
       Way::kNone,
       {std::string(msg::kPs2NoKeyboardPort), std::string(msg::kPs2PortsRefused)},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* system = new FakeSerioSystem;
    c.arrange(*system);
    LinuxKbioPlatform platform("", std::unique_ptr<Ps2System>(system));
    CKBIO port(platform);
    const Outcome opened = port.OpenDriver();
    EXPECT_EQ(system->portRequests, c.portRequests);
    switch (c.way) {
      case Way::kSerioRaw:
        EXPECT_EQ(opened.message, "");
        EXPECT_EQ(port.SystemKind(), 1);
        EXPECT_EQ(port.Where(), "i8042 KBD port");
        break;
      case Way::kControllerPorts:
        EXPECT_EQ(opened.message, "");
        EXPECT_EQ(port.SystemKind(), 1);
        EXPECT_EQ(port.Where(), "PS/2 keyboard controller");
        break;
      case Way::kNone:
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.message, msg::WithCauses(msg::kCannotOpenDriver, c.causes));
        break;
    }
    // Opening the port binds nothing: that waits for a transfer.
    EXPECT_TRUE(system->drvctlWrites.empty());
    EXPECT_TRUE(system->helperVerbs.empty());
  }
}

TEST(LinuxKbioPlatformTest, GrantedControllerPortsCarryTheProtocolAndTheMasking) {
  KeyboardEmulator keyboard{Image{}};
  EmulatedController controller{keyboard};
  auto* system = new FakeSerioSystem;
  system->grantedPorts = &controller;
  LinuxKbioPlatform platform("", std::unique_ptr<Ps2System>(system));
  CKBIO port(platform);
  ASSERT_TRUE(port.OpenDriver().ok);
  port.MaskInterrupts();
  EXPECT_EQ(controller.Mask1() & 0x1A, 0x1A);
  port.UnmaskInterrupts();
  EXPECT_EQ(port.Identify(), CKBIO::kKeyboardFound);
}

}  // namespace
}  // namespace vexa
