// What the card reader sends when a card is swiped, as the Config MR properties
// dialog shows it, read from and written back to the settings area of the
// memory image.
//
// String fields (track prefixes and suffixes, field terminators, card data
// prefix and suffix) hold up to their size in bytes; unused bytes are 0xFF and a
// string ends at the first 0xFF or at the end of its field. The dialog shows
// them in the MR text form: 0x0D "[CR]", 0x0A "[LF]", 0x09 "[TB]", '[' "[[",
// every other byte as itself; a 0x00 ends the text (an emptied field is stored
// as one 0x00).
//
// The fields sit back to back in the image (the track 1 suffix follows the
// track 1 prefix directly, the field terminators are single bytes side by side),
// so a text is never written beyond its own field: whatever does not fit is
// dropped. The live check warns the user about exactly those texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/MemoryImage.h"

namespace vexa {

// The eleven string edits of the dialog, in the order the dialog writes them
// (track fields first, card data last).
enum class MrField {
  Track1Prefix,
  Track1Suffix,
  Track1Terminator,
  Track2Prefix,
  Track2Suffix,
  Track2Terminator,
  Track3Prefix,
  Track3Suffix,
  Track3Terminator,
  CardDataPrefix,
  CardDataSuffix,
};
inline constexpr int kMrFieldCount = 11;

struct MrFieldInfo {
  MrField field;
  int controlId;           // the dialog's edit control
  int offset;              // first byte in the memory image
  int size;                // bytes in the image
  int maxChars;            // characters the edit accepts
  std::string_view error;  // the warning of the live check
};

struct MrTrack {
  bool data = true;
  bool startSentinel = true;
  bool endSentinel = true;
  bool separator = true;
  bool lrc = false;
  std::string prefix;
  std::string suffix;
  std::string terminator;
};

// The result of turning an MR text into bytes.
struct MrBytes {
  std::string bytes;
  // False when a '[' begins none of "[CR]", "[LF]", "[TB]", "[[". Such a '['
  // and what follows it are taken as plain characters.
  bool wellFormed = true;
};

struct CardReaderSettings {
  // Radio values of the error handling: skip only the track with an error
  // (image bit set), or send nothing when any track has an error.
  static constexpr int kSkipTrackWithError = 0, kNoDataWithAnyError = 1;

  std::array<MrTrack, 3> tracks;
  std::string cardDataPrefix;
  std::string cardDataSuffix;
  bool beepAtGoodRead = true;
  bool threeBeepsAtError = true;
  int errorHandling = kSkipTrackWithError;

  // The eleven fields in writing order.
  [[nodiscard]] static std::span<const MrFieldInfo, kMrFieldCount> Fields();
  [[nodiscard]] static const MrFieldInfo& Info(MrField field);

  [[nodiscard]] static CardReaderSettings FromImage(const Image& image);
  // Writes every field, track flags byte (bits 0..3 and 7 only), error handling
  // (byte 2043 bit 1) and the beeps (byte 2044 bits 6 and 7). Bytes outside these
  // fields and bits are never touched, whatever the texts hold.
  void ToImage(Image& image) const;

  // The text of one edit, for binding the dialog's edits by field.
  std::string& Text(MrField field);
  [[nodiscard]] const std::string& Text(MrField field) const;

  // The live check of one edit: its warning text, or empty when the text is
  // well formed and fits the field. An empty text is always accepted.
  [[nodiscard]] static std::string_view Check(MrField field, std::string_view text);
  // The check of OK: the first field, in writing order, whose text fails the
  // live check; nothing when every text passes.
  [[nodiscard]] std::optional<MrField> FirstFieldInError() const;

  // MR text form of the bytes of one field (at most `field.size()` bytes, up to
  // the first 0xFF or 0x00).
  [[nodiscard]] static std::string BytesToText(std::span<const std::uint8_t> field);
  [[nodiscard]] static MrBytes TextToBytes(std::string_view text);
  // Fills `field` with 0xFF and writes the bytes of `text` from its start, as
  // many as fit; an empty text writes a single 0x00.
  static void WriteText(std::span<std::uint8_t> field, std::string_view text);
};

}  // namespace vexa
