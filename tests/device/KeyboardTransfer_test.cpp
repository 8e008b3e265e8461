// The four transfer procedures over the emulated keyboard, through the
// connection as the editor and vexa-cli use it, on each of the three ways to
// the keyboard: USB, PS/2 with direct controller access, PS/2 through the driver.
#include "device/KeyboardTransfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EmulatedPlatform.h"
#include "ViolationGuard.h"
#include "base/Messages.h"
#include "device/KeyboardConnection.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/VirtualClock.h"

namespace vexa {
namespace {

enum class Way { kUsb, kDirect, kDriver };

class RecordingProgress : public ProgressSink {
 public:
  void Begin(std::string_view title) override { events.push_back("begin " + std::string(title)); }
  void Step(int, std::string_view percent) override { steps.emplace_back(percent); }
  void End() override { events.emplace_back("end"); }
  std::vector<std::string> events, steps;
};

Image Pattern() {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>((i * 37 + i / 256) & 0xFF);
  return image;
}

struct Rig {
  explicit Rig(Way w) : way(w) {
    hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw0"));
    platform.direct = way == Way::kDirect;
    platform.controller.Out(ioport::kPicMask1, 0xB8);
    platform.controller.Out(ioport::kPicMask2, 0x8F);
    keyboard.SetLogging(false);
    keyboard.SetClock(&clock);
  }
  void Choose() {
    const PortChoice c = connection.ChoosePort(way == Way::kUsb ? PortKind::kUsb : PortKind::kPs2);
    ASSERT_TRUE(c.outcome.ok) << c.outcome.message;
  }
  TransferResult Write(const Image& image) {
    return connection.WriteIntoKeyboard(
        [&](Image& out) {
          out = image;
          return Outcome::Success();
        },
        progress);
  }
  TransferResult Read() { return connection.ReadFromKeyboard(progress); }
  // Makes the block fail on every attempt (-1) or `times` times, on this way's read path.
  void FailReads(int block, int times) {
    auto& f = keyboard.Faults();
    if (way == Way::kDirect)
      f.badChecksumBlock = block, f.badChecksumCount = times;
    else
      f.failReadBlock = block, f.failReadCount = times;
  }

  Way way;
  KeyboardEmulator keyboard{Image{}};
  EmulatedHidBackend hid{keyboard};
  ViolationGuard guard{hid};
  EmulatedPlatform platform{keyboard};
  VirtualClock clock;
  RecordingProgress progress;
  KeyboardConnection connection{DeviceEnvironment{&hid, &platform, &clock, {}, {}}};
};

class KeyboardTransferTest : public ::testing::TestWithParam<Way> {};

TEST_P(KeyboardTransferTest, WriteThenReadMovesTheWholeImage) {
  Rig rig(GetParam());
  rig.Choose();
  const Image image = Pattern();
  TransferResult w = rig.Write(image);
  EXPECT_TRUE(w.outcome.ok) << w.outcome.message;
  EXPECT_TRUE(w.started);
  EXPECT_EQ(rig.keyboard.Memory(), image);
  EXPECT_EQ(rig.progress.events, (std::vector<std::string>{"begin Writing data into keyboard", "end"}));
  ASSERT_EQ(rig.progress.steps.size(), 64u);
  for (int b = 0; b < 64; ++b)
    EXPECT_EQ(rig.progress.steps[static_cast<size_t>(b)], std::to_string((b + 1) * 100 / 64) + "%");
  EXPECT_EQ(rig.progress.steps[0], "1%");
  EXPECT_EQ(rig.progress.steps[31], "50%");
  EXPECT_EQ(rig.progress.steps[63], "100%");
  if (GetParam() != Way::kUsb) {
    EXPECT_EQ(rig.keyboard.EndWrites(), 1);
  }

  rig.keyboard.Memory()[0] ^= 0xFF;  // the keyboard's memory changed since
  rig.progress = {};
  TransferResult r = rig.Read();
  EXPECT_TRUE(r.outcome.ok) << r.outcome.message;
  ASSERT_TRUE(r.image.has_value());
  EXPECT_EQ(*r.image, rig.keyboard.Memory());
  EXPECT_EQ(rig.progress.events, (std::vector<std::string>{"begin Reading data from keyboard", "end"}));
  EXPECT_EQ(rig.progress.steps.size(), 64u);
  if (GetParam() != Way::kUsb) {
    EXPECT_EQ(rig.keyboard.EndWrites(), 1);  // no end-of-write after a read
  }
}

TEST_P(KeyboardTransferTest, WriteRetriesABlockFourTimesAndFailsOnTheFifth) {
  for (int failures : {4, 5}) {
    Rig rig(GetParam());
    rig.Choose();
    rig.keyboard.Faults().failWriteBlock = 10;
    rig.keyboard.Faults().failWriteCount = failures;
    TransferResult w = rig.Write(Pattern());
    EXPECT_TRUE(w.started);
    if (failures == 4) {
      EXPECT_TRUE(w.outcome.ok) << w.outcome.message;
      EXPECT_EQ(rig.keyboard.Memory(), Pattern());
      continue;
    }
    EXPECT_EQ(w.outcome.message, KeyboardTransfer::WriteFailedMessage(10));
    EXPECT_EQ(w.failedBlock, 10);
    EXPECT_EQ(rig.progress.steps.size(), 10u);
    EXPECT_EQ(rig.progress.events.back(), "end");
    const Image pattern = Pattern();
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.begin() + 320, rig.keyboard.Memory().begin()));
    EXPECT_EQ(rig.keyboard.Memory()[320 + 1], 0);  // block 10 never arrived
    // The PS/2 keyboard is told the write ended even after a failure.
    if (GetParam() != Way::kUsb) {
      EXPECT_EQ(rig.keyboard.EndWrites(), 1);
    }
  }
}

TEST_P(KeyboardTransferTest, ReadRetriesABlockFourTimesAndFailsOnTheFifth) {
  for (int failures : {4, 5}) {
    Rig rig(GetParam());
    rig.Choose();
    rig.keyboard.Memory() = Pattern();
    rig.FailReads(0, failures);
    TransferResult r = rig.Read();
    EXPECT_TRUE(r.started);
    if (failures == 4) {
      EXPECT_TRUE(r.outcome.ok) << r.outcome.message;
      EXPECT_TRUE(r.image.has_value());
    } else {
      EXPECT_EQ(r.outcome.message, "Data Read Error, Count=0");
      EXPECT_FALSE(r.image.has_value());  // no partial or reset image for the document
      EXPECT_TRUE(rig.progress.steps.empty());
    }
  }
}

TEST_P(KeyboardTransferTest, UnpluggedInTheMiddle) {
  Rig rig(GetParam());
  rig.Choose();
  rig.keyboard.Faults().unplugAtBlock = 37;
  TransferResult w = rig.Write(Pattern());
  EXPECT_EQ(w.outcome.message, KeyboardTransfer::WriteFailedMessage(37));
  EXPECT_EQ(rig.keyboard.BlocksWritten(), 37);

  rig.keyboard.Replug();
  rig.keyboard.Faults().unplugAtBlock = 5;
  TransferResult r = rig.Read();
  EXPECT_EQ(r.outcome.message, "Data Read Error, Count=5");
  EXPECT_FALSE(r.image.has_value());
}

TEST_P(KeyboardTransferTest, RefusedImageSendsNothing) {
  Rig rig(GetParam());
  rig.Choose();
  TransferResult w = rig.connection.WriteIntoKeyboard(
      [](Image&) { return Outcome::Failure(std::string(msg::kWrongKeyWord)); }, rig.progress);
  EXPECT_EQ(w.outcome.message, msg::kWrongKeyWord);
  EXPECT_FALSE(w.started);
  EXPECT_EQ(rig.keyboard.BlocksWritten(), 0);
  EXPECT_EQ(rig.keyboard.EndWrites(), 0);
  EXPECT_TRUE(rig.progress.events.empty());
  if (GetParam() == Way::kUsb) {
    EXPECT_FALSE(rig.connection.UsbPort()->IsOpen());
  }
}

TEST_P(KeyboardTransferTest, WaitsOfEachWay) {
  Rig rig(GetParam());
  rig.Choose();
  ASSERT_TRUE(rig.Write(Pattern()).outcome.ok);
  const std::int64_t writeMs = rig.clock.ElapsedMs();
  rig.clock.Reset();
  ASSERT_TRUE(rig.Read().outcome.ok);
  const std::int64_t readMs = rig.clock.ElapsedMs();
  switch (GetParam()) {
    case Way::kUsb:  // 250 ms after every block written; 200 ms inside every block read
      EXPECT_EQ(writeMs, 64 * 250);
      EXPECT_EQ(readMs, 64 * 200);
      break;
    case Way::kDirect:  // 200 ms after every block attempt
      EXPECT_EQ(writeMs, 64 * 200);
      EXPECT_EQ(readMs, 64 * 200);
      break;
    case Way::kDriver:
      EXPECT_EQ(writeMs, 0);
      EXPECT_EQ(readMs, 0);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, KeyboardTransferTest, ::testing::Values(Way::kUsb, Way::kDirect, Way::kDriver),
                         [](const auto& info) {
                           return std::string(info.param == Way::kUsb      ? "Usb"
                                              : info.param == Way::kDirect ? "Direct"
                                                                           : "Driver");
                         });

// The product's line, then the torn template named: the keyboard holds new
// blocks before the failed one and old ones after it.
TEST(KeyboardTransferTest, FailedWriteSaysTheKeyboardIsPartlyWritten) {
  EXPECT_EQ(KeyboardTransfer::WriteFailedMessage(0),
            "Data Written Error, Count=0\n"
            "The keyboard now holds a partly written template and must be written again before use!");
  EXPECT_EQ(KeyboardTransfer::WriteFailedMessage(63).substr(0, 28), "Data Written Error, Count=63");
}

TEST(KeyboardTransferPs2Test, NoKeyboardOrFailedDriverStopsBeforeTheProgressDisplay) {
  struct Row {
    Way way;
    bool driverFails;
    std::string_view readMessage, writeMessage;
  } rows[] = {
      {Way::kDirect, false, msg::kReadNoKeyboard, msg::kWriteNoKeyboard},
      {Way::kDriver, false, msg::kReadNoKeyboard, msg::kWriteNoKeyboard},
      {Way::kDriver, true, msg::kReadDriverFailed, msg::kWriteDriverFailed},
  };
  for (const Row& row : rows) {
    Rig rig(row.way);
    rig.Choose();
    rig.keyboard.Faults().absent = true;
    rig.keyboard.Faults().driverFails = row.driverFails;
    TransferResult r = rig.Read();
    EXPECT_EQ(r.outcome.message, row.readMessage);
    EXPECT_FALSE(r.started);
    TransferResult w = rig.Write(Pattern());
    EXPECT_EQ(w.outcome.message, row.writeMessage);
    EXPECT_FALSE(w.started);
    EXPECT_TRUE(rig.progress.events.empty());
  }
}

TEST(KeyboardTransferPs2Test, DirectAccessMasksInterruptsAroundEveryOperationAndRestoresThem) {
  Rig rig(Way::kDirect);
  rig.Choose();
  ASSERT_TRUE(rig.Write(Pattern()).outcome.ok);
  const auto& writes = rig.platform.controller.MaskWrites();
  // Identify, 64 x (block + identify), end of write: each masked then restored.
  ASSERT_EQ(writes.size(), 2u + 4 * (1 + 64 * 2 + 1));
  for (size_t i = 2; i < writes.size(); i += 4) {
    EXPECT_EQ(writes[i].second, 0xBA);
    EXPECT_EQ(writes[i + 1].second, 0x9F);
    EXPECT_EQ(writes[i + 2].second, 0xB8);
    EXPECT_EQ(writes[i + 3].second, 0x8F);
  }
  EXPECT_EQ(rig.platform.controller.Mask1(), 0xB8);
  EXPECT_EQ(rig.platform.controller.Mask2(), 0x8F);
}

TEST(KeyboardTransferUsbTest, FailedPollResendsTheBlockWithoutUsingAnAttempt) {
  Rig rig(Way::kUsb);
  rig.Choose();
  rig.keyboard.Faults().failPolls = 6;  // more than the 5 attempts
  TransferResult w = rig.Write(Pattern());
  EXPECT_TRUE(w.outcome.ok) << w.outcome.message;
  EXPECT_EQ(rig.keyboard.BlocksWritten(), 64 + 6);
  EXPECT_EQ(rig.keyboard.Memory(), Pattern());
}

TEST(KeyboardTransferUsbTest, PollThatNeverAnswersEndsTheWriteAfterABoundedNumberOfRepeats) {
  Rig rig(Way::kUsb);
  rig.Choose();
  rig.keyboard.Faults().failPolls = -1;
  TransferResult w = rig.Write(Pattern());
  EXPECT_EQ(w.outcome.message, KeyboardTransfer::WriteFailedMessage(0));
  EXPECT_EQ(rig.keyboard.Polls(), KeyboardTransfer::kMaxPollRepeats);
  EXPECT_FALSE(rig.connection.UsbPort()->IsOpen());
}

TEST(KeyboardTransferUsbTest, DeviceThatCannotBeOpenedAtTransferTime) {
  for (HidOpenError error : {HidOpenError::kOther, HidOpenError::kPermissionDenied}) {
    Rig rig(Way::kUsb);
    rig.Choose();
    rig.hid.Interfaces()[0].openError = error;
    const std::string_view expected =
        error == HidOpenError::kPermissionDenied ? msg::kKeyboardNotPermitted : msg::kNoKeyboardConnected;
    EXPECT_EQ(rig.Read().outcome.message, expected);
    TransferResult w = rig.Write(Pattern());
    EXPECT_EQ(w.outcome.message, expected);
    EXPECT_FALSE(w.started);
  }
}

}  // namespace
}  // namespace vexa
