#include "document/FeatureSettings.h"

#include <algorithm>
#include <cstdint>

namespace vexa {
namespace {

bool Bit(std::uint8_t byte, int bit) { return (byte >> bit) & 1; }

void SetBit(std::uint8_t& byte, int bit, bool on) {
  const auto mask = static_cast<std::uint8_t>(1u << bit);
  byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

// Bits of A shared by both layouts.
constexpr int kAAltNumber = 0, kABreakCodes = 2, kASilentUndefined = 3, kASet2 = 5, kAKeyBeep = 6;
// One-byte layout.
constexpr int kATypematicAscii = 4, kATypematicScan = 7, kBUseSerialOneByte = 5;
// Serial port layout.
constexpr int kAUseSerial = 4, kBParityNone = 2, kBParityOdd = 3, kBDataBits = 4, kBTypematicAscii = 5,
              kBTypematicScan = 6;
constexpr std::uint8_t kBBaudMask = 0x03;
// C.
constexpr int kCOposJpos = 5;

}  // namespace

FeatureSettings FeatureSettings::FromImage(const Image& image, FeatureLayout layout, bool usbPort) {
  const std::uint8_t a = image[offs::kFeatureFlagsA];
  const std::uint8_t b = image[offs::kFeatureFlagsB];
  const std::uint8_t c = image[offs::kFeatureFlagsC];

  FeatureSettings s;
  s.delay = std::clamp(static_cast<int>(image[offs::kInterCharDelay]), kDelayMin, kDelayMax);
  s.altNumberEntry = Bit(a, kAAltNumber);
  s.breakCodes = !Bit(a, kABreakCodes);
  s.silentUndefinedKeys = Bit(a, kASilentUndefined);
  s.set2Translation = Bit(a, kASet2);
  s.keyBeep = Bit(a, kAKeyBeep);
  s.oposJpos = !Bit(c, kCOposJpos);

  if (layout == FeatureLayout::OneByte) {
    s.typematicAscii = Bit(a, kATypematicAscii);
    s.typematicScanCode = Bit(a, kATypematicScan);
    s.useSerialPort = false;
    s.serialSectionShown = false;
    return s;
  }

  s.useSerialPort = Bit(a, kAUseSerial);
  s.baudIndex = b & kBBaudMask;
  s.parityIndex = Bit(b, kBParityNone) ? kParityNone : Bit(b, kBParityOdd) ? kParityOdd : kParityEven;
  s.dataBitsIndex = Bit(b, kBDataBits) ? 1 : 0;
  s.typematicAscii = Bit(b, kBTypematicAscii);
  s.typematicScanCode = Bit(b, kBTypematicScan);
  // Over USB the serial section is hidden; its values stay those of the image
  // and ToImage leaves their bits alone.
  s.serialSectionShown = !usbPort;
  return s;
}

void FeatureSettings::ToImage(Image& image, FeatureLayout layout) const {
  std::uint8_t a = image[offs::kFeatureFlagsA];
  std::uint8_t b = image[offs::kFeatureFlagsB];
  std::uint8_t c = image[offs::kFeatureFlagsC];

  SetBit(a, kAAltNumber, altNumberEntry);
  SetBit(a, kABreakCodes, !breakCodes);
  SetBit(a, kASilentUndefined, silentUndefinedKeys);
  SetBit(a, kASet2, set2Translation);
  SetBit(a, kAKeyBeep, keyBeep);
  SetBit(c, kCOposJpos, !oposJpos);

  if (layout == FeatureLayout::OneByte) {
    SetBit(a, kATypematicAscii, typematicAscii);
    SetBit(a, kATypematicScan, typematicScanCode);
    SetBit(b, kBUseSerialOneByte, false);
  } else if (serialSectionShown) {
    SetBit(a, kAUseSerial, useSerialPort);
    b = static_cast<std::uint8_t>((b & ~kBBaudMask) | (std::clamp(baudIndex, 0, 3) & kBBaudMask));
    switch (parityIndex) {
      case kParityNone:
        SetBit(b, kBParityNone, true);  // B3 keeps its value: B2 alone means NONE
        break;
      case kParityOdd:
        SetBit(b, kBParityNone, false);
        SetBit(b, kBParityOdd, true);
        break;
      default:  // EVEN
        SetBit(b, kBParityNone, false);
        SetBit(b, kBParityOdd, false);
        break;
    }
    SetBit(b, kBDataBits, dataBitsIndex == 1);
  }
  if (layout == FeatureLayout::SerialPort) {
    SetBit(b, kBTypematicAscii, typematicAscii);
    SetBit(b, kBTypematicScan, typematicScanCode);
  }

  image[offs::kInterCharDelay] = static_cast<std::uint8_t>(std::clamp(delay, kDelayMin, kDelayMax));
  image[offs::kFeatureFlagsA] = a;
  image[offs::kFeatureFlagsB] = b;
  image[offs::kFeatureFlagsC] = c;
}

}  // namespace vexa
