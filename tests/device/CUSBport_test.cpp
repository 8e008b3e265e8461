#include "device/CUSBport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/EmulatedHidBackend.h"
#include "device/KeyboardEmulator.h"
#include "device/VirtualClock.h"

namespace vexa {
namespace {

struct UsbRig {
  KeyboardEmulator keyboard{Image{}};
  EmulatedHidBackend hid{keyboard};
  VirtualClock clock;
  std::vector<std::string> lines;
  CUSBport port{hid, clock, [this](std::string_view l) { lines.emplace_back(l); }};

  UsbRig() {
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

TEST(CUSBportTest, DetectionSkipsDecoysAndUnopenableInterfaces) {
  UsbRig rig;
  rig.AddDecoys(2);
  rig.hid.Interfaces()[0].openError = HidOpenError::kOther;
  rig.hid.Interfaces()[1].openError = HidOpenError::kPermissionDenied;
  rig.AddDecoys(1);
  rig.AddKeyboard("/dev/hidraw9");
  ASSERT_TRUE(rig.port.DetectHIDDevice());
  EXPECT_EQ(rig.port.DevicePath(), "/dev/hidraw9");
  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_FALSE(rig.port.KeyboardNotPermitted());
}

TEST(CUSBportTest, DetectionSearchesTwentyIndexesOnly) {
  UsbRig rig;
  rig.AddDecoys(20);
  rig.AddKeyboard();  // index 20: beyond the search
  EXPECT_FALSE(rig.port.DetectHIDDevice());
  EXPECT_EQ(rig.hid.Enumerations(), 20);
  EXPECT_TRUE(rig.port.DevicePath().empty());
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

  UsbRig other;
  other.AddDecoys(1);
  other.hid.Interfaces()[0].openError = HidOpenError::kPermissionDenied;
  EXPECT_FALSE(other.port.DetectHIDDevice());
  EXPECT_FALSE(other.port.KeyboardNotPermitted());
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

}  // namespace
}  // namespace vexa
