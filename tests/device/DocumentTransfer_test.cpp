#include "device/DocumentTransfer.h"

#include <gtest/gtest.h>

#include <array>

#include "EmulatedPlatform.h"
#include "ViolationGuard.h"
#include "base/Messages.h"
#include "device/KeyboardConnection.h"
#include "emulator/EmulatedHidBackend.h"
#include "emulator/VirtualClock.h"

namespace vexa {
namespace {

struct DocRig {
  MemorySettingsStore settings;
  CVEXADoc doc{settings, "."};
  KeyboardEmulator keyboard{Image{}};
  EmulatedHidBackend hid{keyboard};
  ViolationGuard guard{hid};
  EmulatedPlatform platform{keyboard};
  VirtualClock clock;
  NullProgressSink progress;
  KeyboardConnection connection{DeviceEnvironment{&hid, &platform, &clock, {}, {}}};
  DocRig() {
    keyboard.SetClock(&clock);
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
  // The message names the key and the word that is wrong on its second line.
  EXPECT_EQ(refused.outcome.message,
            std::string(msg::kWrongKeyWord) + "\n" +
                msg::FormatMessage(msg::kKeyWordUnknown, rig.doc.KeyName(5).c_str(), "[NoSuchWord]"));
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

// A keyboard unplugged in the middle of a transfer, on each way to it and at
// several blocks: the document keeps the user's template. A failed read
// changes nothing at all; a failed write changes only what building the image
// for the write does (the image built from the current contents, the PX2400's
// twin key made equal to KeyLock).
struct Snapshot {
  KeyContents contents;
  Image image;
  std::array<int, kKeyCount> blank, defined;
  bool modified;
  explicit Snapshot(const CVEXADoc& d)
      : contents(d.Contents()),
        image(d.MemoryImage()),
        blank(d.BlankFlags()),
        defined(d.DefinedFlags()),
        modified(d.IsModified()) {}
  bool operator==(const Snapshot&) const = default;
};

TEST(DocumentTransferTest, UnpluggedKeyboardLeavesTheDocumentAlone) {
  enum class Way { kUsb, kDirect, kDriver };
  for (Way way : {Way::kUsb, Way::kDirect, Way::kDriver}) {
    for (int block : {0, 1, 63}) {
      for (bool write : {false, true}) {
        SCOPED_TRACE(testing::Message() << "way " << static_cast<int>(way) << ", block " << block
                                        << (write ? ", write" : ", read"));
        MemorySettingsStore settings;
        CVEXADoc doc{settings, "."};
        doc.NewTemplate();
        KeyboardEmulator keyboard{Image{}};
        keyboard.SetLogging(false);
        keyboard.Memory().fill(0x41);
        EmulatedHidBackend hid{keyboard};
        ViolationGuard guard{hid};
        hid.Add(EmulatedHidBackend::KeyboardInterface("/dev/hidraw0"));
        EmulatedPlatform platform{keyboard};
        platform.direct = way == Way::kDirect;
        VirtualClock clock;
        keyboard.SetClock(&clock);
        NullProgressSink progress;
        KeyboardConnection connection{DeviceEnvironment{&hid, &platform, &clock, {}, {}}};
        ASSERT_TRUE(connection.ChoosePort(way == Way::kUsb ? PortKind::kUsb : PortKind::kPs2).outcome.ok);

        // Unsaved work: edited keys whose image is not built yet, a key not
        // yet checked (defined flag 0), a settings byte changed by a dialog,
        // and the PX2400 twin of KeyLock out of step.
        doc.Content(3) = "unsaved work";
        doc.Content(7) = "[F1][A]";
        doc.Content(121) = "lock";
        doc.DefinedFlags()[3] = 0;
        doc.MemoryImage()[offs::kInterCharDelay] = 9;
        doc.SetModified(true);
        const Snapshot before(doc);

        keyboard.Faults().unplugAtBlock = block;
        TransferResult r;
        if (write) {
          r = connection.WriteIntoKeyboard(WriteSourceFromDocument(doc, 3), progress);
        } else {
          r = connection.ReadFromKeyboard(progress);
          ApplyReadResult(doc, r);
        }
        EXPECT_FALSE(r.outcome.ok);
        EXPECT_FALSE(r.image.has_value());
        EXPECT_EQ(r.failedBlock, block);
        EXPECT_EQ(r.outcome.message, write ? KeyboardTransfer::WriteFailedMessage(block)
                                           : msg::FormatMessage(msg::kDataReadError, block));

        if (!write) {
          EXPECT_TRUE(Snapshot(doc) == before);
          continue;
        }
        MemorySettingsStore twinSettings;
        CVEXADoc twin{twinSettings, "."};
        twin.NewTemplate();
        twin.Contents() = before.contents;
        twin.MemoryImage() = before.image;
        twin.BuildImage();
        EXPECT_EQ(doc.Contents(), twin.Contents());
        EXPECT_EQ(doc.MemoryImage(), twin.MemoryImage());
        EXPECT_EQ(doc.MemoryImage()[offs::kInterCharDelay], 9);
        EXPECT_EQ(doc.BlankFlags(), before.blank);
        EXPECT_EQ(doc.DefinedFlags(), before.defined);
        EXPECT_TRUE(doc.IsModified());
      }
    }
  }
}

}  // namespace
}  // namespace vexa
