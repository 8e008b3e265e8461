// How a block of the memory image travels over the keyboard's wires.
//
// A block is 32 bytes; its checksum is the XOR of them. On the wire each byte
// is split into two nibble bytes, 0xD0 OR nibble (the receiver uses only the
// low 4 bits). The trap is the order of the halves, which differs by direction:
//   host to keyboard: low half first, then high half;
//   keyboard to host: high half first, then low half.
// The 32 data bytes and the checksum make 33 bytes, 66 nibble bytes.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vexa {

inline constexpr int kBlockBytes = 32;
inline constexpr int kBlockWithChecksum = 33;
inline constexpr int kNibbleStreamLength = 66;
inline constexpr std::uint8_t kNibbleTag = 0xD0;

using BlockBuffer = std::array<std::uint8_t, kBlockWithChecksum>;  // data, then checksum byte
using NibbleStream = std::array<std::uint8_t, kNibbleStreamLength>;

[[nodiscard]] inline std::uint8_t BlockChecksum(std::span<const std::uint8_t> data) {
  std::uint8_t x = 0;
  for (std::uint8_t b : data) x ^= b;
  return x;
}

// Host-to-keyboard order: low half first.
[[nodiscard]] inline NibbleStream EncodeHostToKeyboard(std::span<const std::uint8_t, kBlockBytes> data) {
  NibbleStream s{};
  for (int i = 0; i < kBlockWithChecksum; ++i) {
    const std::uint8_t b = i < kBlockBytes ? data[static_cast<size_t>(i)] : BlockChecksum(data);
    s[static_cast<size_t>(2 * i)] = static_cast<std::uint8_t>(kNibbleTag | (b & 0x0F));
    s[static_cast<size_t>(2 * i + 1)] = static_cast<std::uint8_t>(kNibbleTag | (b >> 4));
  }
  return s;
}

// Keyboard-to-host order: high half first; the tag bits are ignored.
[[nodiscard]] inline BlockBuffer DecodeKeyboardToHost(const NibbleStream& s) {
  BlockBuffer out{};
  for (int k = 0; k < kBlockWithChecksum; ++k)
    out[static_cast<size_t>(k)] = static_cast<std::uint8_t>(((s[static_cast<size_t>(2 * k)] & 0x0F) << 4) |
                                                            (s[static_cast<size_t>(2 * k + 1)] & 0x0F));
  return out;
}

// The percentage shown after block `block` (0..63) arrived or was confirmed.
[[nodiscard]] inline int BlockPercentage(int block) { return (block + 1) * 100 / 64; }

}  // namespace vexa
