#include "document/MemoryImage.h"

#include <algorithm>
#include <cstring>

#include "base/Messages.h"
#include "document/KeyContent.h"

namespace vexa {
namespace {

constexpr std::array<std::uint8_t, 3> kTailMarkerBytes = {0x55, 0xAA, 0xD6};
constexpr std::uint8_t kDefaultInterCharDelay = 2;
constexpr std::uint8_t kDefaultFeatureFlagsA = 0xEA;
constexpr std::uint8_t kDefaultFeatureFlagsB = 0xD6;

// Key slots are stored in groups of 16: the upper eight key numbers of the group
// in rising order, then the lower eight falling.
constexpr std::array<int, kKeyCount> MakeSlotTable() {
  std::array<int, kKeyCount> table{};
  for (int s = 0; s < kKeyCount; ++s) {
    const int g = s / 16;
    const int r = s % 16;
    const int lo = g <= 7 ? 113 - 16 * g : 129 + 16 * (g - 8);
    table[static_cast<size_t>(s)] = r < 8 ? lo + 8 + r : lo + 15 - r;
  }
  return table;
}
constexpr std::array<int, kKeyCount> kSlotTable = MakeSlotTable();

size_t KeyIndexOfSlot(int slot) { return static_cast<size_t>(kSlotTable[static_cast<size_t>(slot)] - 1); }

}  // namespace

int KeyNumberOfSlot(int slot) {
  if (slot < 0 || slot >= kKeyCount) return 0;
  return kSlotTable[static_cast<size_t>(slot)];
}

void ResetImage(Image& image) {
  image.fill(0x00);
  std::fill(image.begin() + offs::kTrack1Prefix, image.begin() + offs::kGroupIndex, 0xFF);
  image[offs::kInterCharDelay] = kDefaultInterCharDelay;
  image[offs::kFeatureFlagsA] = kDefaultFeatureFlagsA;
  image[offs::kFeatureFlagsB] = kDefaultFeatureFlagsB;
  std::copy(kTailMarkerBytes.begin(), kTailMarkerBytes.end(), image.begin() + offs::kTailMarker);
}

void ApplyLinkedKeyRule(KeyContents& contents, int modelId) {
  if (modelId != kLinkedKeyModelId) return;
  std::string& key = contents[kLinkedKeyIndex];
  std::string& twin = contents[kLinkedKeyTwinIndex];
  if (!key.empty()) {
    twin = key;
  } else {
    key = twin;
  }
}

void BuildImage(Image& image, KeyContents& contents, int modelId) {
  ApplyLinkedKeyRule(contents, modelId);
  std::array<int, kKeyCount> slotStart{};
  std::string bytes;
  bytes.reserve(64);
  int pos = 0;
  for (int s = 0; s < kKeyCount; ++s) {
    slotStart[static_cast<size_t>(s)] = pos;
    EncodeContentInto(contents[KeyIndexOfSlot(s)], bytes);
    // Room for this string while keeping one terminator for this and each later slot.
    const int room = kContentAreaSize - pos - (kKeyCount - s);
    if (static_cast<int>(bytes.size()) <= room) {
      std::memcpy(image.data() + pos, bytes.data(), bytes.size());
      pos += static_cast<int>(bytes.size());
    }
    image[static_cast<size_t>(pos++)] = 0x00;
  }
  for (int j = 0; j < kGroupIndexCount; ++j) {
    const int offset = slotStart[static_cast<size_t>(kSlotsPerGroup * (j + 1))];
    image[static_cast<size_t>(offs::kGroupIndex + 2 * j)] = static_cast<std::uint8_t>(offset & 0xFF);
    image[static_cast<size_t>(offs::kGroupIndex + 2 * j + 1)] = static_cast<std::uint8_t>(offset >> 8);
  }
}

void DecodeImage(const Image& image, KeyContents& contents, int modelId) {
  const char* data = reinterpret_cast<const char*>(image.data());
  size_t pos = 0;
  for (int s = 0; s < kKeyCount; ++s) {
    std::string& content = contents[KeyIndexOfSlot(s)];
    const void* end = pos < image.size() ? std::memchr(data + pos, 0, image.size() - pos) : nullptr;
    if (end == nullptr) {  // no terminator left: no string for this slot
      content.clear();
      pos = image.size();
      continue;
    }
    const size_t zero = static_cast<size_t>(static_cast<const char*>(end) - data);
    content = DecodeKeyString(std::string_view(data + pos, zero - pos));
    pos = zero + 1;
  }
  ApplyLinkedKeyRule(contents, modelId);
}

int SpaceLeft(const KeyContents& contents) { return SpaceLeft(contents, nullptr); }

int SpaceLeft(const KeyContents& contents, std::array<int, kKeyCount>& blankFlags) {
  return SpaceLeft(contents, &blankFlags);
}

int SpaceLeft(const KeyContents& contents, std::array<int, kKeyCount>* blankFlags) {
  int sum = 0;
  for (size_t k = 0; k < contents.size(); ++k) {
    const int n = EncodedLength(contents[k]);
    if (blankFlags != nullptr) (*blankFlags)[k] = n < 1 ? 1 : 0;
    sum += n + 1;
  }
  return kContentAreaSize - sum;
}

int KeyDataBytesOver(const KeyContents& contents) {
  std::string bytes;
  int total = 0;
  for (const std::string& content : contents) {
    EncodeContentInto(content, bytes);
    total += static_cast<int>(bytes.size()) + 1;
  }
  return std::max(0, total - kContentAreaSize);
}

std::string CheckKeyDataFits(const KeyContents& contents) {
  const int over = KeyDataBytesOver(contents);
  if (over == 0) return {};
  return msg::FormatMessage(msg::Tr(msg::kNotEnoughMemory), over);
}

}  // namespace vexa
