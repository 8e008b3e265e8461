#include "document/CardReaderSettings.h"

#include <algorithm>

#include "base/Messages.h"

namespace vexa {
namespace {

constexpr int kStringChars = 40, kTerminatorChars = 5;

constexpr std::array<MrFieldInfo, kMrFieldCount> kFields = {{
    {MrField::Track1Prefix, 1027, offs::kTrack1Prefix, 8, kStringChars, msg::kTrack1PrefixError},
    {MrField::Track1Suffix, 1028, offs::kTrack1Suffix, 8, kStringChars, msg::kTrack1SuffixError},
    {MrField::Track1Terminator, 1029, offs::kTrack1Terminator, 1, kTerminatorChars,
     msg::kTrack1TerminatorError},
    {MrField::Track2Prefix, 1041, offs::kTrack2Prefix, 8, kStringChars, msg::kTrack2PrefixError},
    {MrField::Track2Suffix, 1042, offs::kTrack2Suffix, 8, kStringChars, msg::kTrack2SuffixError},
    {MrField::Track2Terminator, 1043, offs::kTrack1Terminator + 1, 1, kTerminatorChars,
     msg::kTrack2TerminatorError},
    {MrField::Track3Prefix, 1055, offs::kTrack3Prefix, 8, kStringChars, msg::kTrack3PrefixError},
    {MrField::Track3Suffix, 1056, offs::kTrack3Suffix, 8, kStringChars, msg::kTrack3SuffixError},
    {MrField::Track3Terminator, 1057, offs::kTrack1Terminator + 2, 1, kTerminatorChars,
     msg::kTrack3TerminatorError},
    {MrField::CardDataPrefix, 1065, offs::kCardDataPrefix, 4, kStringChars, msg::kCardDataPrefixError},
    {MrField::CardDataSuffix, 1060, offs::kCardDataSuffix, 4, kStringChars, msg::kCardDataSuffixError},
}};

// Track flags byte.
constexpr std::uint8_t kData = 0x01, kStartSentinel = 0x02, kEndSentinel = 0x04, kSeparator = 0x08,
                       kLrcOff = 0x80;
constexpr std::uint8_t kTrackFlagsMask = kData | kStartSentinel | kEndSentinel | kSeparator | kLrcOff;
// Card reader bits among the feature flags.
constexpr std::uint8_t kASkipTrackWithError = 0x02;
constexpr std::uint8_t kBBeepGoodRead = 0x40, kBThreeBeepsError = 0x80;

constexpr std::uint8_t kUnusedByte = 0xFF;

struct Escape {
  std::string_view text;
  char byte;
};
constexpr std::array<Escape, 4> kEscapes = {
    {{"[CR]", '\x0D'}, {"[LF]", '\x0A'}, {"[TB]", '\x09'}, {"[[", '['}}};

std::span<std::uint8_t> FieldOf(Image& image, const MrFieldInfo& info) {
  return std::span<std::uint8_t>(image).subspan(static_cast<size_t>(info.offset),
                                                static_cast<size_t>(info.size));
}
std::span<const std::uint8_t> FieldOf(const Image& image, const MrFieldInfo& info) {
  return std::span<const std::uint8_t>(image).subspan(static_cast<size_t>(info.offset),
                                                      static_cast<size_t>(info.size));
}

}  // namespace

std::span<const MrFieldInfo, kMrFieldCount> CardReaderSettings::Fields() { return kFields; }

const MrFieldInfo& CardReaderSettings::Info(MrField field) { return kFields[static_cast<size_t>(field)]; }

std::string& CardReaderSettings::Text(MrField field) {
  switch (field) {
    case MrField::Track1Prefix:
      return tracks[0].prefix;
    case MrField::Track1Suffix:
      return tracks[0].suffix;
    case MrField::Track1Terminator:
      return tracks[0].terminator;
    case MrField::Track2Prefix:
      return tracks[1].prefix;
    case MrField::Track2Suffix:
      return tracks[1].suffix;
    case MrField::Track2Terminator:
      return tracks[1].terminator;
    case MrField::Track3Prefix:
      return tracks[2].prefix;
    case MrField::Track3Suffix:
      return tracks[2].suffix;
    case MrField::Track3Terminator:
      return tracks[2].terminator;
    case MrField::CardDataPrefix:
      return cardDataPrefix;
    case MrField::CardDataSuffix:
      break;
  }
  return cardDataSuffix;
}

const std::string& CardReaderSettings::Text(MrField field) const {
  return const_cast<CardReaderSettings*>(this)->Text(field);
}

CardReaderSettings CardReaderSettings::FromImage(const Image& image) {
  CardReaderSettings s;
  for (const MrFieldInfo& info : kFields) s.Text(info.field) = BytesToText(FieldOf(image, info));
  for (size_t t = 0; t < s.tracks.size(); ++t) {
    const std::uint8_t flags = image[static_cast<size_t>(offs::kTrack1Flags) + t];
    MrTrack& track = s.tracks[t];
    track.data = flags & kData;
    track.startSentinel = flags & kStartSentinel;
    track.endSentinel = flags & kEndSentinel;
    track.separator = flags & kSeparator;
    track.lrc = !(flags & kLrcOff);
  }
  s.errorHandling =
      (image[offs::kFeatureFlagsA] & kASkipTrackWithError) ? kSkipTrackWithError : kNoDataWithAnyError;
  s.beepAtGoodRead = image[offs::kFeatureFlagsB] & kBBeepGoodRead;
  s.threeBeepsAtError = image[offs::kFeatureFlagsB] & kBThreeBeepsError;
  return s;
}

void CardReaderSettings::ToImage(Image& image) const {
  // Track by track: prefix, suffix, field terminator, flags.
  for (size_t t = 0; t < tracks.size(); ++t) {
    for (size_t f = 0; f < 3; ++f) {
      const MrFieldInfo& info = kFields[t * 3 + f];
      WriteText(FieldOf(image, info), Text(info.field));
    }
    const MrTrack& track = tracks[t];
    std::uint8_t flags = 0;
    if (track.data) flags |= kData;
    if (track.startSentinel) flags |= kStartSentinel;
    if (track.endSentinel) flags |= kEndSentinel;
    if (track.separator) flags |= kSeparator;
    if (!track.lrc) flags |= kLrcOff;
    std::uint8_t& byte = image[static_cast<size_t>(offs::kTrack1Flags) + t];
    byte = static_cast<std::uint8_t>((byte & ~kTrackFlagsMask) | flags);
  }

  std::uint8_t& a = image[offs::kFeatureFlagsA];
  a = errorHandling == kSkipTrackWithError ? static_cast<std::uint8_t>(a | kASkipTrackWithError)
                                           : static_cast<std::uint8_t>(a & ~kASkipTrackWithError);
  std::uint8_t& b = image[offs::kFeatureFlagsB];
  b = static_cast<std::uint8_t>(b & ~(kBBeepGoodRead | kBThreeBeepsError));
  if (beepAtGoodRead) b |= kBBeepGoodRead;
  if (threeBeepsAtError) b |= kBThreeBeepsError;

  for (MrField field : {MrField::CardDataPrefix, MrField::CardDataSuffix})
    WriteText(FieldOf(image, Info(field)), Text(field));
}

std::string_view CardReaderSettings::Check(MrField field, std::string_view text) {
  const MrFieldInfo& info = Info(field);
  const MrBytes converted = TextToBytes(text);
  if (!converted.wellFormed || converted.bytes.size() > static_cast<size_t>(info.size))
    return msg::Tr(info.error);
  return {};
}

std::optional<MrField> CardReaderSettings::FirstFieldInError() const {
  for (const MrFieldInfo& info : Fields()) {
    if (!Check(info.field, Text(info.field)).empty()) return info.field;
  }
  return std::nullopt;
}

std::string CardReaderSettings::BytesToText(std::span<const std::uint8_t> field) {
  std::string text;
  for (std::uint8_t byte : field) {
    if (byte == kUnusedByte || byte == 0x00) break;
    switch (byte) {
      case 0x0D:
        text += "[CR]";
        break;
      case 0x0A:
        text += "[LF]";
        break;
      case 0x09:
        text += "[TB]";
        break;
      case '[':
        text += "[[";
        break;
      default:
        text += static_cast<char>(byte);
        break;
    }
  }
  return text;
}

MrBytes CardReaderSettings::TextToBytes(std::string_view text) {
  MrBytes out;
  out.bytes.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '[') {
      out.bytes += text[i++];
      continue;
    }
    const auto escape = std::find_if(kEscapes.begin(), kEscapes.end(),
                                     [&](const Escape& e) { return text.substr(i).starts_with(e.text); });
    if (escape != kEscapes.end()) {
      out.bytes += escape->byte;
      i += escape->text.size();
    } else {
      // An unknown bracket sequence: its '[' and everything after it stay plain
      // characters, so "[x" is stored as '[' 'x' (shown as "[[x" next time).
      out.wellFormed = false;
      out.bytes += text[i++];
    }
  }
  return out;
}

void CardReaderSettings::WriteText(std::span<std::uint8_t> field, std::string_view text) {
  std::fill(field.begin(), field.end(), kUnusedByte);
  if (field.empty()) return;
  if (text.empty()) {
    field[0] = 0x00;
    return;
  }
  const std::string bytes = TextToBytes(text).bytes;
  const size_t n = std::min(bytes.size(), field.size());
  std::copy_n(bytes.begin(), n, field.begin());
}

}  // namespace vexa
