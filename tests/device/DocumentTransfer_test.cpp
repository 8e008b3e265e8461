#include "device/DocumentTransfer.h"

#include <gtest/gtest.h>

#include "EmulatedPlatform.h"
#include "app/Messages.h"
#include "device/EmulatedHidBackend.h"
#include "device/KeyboardConnection.h"
#include "device/VirtualClock.h"

namespace vexa {
namespace {

struct DocRig {
  MemorySettingsStore settings;
  CVEXADoc doc{settings, "."};
  KeyboardEmulator keyboard{Image{}};
  EmulatedHidBackend hid{keyboard};
  EmulatedPlatform platform{keyboard};
  VirtualClock clock;
  NullProgressSink progress;
  KeyboardConnection connection{DeviceEnvironment{&hid, &platform, &clock, {}, {}}};
  DocRig() {
    doc.NewTemplate();
    hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw0"));
    EXPECT_TRUE(connection.ChoosePort(PortKind::kUsb).outcome.ok);
  }
};

TEST(DocumentTransferTest, WriteChecksOnlyTheSelectedKey) {
  DocRig rig;
  rig.doc.Content(5) = "[NoSuchWord]";
  rig.doc.Content(7) = "Hello";
  TransferResult refused =
      rig.connection.WriteIntoKeyboard(WriteSourceFromDocument(rig.doc, 5), rig.progress);
  EXPECT_EQ(refused.outcome.message, msg::kWrongKeyWord);
  EXPECT_EQ(rig.keyboard.BlocksWritten(), 0);

  TransferResult written =
      rig.connection.WriteIntoKeyboard(WriteSourceFromDocument(rig.doc, 7), rig.progress);
  EXPECT_TRUE(written.outcome.ok) << written.outcome.message;
  EXPECT_EQ(rig.keyboard.Memory(), rig.doc.MemoryImage());  // the freshly built image arrived
}

TEST(DocumentTransferTest, WriteRefusesKeyDataThatDoNotFit) {
  DocRig rig;
  for (int k = 0; k < 20; ++k) rig.doc.Content(k) = std::string(100, 'x');
  TransferResult r = rig.connection.WriteIntoKeyboard(WriteSourceFromDocument(rig.doc, 0), rig.progress);
  EXPECT_FALSE(r.outcome.ok);
  EXPECT_FALSE(r.started);
  EXPECT_EQ(rig.keyboard.BlocksWritten(), 0);
}

TEST(DocumentTransferTest, FailedReadLeavesTheDocumentAsItWas) {
  DocRig rig;
  rig.doc.Content(3) = "unsaved work";
  rig.doc.SetModified(true);
  const KeyContents contents = rig.doc.Contents();
  const Image image = rig.doc.MemoryImage();
  rig.keyboard.Faults().unplugAtBlock = 0;
  TransferResult r = rig.connection.ReadFromKeyboard(rig.progress);
  ApplyReadResult(rig.doc, r);
  EXPECT_EQ(r.outcome.message, "Data Read Error, Count=0");
  EXPECT_EQ(rig.doc.Contents(), contents);
  EXPECT_EQ(rig.doc.MemoryImage(), image);
  EXPECT_TRUE(rig.doc.IsModified());
}

TEST(DocumentTransferTest, CompleteReadReplacesImageAndContents) {
  DocRig source;
  source.doc.Content(9) = "from the keyboard";
  ASSERT_TRUE(source.connection.WriteIntoKeyboard(WriteSourceFromDocument(source.doc, 9), source.progress)
                  .outcome.ok);

  DocRig rig;
  rig.keyboard.Memory() = source.keyboard.Memory();
  TransferResult r = rig.connection.ReadFromKeyboard(rig.progress);
  ApplyReadResult(rig.doc, r);
  EXPECT_EQ(rig.doc.MemoryImage(), source.keyboard.Memory());
  EXPECT_EQ(rig.doc.Content(9), "from the keyboard");
  EXPECT_FALSE(rig.doc.IsModified());
}

}  // namespace
}  // namespace vexa
