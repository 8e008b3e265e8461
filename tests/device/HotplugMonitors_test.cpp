// The sources of plug events: the HID_ID check of the udev monitor, and the
// simulated keyboards' directory watched with inotify (a temporary directory;
// no device of this machine is touched).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "device/linux/SimulatedHotplugMonitor.h"
#include "device/linux/UdevHotplugMonitor.h"

namespace vexa {
namespace {

TEST(UdevHotplugMonitorTest, HidIdNamesTheKeyboard) {
  struct Row {
    const char* hidId;
    bool keyboard;
  } rows[] = {
      {"0003:00000FA8:0000C280", true},
      {"0003:00000fa8:0000c280", true},
      {"0005:00000FA8:0000C280", true},  // Bluetooth or USB: the ids decide
      {"0003:0000046D:0000C077", false},
      {"0003:00000FA8:0000C281", false},
      {"garbage", false},
      {"", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.hidId);
    EXPECT_EQ(UdevHotplugMonitor::HidIdMatches(row.hidId, 0x0FA8, 0xC280), row.keyboard);
  }
  EXPECT_FALSE(UdevHotplugMonitor::HidIdMatches(nullptr, 0x0FA8, 0xC280));
}

void WriteFile(const std::filesystem::path& path, size_t size) {
  std::ofstream(path, std::ios::binary) << std::string(size, '\0');
}

TEST(SimulatedHotplugMonitorTest, FilesArriveAndLeave) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vexa-hotplug-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  WriteFile(dir / "kb1.bin", 2048);
  {
    SimulatedKeyboard keyboards(dir.string());
    ASSERT_TRUE(keyboards.Load(true).ok);
    SimulatedHotplugMonitor monitor(keyboards);
    ASSERT_TRUE(monitor.Start().ok);
    // kb1 was there before: no event. A hidden file and a file of another
    // kind are no keyboards; a memory of the wrong size is said and ignored.
    WriteFile(dir / ".kb9.bin.tmp", 2048);
    WriteFile(dir / "notes.txt", 10);
    WriteFile(dir / "bad.bin", 7);
    WriteFile(dir / "kb2.bin", 2048);
    std::vector<HotplugEvent> events;
    while (events.size() < 2) {
      auto more = monitor.Wait();
      events.insert(events.end(), more.begin(), more.end());
    }
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, HotplugEvent::Kind::kNotice);
    EXPECT_NE(events[0].path.find("bad.bin"), std::string::npos);
    EXPECT_EQ(events[1].kind, HotplugEvent::Kind::kAdded);
    const std::string kb2 = events[1].path;
    EXPECT_NE(kb2.find("kb2.bin"), std::string::npos);
    const auto listed = keyboards.Hid().Enumerate(0x0FA8, 0xC280);
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->size(), 2u);

    std::filesystem::remove(dir / "kb2.bin");
    events = monitor.Wait();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, HotplugEvent::Kind::kRemoved);
    EXPECT_EQ(events[0].path, kb2);
    EXPECT_EQ(keyboards.Hid().Enumerate(0x0FA8, 0xC280)->size(), 1u);

    // Back again: a new keyboard path; Wake alone returns nothing.
    WriteFile(dir / "kb2.bin", 2048);
    events = monitor.Wait();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, HotplugEvent::Kind::kAdded);
    EXPECT_NE(events[0].path, kb2);
    std::thread waker([&] { monitor.Wake(); });
    EXPECT_TRUE(monitor.Wait().empty());
    waker.join();
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vexa
