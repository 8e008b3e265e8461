// Several USB keyboards behind one system: listing them with their states,
// transfers bound to one of them, and one template written into all of them
// at once, one thread per keyboard, as vexa-cli write --all does it. Every
// emulated keyboard checks that it gets only its own blocks, in order; the
// guard fails a test on any breach.
#include "device/KeyboardGroupWrite.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ViolationGuard.h"
#include "base/Messages.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/VirtualClock.h"

namespace vexa {
namespace {

// Keyboard i's memory: a pattern of its own, so a block that crossed to
// another keyboard shows.
Image MemoryOf(int keyboard) {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + keyboard * 41);
  return image;
}

Image Template() {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 131 + 5);
  return image;
}

std::string PathOf(int keyboard) { return "/dev/hidraw" + std::to_string(keyboard + 2); }

// The blocks one keyboard's progress went through, per title.
class BlockRecorder : public ProgressSink {
 public:
  void Begin(std::string_view title) override { titles.emplace_back(title), blocks.emplace_back(); }
  void Step(int block, std::string_view) override { blocks.back().push_back(block); }
  void End() override {}
  std::vector<std::string> titles;
  std::vector<std::vector<int>> blocks;
};

struct FleetRig {
  explicit FleetRig(int count) {
    hid.Add(EmulatedHidBackend::Decoy("/dev/hidraw0", u"USB Optical Mouse", 0x046D, 0xC077));
    for (int i = 0; i < count; ++i) {
      keyboards.push_back(std::make_unique<KeyboardEmulator>(MemoryOf(i)));
      keyboards.back()->SetClock(&clock);
      keyboards.back()->SetLogging(false);
      const std::string serial = "SN" + std::to_string(100 + i);
      hid.Add(EmulatedHidBackend::KeyboardInterface(PathOf(i), keyboards.back().get(),
                                                    std::u16string(serial.begin(), serial.end())));
    }
  }
  EmulatedHidInterface& Interface(int keyboard) {
    return hid.Interfaces()[static_cast<size_t>(keyboard + 1)];
  }
  KeyboardEmulator& Keyboard(int keyboard) { return *keyboards[static_cast<size_t>(keyboard)]; }

  // Every target written at once, one thread each, as vexa-cli does.
  std::vector<KeyboardWriteReport> WriteAll(const KeyboardGroupWrite::Options& options) {
    KeyboardGroupWrite group(connection, Template(), options);
    const std::vector<KeyboardListing> targets = group.Targets();
    std::vector<KeyboardWriteReport> reports(targets.size());
    progress = std::vector<BlockRecorder>(targets.size());
    std::vector<std::thread> workers;
    for (size_t i = 0; i < targets.size(); ++i)
      workers.emplace_back([&, i] { reports[i] = group.Write(targets[i], progress[i]); });
    for (std::thread& t : workers) t.join();
    return reports;
  }

  VirtualClock clock;
  std::vector<std::unique_ptr<KeyboardEmulator>> keyboards;
  EmulatedHidBackend hid;
  ViolationGuard guard{hid};
  KeyboardConnection connection{DeviceEnvironment{&hid, nullptr, &clock, {}, {}}};
  std::vector<BlockRecorder> progress;
};

TEST(KeyboardListTest, EveryKeyboardWithItsState) {
  FleetRig rig(5);
  rig.Interface(1).openError = HidOpenError::kPermissionDenied;
  rig.Keyboard(2).Faults().silent = true;
  rig.Interface(3).openError = HidOpenError::kOther;  // held by the system, say
  // A stale record: the keyboard's identity listed, a mouse answering.
  rig.Interface(4).product = u"USB Optical Mouse";
  rig.Interface(4).attributes = {0x046D, 0xC077, 0x0100};
  rig.hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw9", nullptr));  // no keyboard answers: absent

  const std::vector<KeyboardListing> listed = rig.connection.ListKeyboards();
  struct Expected {
    std::string path, serial;
    KeyboardState state;
  } expected[] = {
      {PathOf(0), "SN100", KeyboardState::kReady},
      {PathOf(1), "SN101", KeyboardState::kNoPermission},
      {PathOf(2), "SN102", KeyboardState::kNotAnswering},
      {PathOf(3), "SN103", KeyboardState::kNotAnswering},
  };
  ASSERT_EQ(listed.size(), std::size(expected));
  for (size_t i = 0; i < listed.size(); ++i) {
    SCOPED_TRACE(expected[i].path);
    EXPECT_EQ(listed[i].device.path, expected[i].path);
    EXPECT_EQ(listed[i].device.product, "PX2400U");
    EXPECT_EQ(listed[i].device.serialNumber, expected[i].serial);
    EXPECT_EQ(listed[i].state, expected[i].state);
  }
  EXPECT_EQ(rig.hid.ForeignOpens(), 0);  // the mouse of the decoy is never opened
  // The chooser's list: only the keyboards that open and pass the identity check.
  const auto connected = rig.connection.ConnectedKeyboards();
  ASSERT_EQ(connected.size(), 2u);
  EXPECT_EQ(connected[0].path, PathOf(0));
  EXPECT_EQ(connected[1].path, PathOf(2));
}

// --device PATH: the transfers reach that keyboard and no other; a path that
// is not a connected keyboard is refused before anything is sent.
TEST(KeyboardDeviceTest, BoundToOnePath) {
  struct Row {
    const char* name;
    std::string path;
    std::string refusal;  // empty: the port opens
  } rows[] = {
      {"the second keyboard", PathOf(1), ""},
      {"a path nothing has", "/dev/hidraw77", msg::FormatMessage(msg::kNotTheKeyboard, "/dev/hidraw77")},
      {"the mouse", "/dev/hidraw0", msg::FormatMessage(msg::kNotTheKeyboard, "/dev/hidraw0")},
      {"a keyboard this user may not open", PathOf(2), std::string(msg::kKeyboardNotPermitted)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FleetRig rig(3);
    rig.Interface(2).openError = HidOpenError::kPermissionDenied;
    const PortChoice choice = rig.connection.ChoosePort(PortKind::kUsb, row.path);
    EXPECT_EQ(choice.outcome.message, row.refusal);
    NullProgressSink progress;
    const TransferResult written = rig.connection.WriteIntoKeyboard(
        [](Image& out) {
          out = Template();
          return Outcome::Success();
        },
        progress);
    EXPECT_EQ(written.outcome.message, row.refusal);
    EXPECT_EQ(rig.connection.UsbPort()->DevicePath(), row.path);  // never moved to another keyboard
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(rig.Keyboard(k).BlocksWritten(),
                row.refusal.empty() && PathOf(k) == row.path ? kBlockCount : 0)
          << "keyboard " << k;
    EXPECT_EQ(rig.hid.ForeignOpens(), 0);
  }
}

// Eight keyboards written with backup and verify at once: each backup holds
// that keyboard's own template, each keyboard the new one, and each
// keyboard's progress went through its own blocks in order.
TEST(KeyboardGroupWriteTest, EveryKeyboardGetsItsOwnBlocks) {
  constexpr int kCount = 8;
  FleetRig rig(kCount);
  std::mutex mutex;
  std::map<std::string, Image> backups;
  KeyboardGroupWrite::Options options;
  options.verify = true;
  options.backup = [&](const KeyboardDevice& keyboard, const Image& previous) {
    const std::lock_guard lock(mutex);
    backups[keyboard.path] = previous;
    return Outcome::Success();
  };
  const std::vector<KeyboardWriteReport> reports = rig.WriteAll(options);
  ASSERT_EQ(reports.size(), size_t{kCount});
  std::vector<int> inOrder(kBlockCount);
  for (int b = 0; b < kBlockCount; ++b) inOrder[static_cast<size_t>(b)] = b;
  for (int k = 0; k < kCount; ++k) {
    SCOPED_TRACE(PathOf(k));
    const KeyboardWriteReport& r = reports[static_cast<size_t>(k)];
    EXPECT_EQ(r.keyboard.path, PathOf(k));
    EXPECT_TRUE(r.outcome.ok) << r.outcome.message;
    EXPECT_TRUE(r.verified && r.backedUp);
    EXPECT_EQ(r.ResultText(), "verified");
    EXPECT_TRUE(backups[PathOf(k)] == MemoryOf(k));
    EXPECT_TRUE(rig.Keyboard(k).Memory() == Template());
    const BlockRecorder& p = rig.progress[static_cast<size_t>(k)];
    EXPECT_EQ(p.titles,
              (std::vector<std::string>{std::string(msg::kReadingTitle), std::string(msg::kWritingTitle),
                                        std::string(msg::kReadingTitle)}));
    for (const auto& blocks : p.blocks) EXPECT_EQ(blocks, inOrder);
  }
}

// A keyboard that fails never stops the others; each report carries its own
// result, on one line.
TEST(KeyboardGroupWriteTest, FailuresStayWithTheirKeyboard) {
  FleetRig rig(4);
  rig.Interface(1).openError = HidOpenError::kPermissionDenied;  // locked
  rig.Keyboard(2).Faults().unplugAtBlock = 30;                   // unplugged half-way
  rig.Keyboard(3).Faults().silent = true;                        // not answering
  const std::vector<KeyboardWriteReport> reports = rig.WriteAll({});
  ASSERT_EQ(reports.size(), 4u);

  EXPECT_EQ(reports[0].ResultText(), "written");
  EXPECT_TRUE(rig.Keyboard(0).Memory() == Template());

  EXPECT_EQ(reports[1].outcome.message, msg::kKeyboardNotPermittedCause);
  EXPECT_FALSE(reports[1].started);

  EXPECT_EQ(reports[2].failedBlock, 30);
  EXPECT_TRUE(reports[2].started);
  EXPECT_EQ(reports[2].ResultText(),
            msg::FormatMessage(msg::kDataWrittenError, 30) + " " + std::string(msg::kPartlyWritten));
  const Image& torn = rig.Keyboard(2).Memory();
  EXPECT_TRUE(std::equal(torn.begin(), torn.begin() + 30 * kBlockSize, Template().begin()));
  EXPECT_TRUE(std::equal(torn.begin() + 30 * kBlockSize, torn.end(), MemoryOf(2).begin() + 30 * kBlockSize));

  EXPECT_EQ(reports[3].outcome.message, msg::FormatMessage(msg::kKeyboardNotAnswering, PathOf(3).c_str()));
  for (int k = 1; k < 4; ++k) EXPECT_FALSE(reports[static_cast<size_t>(k)].outcome.ok);
  EXPECT_EQ(rig.Keyboard(1).BlocksWritten(), 0);
  EXPECT_EQ(rig.Keyboard(3).BlocksWritten(), 0);
}

// A keyboard whose backup can't be read or saved is not written; the others are.
TEST(KeyboardGroupWriteTest, NoWriteWithoutItsBackup) {
  for (bool readFails : {true, false}) {
    SCOPED_TRACE(readFails ? "backup read fails" : "backup file can't be written");
    FleetRig rig(2);
    if (readFails) rig.Keyboard(1).Faults().failReadBlock = 7, rig.Keyboard(1).Faults().failReadCount = -1;
    KeyboardGroupWrite::Options options;
    options.backup = [&](const KeyboardDevice& keyboard, const Image&) {
      return keyboard.path == PathOf(1) ? Outcome::Failure("cannot save") : Outcome::Success();
    };
    const std::vector<KeyboardWriteReport> reports = rig.WriteAll(options);
    EXPECT_TRUE(reports[0].outcome.ok);
    EXPECT_EQ(reports[1].outcome.message, readFails ? msg::FormatMessage(msg::kDataReadError, 7) + "\n" +
                                                          std::string(msg::kBackupReadFailed)
                                                    : "cannot save");
    EXPECT_EQ(rig.Keyboard(1).BlocksWritten(), 0);
    EXPECT_TRUE(rig.Keyboard(1).Memory() == MemoryOf(1));
  }
}

TEST(KeyboardGroupWriteTest, BackupNamesAreUniqueAndStayInTheDirectory) {
  struct Row {
    const char* name;
    std::vector<KeyboardDevice> keyboards;
    std::vector<std::string> names;
  } rows[] = {
      {"serial numbers",
       {{"/dev/hidraw2", "PX2400U", "A1"}, {"/dev/hidraw3", "PX2400U", "A2"}},
       {"A1.bin", "A2.bin"}},
      {"one without",
       {{"/dev/hidraw2", "PX2400U", "A1"}, {"/dev/hidraw3", "PX2400U", ""}},
       {"A1.bin", "dev_hidraw3.bin"}},
      {"a shared serial number",
       {{"/dev/hidraw2", "PX2400U", "0001"},
        {"/dev/hidraw3", "PX2400U", "0001"},
        {"/dev/hidraw4", "PX2400U", "7"}},
       {"dev_hidraw2.bin", "dev_hidraw3.bin", "7.bin"}},
      {"a serial number that is a path", {{"/dev/hidraw2", "PX2400U", "../../etc/x"}}, {"etc_x.bin"}},
      {"a serial number like another's path",
       {{"/dev/hidraw2", "PX2400U", "dev_hidraw3"}, {"/dev/hidraw3", "PX2400U", ""}},
       {"dev_hidraw3.bin", "dev_hidraw3-2.bin"}},
      {"nothing usable", {{"///", "PX2400U", "..."}}, {"keyboard.bin"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(KeyboardGroupWrite::BackupNames(row.keyboards), row.names);
  }
}

}  // namespace
}  // namespace vexa
