// Random 2048-byte images through the decoder, then the decoded template built
// and decoded again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/KeyContent.h"
#include "document/MemoryImage.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

bool SettingsKept(const vexa::Image& a, const vexa::Image& b) {
  using namespace vexa;
  return std::memcmp(a.data() + kContentAreaSize, b.data() + kContentAreaSize,
                     offs::kGroupIndex - kContentAreaSize) == 0 &&
         std::memcmp(a.data() + offs::kInterCharDelay, b.data() + offs::kInterCharDelay,
                     kImageSize - offs::kInterCharDelay) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vexa;
  if (size < 1) return 0;
  // The first byte picks the model; the rest fills the image (zero padded), so
  // short inputs still reach every slot.
  const int modelId = 2013 + data[0] % 6;
  Image image{};
  std::memcpy(image.data(), data + 1, std::min<size_t>(size - 1, image.size()));

  const Image original = image;
  KeyContents contents;
  DecodeImage(image, contents, modelId);
  Check(image == original, "decoding leaves the image as it was");
  if (modelId == 2013) Check(contents[160] == contents[121], "the PX2400 linked keys are equal");

  // A second load and save changes no valid key.
  for (const std::string& c : contents) {
    if (IsValidContent(c))
      Check(DecodeKeyString(EncodeContent(c)) == c, "a valid decoded key is a fixed point");
  }

  // Every ASCII mode string (and every string up to 1967 in an image that holds
  // 176 terminators there) reads back to exactly its bytes.
  size_t pos = 0;
  for (int s = 0; s < kKeyCount && pos < image.size(); ++s) {
    const void* zero = std::memchr(image.data() + pos, 0, image.size() - pos);
    if (!zero) break;
    const size_t end = static_cast<size_t>(static_cast<const std::uint8_t*>(zero) - image.data());
    const std::string bytes(reinterpret_cast<const char*>(image.data()) + pos, end - pos);
    if (!bytes.empty() && static_cast<std::uint8_t>(bytes[0]) != 0xFF) {
      const std::string& text = contents[static_cast<size_t>(KeyNumberOfSlot(s) - 1)];
      const bool linked = modelId == 2013 && (KeyNumberOfSlot(s) == 122 || KeyNumberOfSlot(s) == 161);
      if (!linked) Check(EncodeContent(text) == bytes, "an ASCII mode key string survives load and save");
    }
    pos = end + 1;
  }

  // Building the decoded template never touches the settings, and when it is
  // valid and fits, decoding the new image gives the same template back.
  Image rebuilt = image;
  KeyContents built = contents;
  BuildImage(rebuilt, built, modelId);
  Check(SettingsKept(rebuilt, image), "building never touches the settings area");
  Check(built == contents, "the decoded template already has its linked keys equal");
  if (FirstInvalidKey(contents) == -1 && KeyDataBytesOver(contents) == 0) {
    KeyContents again;
    DecodeImage(rebuilt, again, modelId);
    Check(again == contents, "a valid template reads back unchanged");
  }
  return 0;
}
