#include "document/FeatureSettings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vexa {
namespace {

constexpr std::uint8_t kInitialA = 0xEA, kInitialB = 0xD6, kInitialC = 0xFF;

Image ImageWith(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t delay = 2) {
  Image image{};
  image[offs::kFeatureFlagsA] = a;
  image[offs::kFeatureFlagsB] = b;
  image[offs::kFeatureFlagsC] = c;
  image[offs::kInterCharDelay] = delay;
  return image;
}

std::string Describe(FeatureLayout layout) {
  return layout == FeatureLayout::OneByte ? "one-byte layout" : "serial port layout";
}

TEST(FeatureSettingsTest, InitialImageShowsTheFactoryValuesOnBothLayouts) {
  const Image image = ImageWith(kInitialA, kInitialB, kInitialC);
  for (FeatureLayout layout : {FeatureLayout::OneByte, FeatureLayout::SerialPort}) {
    SCOPED_TRACE(Describe(layout));
    const FeatureSettings s = FeatureSettings::FromImage(image, layout, false);
    EXPECT_TRUE(s.breakCodes);
    EXPECT_TRUE(s.keyBeep);
    EXPECT_TRUE(s.silentUndefinedKeys);
    EXPECT_TRUE(s.set2Translation);
    EXPECT_FALSE(s.altNumberEntry);
    EXPECT_FALSE(s.oposJpos);
    EXPECT_TRUE(s.typematicScanCode);
    EXPECT_FALSE(s.typematicAscii);
    EXPECT_FALSE(s.useSerialPort);
    EXPECT_EQ(s.delay, 2);
    EXPECT_EQ(s.baudIndex, 2);  // 9600 on both: read on one layout, the list default on the other
    EXPECT_EQ(s.parityIndex, FeatureSettings::kParityNone);
    EXPECT_EQ(s.dataBitsIndex, layout == FeatureLayout::OneByte ? 0 : 1);
    EXPECT_EQ(s.serialSectionShown, layout == FeatureLayout::SerialPort);
  }
}

// Reading any byte values and writing them straight back changes nothing but
// the bits the dialog always writes (B5 on the one-byte layout).
TEST(FeatureSettingsTest, UnchangedValuesWriteBackEveryByteAsItWas) {
  for (FeatureLayout layout : {FeatureLayout::OneByte, FeatureLayout::SerialPort}) {
    SCOPED_TRACE(Describe(layout));
    for (int v = 0; v < 256; ++v) {
      const auto byte = static_cast<std::uint8_t>(v);
      for (int which = 0; which < 3; ++which) {
        Image image = ImageWith(kInitialA, kInitialB, kInitialC, 77);
        image[which == 0   ? offs::kFeatureFlagsA
              : which == 1 ? offs::kFeatureFlagsB
                           : offs::kFeatureFlagsC] = byte;
        Image expected = image;
        if (layout == FeatureLayout::OneByte) expected[offs::kFeatureFlagsB] &= ~0x20;
        FeatureSettings::FromImage(image, layout, false).ToImage(image, layout);
        ASSERT_EQ(image, expected) << "byte " << which << " = " << v;
      }
    }
  }
}

struct BitCase {
  FeatureLayout layout;
  bool FeatureSettings::*value;
  int offset;
  int bit;
  bool onMeansSet;
};

// Turning one value on and off touches its own bit and no other.
TEST(FeatureSettingsTest, EachSwitchOwnsExactlyItsBit) {
  const BitCase cases[] = {
      {FeatureLayout::OneByte, &FeatureSettings::altNumberEntry, offs::kFeatureFlagsA, 0, true},
      {FeatureLayout::OneByte, &FeatureSettings::breakCodes, offs::kFeatureFlagsA, 2, false},
      {FeatureLayout::OneByte, &FeatureSettings::silentUndefinedKeys, offs::kFeatureFlagsA, 3, true},
      {FeatureLayout::OneByte, &FeatureSettings::typematicAscii, offs::kFeatureFlagsA, 4, true},
      {FeatureLayout::OneByte, &FeatureSettings::set2Translation, offs::kFeatureFlagsA, 5, true},
      {FeatureLayout::OneByte, &FeatureSettings::keyBeep, offs::kFeatureFlagsA, 6, true},
      {FeatureLayout::OneByte, &FeatureSettings::typematicScanCode, offs::kFeatureFlagsA, 7, true},
      {FeatureLayout::OneByte, &FeatureSettings::oposJpos, offs::kFeatureFlagsC, 5, false},
      {FeatureLayout::SerialPort, &FeatureSettings::altNumberEntry, offs::kFeatureFlagsA, 0, true},
      {FeatureLayout::SerialPort, &FeatureSettings::breakCodes, offs::kFeatureFlagsA, 2, false},
      {FeatureLayout::SerialPort, &FeatureSettings::silentUndefinedKeys, offs::kFeatureFlagsA, 3, true},
      {FeatureLayout::SerialPort, &FeatureSettings::useSerialPort, offs::kFeatureFlagsA, 4, true},
      {FeatureLayout::SerialPort, &FeatureSettings::set2Translation, offs::kFeatureFlagsA, 5, true},
      {FeatureLayout::SerialPort, &FeatureSettings::keyBeep, offs::kFeatureFlagsA, 6, true},
      {FeatureLayout::SerialPort, &FeatureSettings::typematicAscii, offs::kFeatureFlagsB, 5, true},
      {FeatureLayout::SerialPort, &FeatureSettings::typematicScanCode, offs::kFeatureFlagsB, 6, true},
      {FeatureLayout::SerialPort, &FeatureSettings::oposJpos, offs::kFeatureFlagsC, 5, false},
  };
  for (const BitCase& c : cases) {
    SCOPED_TRACE(Describe(c.layout) + ", byte " + std::to_string(c.offset) + " bit " + std::to_string(c.bit));
    for (std::uint8_t start : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x5A}}) {
      for (bool on : {false, true}) {
        Image image = ImageWith(start, start & ~0x20, start);  // B5 clear so the one-byte write keeps it
        const Image before = image;
        FeatureSettings s = FeatureSettings::FromImage(image, c.layout, false);
        s.*c.value = on;
        s.ToImage(image, c.layout);
        const bool set = (image[c.offset] >> c.bit) & 1;
        EXPECT_EQ(set, on == c.onMeansSet);
        Image others = image;
        others[c.offset] =
            static_cast<std::uint8_t>((others[c.offset] & ~(1 << c.bit)) | (before[c.offset] & (1 << c.bit)));
        EXPECT_EQ(others, before) << "another bit changed";
      }
    }
  }
}

TEST(FeatureSettingsTest, SerialListsReadAndWriteTheirBits) {
  struct Case {
    std::uint8_t bBefore;
    int baud, parity, dataBits;
    std::uint8_t bAfter;
  };
  const Case cases[] = {
      {0xD6, 2, FeatureSettings::kParityOdd, 1, 0xDA},   // ODD on the factory byte
      {0xD6, 2, FeatureSettings::kParityEven, 1, 0xD2},  // EVEN clears bits 2 and 3
      {0xDA, 2, FeatureSettings::kParityNone, 1, 0xDE},  // NONE sets bit 2 and leaves bit 3
      {0x00, 3, FeatureSettings::kParityNone, 0, 0x07}, {0xFF, 0, FeatureSettings::kParityEven, 0, 0xE0},
      {0x80, 1, FeatureSettings::kParityOdd, 1, 0x99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("B before " + std::to_string(c.bBefore));
    Image image = ImageWith(kInitialA, c.bBefore, kInitialC);
    FeatureSettings s = FeatureSettings::FromImage(image, FeatureLayout::SerialPort, false);
    s.baudIndex = c.baud;
    s.parityIndex = c.parity;
    s.dataBitsIndex = c.dataBits;
    s.ToImage(image, FeatureLayout::SerialPort);
    EXPECT_EQ(image[offs::kFeatureFlagsB], c.bAfter);

    const FeatureSettings back = FeatureSettings::FromImage(image, FeatureLayout::SerialPort, false);
    EXPECT_EQ(back.baudIndex, c.baud);
    EXPECT_EQ(back.parityIndex, c.parity);
    EXPECT_EQ(back.dataBitsIndex, c.dataBits);
  }
}

TEST(FeatureSettingsTest, OneByteLayoutIgnoresTheSerialListsAndClearsUsePort) {
  Image image = ImageWith(kInitialA, 0xFF, kInitialC);
  FeatureSettings s = FeatureSettings::FromImage(image, FeatureLayout::OneByte, false);
  EXPECT_EQ(s.baudIndex, FeatureSettings::kInitialBaudIndex);
  EXPECT_EQ(s.parityIndex, FeatureSettings::kInitialParityIndex);
  EXPECT_EQ(s.dataBitsIndex, FeatureSettings::kInitialDataBitsIndex);
  s.baudIndex = 0;
  s.parityIndex = FeatureSettings::kParityOdd;
  s.useSerialPort = true;
  s.ToImage(image, FeatureLayout::OneByte);
  EXPECT_EQ(image[offs::kFeatureFlagsB], 0xDF);  // only B5 cleared; B6 and B7 belong to the card reader
}

TEST(FeatureSettingsTest, UsbPortHidesTheSerialSectionAndKeepsItsBits) {
  // Serial port on (A4), 19200 baud, ODD parity, 7 bits: nothing the factory
  // image holds, so a write of any default shows up.
  const std::uint8_t a = kInitialA | 0x10;           // 0xFA
  const std::uint8_t b = (kInitialB & 0xE0) | 0x0B;  // B0-1 = 3, B3 (ODD), B4 clear
  Image image = ImageWith(a, b, kInitialC);
  const FeatureSettings shown = FeatureSettings::FromImage(image, FeatureLayout::SerialPort, false);
  EXPECT_TRUE(shown.serialSectionShown);
  EXPECT_TRUE(shown.useSerialPort);

  FeatureSettings s = FeatureSettings::FromImage(image, FeatureLayout::SerialPort, true);
  EXPECT_FALSE(s.serialSectionShown);
  EXPECT_TRUE(s.useSerialPort);  // the hidden values are the keyboard's own
  EXPECT_EQ(s.baudIndex, 3);
  EXPECT_EQ(s.parityIndex, FeatureSettings::kParityOdd);
  // OK without a change: all four bytes stay as they were.
  s.ToImage(image, FeatureLayout::SerialPort);
  EXPECT_EQ(image[offs::kFeatureFlagsA], a);
  EXPECT_EQ(image[offs::kFeatureFlagsB], b);
  EXPECT_EQ(image[offs::kFeatureFlagsC], kInitialC);

  // Whatever the hidden values say, their bits are not written; the shown
  // switches of the same bytes still are.
  s.useSerialPort = false;
  s.baudIndex = 0;
  s.parityIndex = FeatureSettings::kParityNone;
  s.dataBitsIndex = 1;
  s.keyBeep = false;        // A6
  s.typematicAscii = true;  // B5
  s.ToImage(image, FeatureLayout::SerialPort);
  EXPECT_EQ(image[offs::kFeatureFlagsA], a & ~0x40);
  EXPECT_EQ(image[offs::kFeatureFlagsB], b | 0x20);

  EXPECT_FALSE(FeatureSettings::FromImage(image, FeatureLayout::OneByte, false).serialSectionShown);
}

TEST(FeatureSettingsTest, DelayStaysWithinTheNumberBoxRange) {
  const struct { int stored, shown; } cases[] = {{0, 1}, {1, 1}, {2, 2}, {250, 250}, {251, 250}, {255, 250}};
  for (const auto& c : cases) {
    Image image = ImageWith(kInitialA, kInitialB, kInitialC, static_cast<std::uint8_t>(c.stored));
    FeatureSettings s = FeatureSettings::FromImage(image, FeatureLayout::OneByte, false);
    EXPECT_EQ(s.delay, c.shown) << c.stored;
    s.ToImage(image, FeatureLayout::OneByte);
    EXPECT_EQ(image[offs::kInterCharDelay], c.shown) << c.stored;
  }
}

}  // namespace
}  // namespace vexa
