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
inline constexpr int kKeyCount = 176;         // key indexes 0..175, whatever the model
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

}  // namespace vexa
