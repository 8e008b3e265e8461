// The keyboard's 2048-byte memory image: the 176 zero-terminated key strings in
// the content area, then the settings area (card reader fields, feature flags,
// inter-character delay, group index) and the fixed tail marker.
// Multi-byte numbers are little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vexa {

inline constexpr int kImageSize = 2048;
inline constexpr int kKeyCount = 176;          // key indexes 0..175, whatever the model
inline constexpr int kContentAreaSize = 1968;  // offsets 0..1967, terminators included
inline constexpr int kBlockSize = 32;
inline constexpr int kBlockCount = 64;

// Offsets of the settings area.
namespace offs {
inline constexpr int kTrack1Prefix = 1968;
inline constexpr int kTrack1Suffix = 1976;
inline constexpr int kTrack2Prefix = 1984;
inline constexpr int kTrack2Suffix = 1992;
inline constexpr int kTrack3Prefix = 2000;
inline constexpr int kTrack3Suffix = 2008;
inline constexpr int kTrack1Terminator = 2016;  // tracks 2 and 3 follow
inline constexpr int kTrack1Flags = 2019;       // tracks 2 and 3 follow
inline constexpr int kFeatureFlagsC = 2022;     // bit 5 only: OPOS/JPOS
inline constexpr int kUnused = 2023;
inline constexpr int kCardDataPrefix = 2024;
inline constexpr int kCardDataSuffix = 2028;
inline constexpr int kGroupIndex = 2032;  // five 16-bit offsets
inline constexpr int kInterCharDelay = 2042;
inline constexpr int kFeatureFlagsA = 2043;
inline constexpr int kFeatureFlagsB = 2044;
inline constexpr int kTailMarker = 2045;  // 0x55 0xAA 0xD6
}  // namespace offs

using Image = std::array<std::uint8_t, kImageSize>;

// Key contents are 8-bit byte strings; bytes 0x80..0xFF pass through unchanged.
using KeyContents = std::array<std::string, kKeyCount>;

inline constexpr int kGroupIndexCount = 5;  // offsets of key slots 32, 64, 96, 128, 160
inline constexpr int kSlotsPerGroup = 32;

// The PX2400 has one key whose two key indexes must always hold the same content.
inline constexpr int kLinkedKeyModelId = 2013;
inline constexpr int kLinkedKeyIndex = 160;      // the key the user edits
inline constexpr int kLinkedKeyTwinIndex = 121;  // the copy

// Key number (key index + 1, 1..176) stored in key slot 0..175. Every key number
// occurs exactly once; building and decoding use the same table. 0 for a slot
// outside 0..175.
[[nodiscard]] int KeyNumberOfSlot(int slot);

// Puts the image in its initial state: empty content area, settings area with
// its defaults and the tail marker. The group index stays 0 until the first build.
void ResetImage(Image& image);

// Model `modelId` is the PX2400: makes its linked keys equal, key 160 winning
// when it has content, else key 160 takes key 121's content.
void ApplyLinkedKeyRule(KeyContents& contents, int modelId);

// Rewrites the content area and the group index from the 176 key contents (after
// the PX2400 linked-key rule, which changes `contents`). The rest of the image,
// and the content bytes after the last key string, keep their values.
// Never writes past offset 1967: when the key data do not fit, every slot still
// gets its terminator and the keys that no longer fit are stored empty. Callers
// refuse such a template first with CheckKeyDataFits.
void BuildImage(Image& image, KeyContents& contents, int modelId);

// Replaces all 176 key contents by the decoding of the key strings in the image
// (then the PX2400 linked-key rule). The image is not changed. Never reads past
// offset 2047; a slot that finds no terminator left, and every slot after it,
// becomes empty.
void DecodeImage(const Image& image, KeyContents& contents, int modelId);

// Free bytes of the content area: 1968 minus, over all 176 keys, the encoded
// length plus its terminator. Negative when the key data are too long.
// The second and third forms also set each key's blank flag (1 when its content
// encodes to no bytes, else 0).
[[nodiscard]] int SpaceLeft(const KeyContents& contents);
int SpaceLeft(const KeyContents& contents, std::array<int, kKeyCount>& blankFlags);
int SpaceLeft(const KeyContents& contents, std::array<int, kKeyCount>* blankFlags);

// How many bytes the key strings that BuildImage would write exceed the content
// area by; 0 when they fit. Measures the contents as they stand (apply the
// PX2400 linked-key rule to a copy first to measure what a build will write).
[[nodiscard]] int KeyDataBytesOver(const KeyContents& contents);

// Empty when the key data fit; else the refusal text naming the bytes over.
[[nodiscard]] std::string CheckKeyDataFits(const KeyContents& contents);

}  // namespace vexa
