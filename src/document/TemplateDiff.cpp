#include "document/TemplateDiff.h"

#include <array>
#include <cstdio>
#include <span>
#include <string_view>
#include <utility>

#include "base/Messages.h"
#include "document/CVEXADoc.h"
#include "document/CardReaderSettings.h"
#include "document/FeatureSettings.h"

namespace vexa {
namespace {

using Item = std::pair<std::string, std::string>;  // name, value

constexpr int kSettingsStart = kContentAreaSize;
constexpr int kGroupIndexEnd = offs::kGroupIndex + 2 * kGroupIndexCount;

std::string OnOff(bool on) { return on ? "on" : "off"; }

// A dialog label without its trailing colon.
std::string Name(std::string_view label) {
  if (!label.empty() && label.back() == ':') label.remove_suffix(1);
  return std::string(label);
}

void FeatureItems(const Image& image, FeatureLayout layout, std::vector<Item>& items) {
  const FeatureSettings f = FeatureSettings::FromImage(image, layout, false);
  items.emplace_back(Name(msg::kBreakCodesCheck), OnOff(f.breakCodes));
  items.emplace_back(Name(msg::kKeyBeepCheck), OnOff(f.keyBeep));
  items.emplace_back(Name(msg::kSilentUndefinedCheck), OnOff(f.silentUndefinedKeys));
  items.emplace_back(Name(msg::kSet2TranslationCheck), OnOff(f.set2Translation));
  items.emplace_back(Name(msg::kAltNumberCheck), OnOff(f.altNumberEntry));
  items.emplace_back(Name(msg::kTypematicScanCheck), OnOff(f.typematicScanCode));
  items.emplace_back(Name(msg::kTypematicAsciiCheck), OnOff(f.typematicAscii));
  items.emplace_back(Name(msg::kOposJposCheck), OnOff(f.oposJpos));
  // The byte as stored: the dialog would show 0 as 1.
  items.emplace_back(Name(msg::kInterCharDelayLabel), std::to_string(image[offs::kInterCharDelay]));
  if (layout != FeatureLayout::SerialPort) return;
  const std::string group = std::string(msg::kRs232Group) + ": ";
  items.emplace_back(group + Name(msg::kUseSerialPortCheck), OnOff(f.useSerialPort));
  items.emplace_back(group + Name(msg::kBaudRateLabel), std::string(msg::kBaudRateItems[f.baudIndex]));
  items.emplace_back(group + Name(msg::kParityLabel), std::string(msg::kParityItems[f.parityIndex]));
  items.emplace_back(group + Name(msg::kDataBitsLabel), std::string(msg::kDataBitsItems[f.dataBitsIndex]));
}

void CardReaderItems(const Image& image, std::vector<Item>& items) {
  const CardReaderSettings c = CardReaderSettings::FromImage(image);
  items.emplace_back(Name(msg::kCardDataPrefixLabel), c.cardDataPrefix);
  items.emplace_back(Name(msg::kCardDataSuffixLabel), c.cardDataSuffix);
  items.emplace_back(Name(msg::kBeepGoodReadCheck), OnOff(c.beepAtGoodRead));
  items.emplace_back(Name(msg::kThreeBeepsErrorCheck), OnOff(c.threeBeepsAtError));
  items.emplace_back("Error handling", std::string(c.errorHandling == CardReaderSettings::kSkipTrackWithError
                                                       ? msg::kSkipTrackWithErrorRadio
                                                       : msg::kNoDataWithErrorRadio));
  for (size_t t = 0; t < c.tracks.size(); ++t) {
    const MrTrack& track = c.tracks[t];
    const std::string group = std::string(msg::kTrackGroups[t]) + ": ";
    items.emplace_back(group + Name(msg::kEnableDataCheck), OnOff(track.data));
    items.emplace_back(group + Name(msg::kStartSentinelCheck), OnOff(track.startSentinel));
    items.emplace_back(group + Name(msg::kEndSentinelCheck), OnOff(track.endSentinel));
    items.emplace_back(group + Name(msg::kLrcCheck), OnOff(track.lrc));
    items.emplace_back(group + Name(msg::kSeparatorChecks[t]), OnOff(track.separator));
    items.emplace_back(group + Name(msg::kTrackPrefixLabel), track.prefix);
    items.emplace_back(group + Name(msg::kTrackSuffixLabel), track.suffix);
    items.emplace_back(group + Name(msg::kFieldTerminatorLabel), track.terminator);
  }
}

// The bits of each settings byte that the named items above look at.
std::array<std::uint8_t, kImageSize - kSettingsStart> NamedBits(const ModelInfo& model) {
  std::array<std::uint8_t, kImageSize - kSettingsStart> bits{};
  auto at = [&bits](int offset) -> std::uint8_t& {
    return bits[static_cast<size_t>(offset - kSettingsStart)];
  };
  at(offs::kInterCharDelay) = 0xFF;
  at(offs::kFeatureFlagsC) = 0x20;
  const bool serial = model.featureLayout == FeatureLayout::SerialPort;
  at(offs::kFeatureFlagsA) =
      serial ? 0x7D : 0xFD;  // all but bit 1 (the card reader's); A7 unused with a port
  at(offs::kFeatureFlagsB) = serial ? 0x7F : 0x00;  // B5 of the one-byte layout is only ever written 0
  if (model.cardReader) {
    for (const MrFieldInfo& field : CardReaderSettings::Fields()) {
      // A string ends at its first 0xFF or 0x00: the bytes after it say nothing.
      for (int i = 0; i < field.size; ++i) at(field.offset + i) = 0xFF;
    }
    for (int t = 0; t < 3; ++t) at(offs::kTrack1Flags + t) = 0x8F;
    at(offs::kFeatureFlagsA) |= 0x02;
    at(offs::kFeatureFlagsB) |= 0xC0;
  }
  return bits;
}

std::string Hex(std::uint8_t byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

}  // namespace

TemplateDifferences DiffTemplates(const CVEXADoc& a, const CVEXADoc& b) {
  TemplateDifferences out;
  std::array<bool, kKeyCount> shown{};
  for (int p = 0; p < a.KeyCount(); ++p) {
    const int key = a.KeyMap()[static_cast<size_t>(p)];
    if (key < 0 || key >= kKeyCount) continue;
    shown[static_cast<size_t>(key)] = true;
    if (a.Content(key) != b.Content(key))
      out.keys.push_back({p, key, a.Labels()[static_cast<size_t>(p)], a.Content(key), b.Content(key)});
  }
  for (int key = 0; key < kKeyCount; ++key) {
    if (shown[static_cast<size_t>(key)]) continue;
    if (a.ModelId() == kLinkedKeyModelId && key == kLinkedKeyTwinIndex) continue;
    if (a.Content(key) != b.Content(key)) out.keys.push_back({-1, key, "", a.Content(key), b.Content(key)});
  }

  const ModelInfo& model = a.Model();
  std::vector<Item> itemsA, itemsB;
  FeatureItems(a.MemoryImage(), model.featureLayout, itemsA);
  FeatureItems(b.MemoryImage(), model.featureLayout, itemsB);
  if (model.cardReader) {
    CardReaderItems(a.MemoryImage(), itemsA);
    CardReaderItems(b.MemoryImage(), itemsB);
  }
  for (size_t i = 0; i < itemsA.size(); ++i) {
    if (itemsA[i].second != itemsB[i].second)
      out.settings.push_back({itemsA[i].first, itemsA[i].second, itemsB[i].second});
  }

  const auto named = NamedBits(model);
  for (int offset = kSettingsStart; offset < kImageSize; ++offset) {
    if (offset >= offs::kGroupIndex && offset < kGroupIndexEnd) continue;
    const std::uint8_t byteA = a.MemoryImage()[static_cast<size_t>(offset)];
    const std::uint8_t byteB = b.MemoryImage()[static_cast<size_t>(offset)];
    if (((byteA ^ byteB) & ~named[static_cast<size_t>(offset - kSettingsStart)]) != 0)
      out.settings.push_back({"Settings byte " + std::to_string(offset), Hex(byteA), Hex(byteB)});
  }
  return out;
}

}  // namespace vexa
