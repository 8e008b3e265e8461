#include "device/CUSBport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ViolationGuard.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/KeyboardEmulator.h"
#include "emulator/VirtualClock.h"

namespace vexa {
namespace {

struct UsbRig {
  KeyboardEmulator keyboard{Image{}};
  EmulatedHidBackend hid{keyboard};
  ViolationGuard guard{hid};
  VirtualClock clock;
  std::vector<std::string> lines;
  CUSBport port{hid, clock, [this](std::string_view l) { lines.emplace_back(l); }};

  UsbRig() {
    keyboard.SetClock(&clock);
    port.SetExpectedProduct("PX2400U");
    port.SetVendorId(0x0FA8);
    port.SetProductId(0xC280);
  }
  void AddKeyboard(std::string path = "/dev/hidraw3") {
    hid.Add(EmulatedHidBackend::KeyboardInterface(path));
  }
  void AddDecoys(int n) {
    for (int i = 0; i < n; ++i)
      hid.Add(EmulatedHidBackend::Decoy("/dev/hidraw-decoy" + std::to_string(i), u"Mouse", 0x046D, 0xC077));
  }
  // Something else than the keyboard, listed under the keyboard's vendor and
  // product id by the system (a stale record, or another product of the maker).
  void AddImpostor(std::string path) {
    EmulatedHidInterface i = EmulatedHidBackend::Decoy(std::move(path), u"PX2400U", 0x0FA8, 0xC280);
    i.product = u"Mouse";
    i.attributes = {0x046D, 0xC077, 0x0100};
    hid.Add(i);
  }
};

TEST(CUSBportTest, CommandReportCarriesBlockAddressLittleEndian) {
  EXPECT_EQ(CUSBport::CommandReport(0xE6, 0), (FeatureReport{0, 0xE6, 0x00, 0x00, 0, 0, 0, 0, 0}));
  EXPECT_EQ(CUSBport::CommandReport(0xE7, 63), (FeatureReport{0, 0xE7, 0xE0, 0x07, 0, 0, 0, 0, 0}));
  EXPECT_EQ(CUSBport::CommandReport(0xE6, 9), (FeatureReport{0, 0xE6, 0x20, 0x01, 0, 0, 0, 0, 0}));
}

TEST(CUSBportTest, NarrowKeepsLowBytesUpToTerminatorAndAtMost51Characters) {
  EXPECT_EQ(CUSBport::Narrow(u"PX2400U"), "PX2400U");
  EXPECT_EQ(CUSBport::Narrow(std::u16string(u"AB\0CD", 5)), "AB");
  EXPECT_EQ(CUSBport::Narrow(u"\u0141X"), "AX");  // U+0141: low byte 0x41
  EXPECT_EQ(CUSBport::Narrow(std::u16string(80, u'x')).size(), 51u);
}

TEST(CUSBportTest, IdentityCheck) {
  struct Row {
    std::u16string product;
    std::uint16_t vendor, productId, version;
    bool accepted;
  } rows[] = {
      {u"PX2400U", 0x0FA8, 0xC280, 0x0100, true},
      {u"PX2400U Keyboard", 0x0FA8, 0xC280, 0x0100, true},  // longer product string passes
      {u"PX2400U", 0x0FA8, 0xC280, 0x9999, true},           // version plays no part
      {u"PX240", 0x0FA8, 0xC280, 0x0100, false},            // shorter fails
      {u"PX2400X", 0x0FA8, 0xC280, 0x0100, false},
      {u"PX2400U", 0x0FA9, 0xC280, 0x0100, false},
      {u"PX2400U", 0x0FA8, 0xC281, 0x0100, false},
  };
  for (const Row& r : rows) {
    UsbRig rig;
    EmulatedHidInterface i = EmulatedHidBackend::Decoy("/dev/hidraw0", r.product, r.vendor, r.productId);
    i.attributes.version = r.version;
    rig.hid.Add(i);
    EXPECT_EQ(rig.port.DetectHIDDevice(), r.accepted) << std::string(r.product.begin(), r.product.end());
  }
}

TEST(CUSBportTest, UnreadableAttributesRejectTheInterface) {
  UsbRig rig;
  EmulatedHidInterface k = EmulatedHidBackend::KeyboardInterface("/dev/hidraw0");
  k.attributesReadable = false;
  rig.hid.Add(k);
  EXPECT_FALSE(rig.port.DetectHIDDevice());
}

// Detection asks the system once for the keyboard's vendor and product id and
// opens only what that list holds: however many other HID devices there are,
// and wherever the keyboard stands among them, none of them is opened.
TEST(CUSBportTest, DetectionOpensOnlyTheKeyboardsCandidates) {
  for (int decoys : {0, 1, 19, 20, 40}) {
    SCOPED_TRACE(decoys);
    UsbRig rig;
    rig.AddDecoys(decoys / 2);
    EmulatedHidInterface gone = EmulatedHidBackend::Decoy("/dev/hidraw1", u"PX2400U", 0x0FA8, 0xC280);
    gone.openError = HidOpenError::kOther;  // a candidate that vanished since the list was made
    rig.hid.Add(gone);
    rig.AddDecoys(decoys - decoys / 2);
    for (auto& d : rig.hid.Interfaces())
      if (d.info.vendorId != 0x0FA8) d.openError = HidOpenError::kPermissionDenied;
    rig.AddKeyboard("/dev/hidraw9");
    ASSERT_TRUE(rig.port.DetectHIDDevice());
    EXPECT_EQ(rig.port.DevicePath(), "/dev/hidraw9");
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_FALSE(rig.port.KeyboardNotPermitted());
    EXPECT_EQ(rig.hid.Enumerations(), 1);
    EXPECT_EQ(rig.hid.Opens(), 2);  // the vanished candidate and the keyboard
    EXPECT_EQ(rig.hid.ForeignOpens(), 1);
  }
}

TEST(CUSBportTest, DetectionWithoutKeyboardOpensNothing) {
  UsbRig rig;
  rig.AddDecoys(25);
  EXPECT_FALSE(rig.port.DetectHIDDevice());
  EXPECT_EQ(rig.hid.Enumerations(), 1);
  EXPECT_EQ(rig.hid.Opens(), 0);
  EXPECT_TRUE(rig.port.DevicePath().empty());
}

// An impostor listed under the keyboard's identity is opened to check it, but
// nothing is sent to it or asked of it (the guard would fail the test).
TEST(CUSBportTest, DetectionChecksTheOpenDeviceNotJustItsRecord) {
  UsbRig rig;
  rig.AddImpostor("/dev/hidraw0");
  EXPECT_FALSE(rig.port.DetectHIDDevice());
  rig.AddKeyboard("/dev/hidraw5");
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  EXPECT_EQ(rig.port.DevicePath(), "/dev/hidraw5");
}

TEST(CUSBportTest, FindKeyboardsListsEveryConnectedKeyboard) {
  UsbRig rig;
  rig.AddDecoys(3);
  rig.AddKeyboard("/dev/hidraw4");
  rig.AddImpostor("/dev/hidraw5");
  rig.AddKeyboard("/dev/hidraw7");
  rig.hid.Interfaces()[3].info.serialNumber = u"A0001";
  rig.hid.Interfaces()[5].product = u"PX2400U rev B";
  const std::vector<KeyboardDevice> found = rig.port.FindKeyboards();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].path, "/dev/hidraw4");
  EXPECT_EQ(found[0].product, "PX2400U");
  EXPECT_EQ(found[0].serialNumber, "A0001");
  EXPECT_EQ(found[1].path, "/dev/hidraw7");
  EXPECT_EQ(found[1].product, "PX2400U rev B");
  EXPECT_EQ(found[1].serialNumber, "");
  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_EQ(rig.hid.Enumerations(), 1);
}

TEST(CUSBportTest, DetectionWithoutDeviceListFindsNothing) {
  UsbRig rig;
  rig.AddKeyboard();
  rig.hid.SetEnumerationFails(true);
  EXPECT_FALSE(rig.port.DetectHIDDevice());
  EXPECT_EQ(rig.hid.Opens(), 0);
}

TEST(CUSBportTest, KeyboardClosedToThisUserIsReportedAsNotPermitted) {
  UsbRig rig;
  rig.AddDecoys(1);
  rig.hid.Interfaces()[0].openError = HidOpenError::kPermissionDenied;  // a decoy: no reason to report
  rig.AddKeyboard();
  rig.hid.Interfaces()[1].openError = HidOpenError::kPermissionDenied;
  EXPECT_FALSE(rig.port.DetectHIDDevice());
  EXPECT_TRUE(rig.port.KeyboardNotPermitted());
  EXPECT_FALSE(rig.port.OpenDevice());
  EXPECT_TRUE(rig.port.KeyboardNotPermitted());

  UsbRig other;
  other.AddDecoys(1);
  other.hid.Interfaces()[0].openError = HidOpenError::kPermissionDenied;
  EXPECT_FALSE(other.port.DetectHIDDevice());
  EXPECT_FALSE(other.port.KeyboardNotPermitted());
}

// Every open for a transfer checks the identity of what answers at the path
// before any report, and looks for the keyboard again when the path no longer
// holds it. Each row is what became of the system after detection.
TEST(CUSBportTest, OpenChecksTheIdentityAndFindsAMovedKeyboardAgain) {
  enum class After { kNothing, kForeignAtSamePath, kImpostorAtSamePath, kMovedPath, kMovedAndForeign, kGone };
  struct Row {
    const char* name;
    After after;
    bool bound;
    bool opens;
    const char* path;  // the kept path afterwards
    int foreignOpens;
  } rows[] = {
      {"unchanged", After::kNothing, false, true, "/dev/hidraw3", 0},
      {"foreign device at the kept path", After::kForeignAtSamePath, false, false, "/dev/hidraw3", 0},
      {"stale record at the kept path", After::kImpostorAtSamePath, false, false, "/dev/hidraw3", 1},
      {"replugged at a new path", After::kMovedPath, false, true, "/dev/hidraw6", 0},
      {"new path, the old one foreign", After::kMovedAndForeign, false, true, "/dev/hidraw6", 0},
      {"unplugged", After::kGone, false, false, "/dev/hidraw3", 0},
      {"bound, replugged at a new path", After::kMovedPath, true, false, "/dev/hidraw3", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    UsbRig rig;
    rig.AddDecoys(2);
    rig.AddKeyboard("/dev/hidraw3");
    ASSERT_TRUE(rig.port.DetectHIDDevice());
    if (row.bound) rig.port.BindToPath(rig.port.DevicePath());
    std::vector<EmulatedHidInterface>& ifaces = rig.hid.Interfaces();
    switch (row.after) {
      case After::kNothing:
        break;
      case After::kForeignAtSamePath:
        ifaces.back() = EmulatedHidBackend::Decoy("/dev/hidraw3", u"Headset", 0x046D, 0x0A44);
        break;
      case After::kImpostorAtSamePath:
        ifaces.pop_back();
        rig.AddImpostor("/dev/hidraw3");
        break;
      case After::kMovedPath:
        ifaces.back().info.path = "/dev/hidraw6";
        break;
      case After::kMovedAndForeign:
        ifaces.back().info.path = "/dev/hidraw6";
        rig.hid.Add(EmulatedHidBackend::Decoy("/dev/hidraw3", u"Headset", 0x046D, 0x0A44));
        break;
      case After::kGone:
        ifaces.pop_back();
        break;
    }
    const int enumerations = rig.hid.Enumerations();
    EXPECT_EQ(rig.port.OpenDevice(), row.opens);
    EXPECT_EQ(rig.port.IsOpen(), row.opens);
    EXPECT_EQ(rig.port.DevicePath(), row.path);
    EXPECT_EQ(rig.hid.ForeignOpens(), row.foreignOpens);
    EXPECT_EQ(rig.hid.Enumerations() - enumerations, 1);
    rig.keyboard.ClearLogs();
    rig.port.Buffer().fill(0x11);
    EXPECT_EQ(rig.port.WriteBlock(0), row.opens);
    // The keyboard got the block only when it was opened; the guard checks
    // that no foreign device got anything.
    EXPECT_EQ(rig.keyboard.HostReports().size(), row.opens ? 10u : 0u);
    rig.port.CloseDevice();
  }
}

TEST(CUSBportTest, DevicePathOfAnyLength) {
  UsbRig rig;
  const std::string path = "/sys/devices/" + std::string(600, 'p') + "/hidraw7";
  rig.AddKeyboard(path);
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  EXPECT_EQ(rig.port.DevicePath(), path);
  EXPECT_TRUE(rig.port.OpenDevice());
}

TEST(CUSBportTest, DiagnosticLineFormats) {
  UsbRig rig;
  rig.AddKeyboard();
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  const std::vector<std::string> expected = {
      "DetectHIDDevice: HidDevice = 0\n",     "CheckHIDParam: Manufacturer=Tessaly\n",
      "CheckHIDParam: Device Name=PX2400U\n", "CheckHIDParam: VendorID = 0FA8\n",
      "CheckHIDParam: ProductID = C280\n",    "CheckHIDParam: VersionNumber = 105\n",
  };
  EXPECT_EQ(rig.lines, expected);
}

TEST(CUSBportTest, WriteSendsReversedNibbleReportsLowHalfFirst) {
  UsbRig rig;
  rig.keyboard.SetTransferOrderChecked(false);  // single blocks, not a transfer
  rig.AddKeyboard();
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  ASSERT_TRUE(rig.port.OpenDevice());

  rig.port.Buffer().fill(0);
  ASSERT_TRUE(rig.port.WriteBlock(0));
  auto reports = rig.keyboard.HostReports();
  ASSERT_EQ(reports.size(), 10u);
  EXPECT_EQ(reports[0], CUSBport::CommandReport(0xE7, 0));
  for (int r = 1; r <= 8; ++r)
    for (int j = 1; j <= 8; ++j) EXPECT_EQ(reports[static_cast<size_t>(r)][static_cast<size_t>(j)], 0xD0);
  EXPECT_EQ(reports[9][7], 0xD0);  // checksum pair of a zero block
  EXPECT_EQ(reports[9][8], 0xD0);

  rig.keyboard.ClearLogs();
  rig.clock.Sleep(250);  // the keyboard stores a block before it takes the next
  rig.port.Buffer()[0] = 0x5A;
  ASSERT_TRUE(rig.port.WriteBlock(5));
  reports = rig.keyboard.HostReports();
  EXPECT_EQ(reports[1][8], 0xDA);  // stream position 0: low half
  EXPECT_EQ(reports[1][7], 0xD5);  // stream position 1: high half
  EXPECT_EQ(reports[9][8], 0xDA);  // checksum 0x5A, low half first
  EXPECT_EQ(reports[9][7], 0xD5);
  EXPECT_EQ(rig.keyboard.Memory()[5 * 32], 0x5A);
}

TEST(CUSBportTest, ReadDecodesHighHalfFirstAndChecksChecksum) {
  UsbRig rig;
  rig.keyboard.SetTransferOrderChecked(false);  // single blocks, not a transfer
  rig.AddKeyboard();
  for (int i = 0; i < 32; ++i)
    rig.keyboard.Memory()[static_cast<size_t>(64 + i)] = static_cast<std::uint8_t>(0x5A + i);
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  ASSERT_TRUE(rig.port.OpenDevice());
  rig.clock.Reset();
  ASSERT_TRUE(rig.port.ReadBlock(2));
  EXPECT_EQ(rig.port.Buffer()[0], 0x5A);
  EXPECT_EQ(rig.port.Buffer()[31], 0x5A + 31);
  EXPECT_EQ(rig.clock.ElapsedMs(), 200);  // the wait between command and data

  rig.keyboard.Faults().badChecksumCount = 1;
  EXPECT_FALSE(rig.port.ReadBlock(2));  // all reports arrived, checksum wrong
  EXPECT_TRUE(rig.port.ReadBlock(2));
}

TEST(CUSBportTest, RejectedOrFailedReportsEndTheBlockAtOnce) {
  UsbRig rig;
  rig.AddKeyboard();
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  ASSERT_TRUE(rig.port.OpenDevice());
  rig.keyboard.Faults().rejectCommands = 1;
  EXPECT_FALSE(rig.port.WriteBlock(0));
  EXPECT_FALSE(rig.keyboard.Faults().rejectCommands);
  rig.keyboard.Faults().failWriteCount = 1;
  rig.keyboard.ClearLogs();
  EXPECT_FALSE(rig.port.WriteBlock(0));
  EXPECT_EQ(rig.keyboard.HostReports().size(), 2u);  // command and the rejected first data report
  rig.keyboard.Faults().failReadCount = 1;
  EXPECT_FALSE(rig.port.ReadBlock(0));
  rig.keyboard.Faults().failPolls = 1;
  EXPECT_FALSE(rig.port.PollDevice());
  EXPECT_TRUE(rig.port.PollDevice());
}

// A report shorter than 9 bytes is a failed read, as a poll and inside a block.
TEST(CUSBportTest, ShortReportIsAFailedRead) {
  UsbRig rig;
  rig.keyboard.SetTransferOrderChecked(false);  // single blocks, not a transfer
  rig.AddKeyboard();
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  ASSERT_TRUE(rig.port.OpenDevice());
  rig.keyboard.Faults().shortReports = 1;
  EXPECT_FALSE(rig.port.PollDevice());
  EXPECT_TRUE(rig.port.PollDevice());
  rig.keyboard.Faults().shortReports = 1;
  EXPECT_FALSE(rig.port.ReadBlock(1));
  EXPECT_TRUE(rig.port.ReadBlock(1));
}

}  // namespace
}  // namespace vexa
