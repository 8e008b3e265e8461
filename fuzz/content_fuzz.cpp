// Random key contents through the validators, the encoder, the length count, the
// decimal form, the decoder and the image builder.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
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

// Pieces that random bytes rarely spell. The first input byte picks how the
// rest is read: when it is odd, each byte below 0x40 stands for one of these
// pieces, so valid contents of both key modes come up often; when it is even,
// the rest is the content as it is.
// clang-format off
const char* const kPieces[] = {
    "[CR]", "[Caps]", "[Separator]", "[Delay5]", "[Delay250]", "[Delay0]", "[Delay007]", "[Delay",
    "[ShiftLevel", "[ShiftLevel3]", "[F1]", "[A]", "[a]", "[{]", "[0E0]", "[0F0]", "[PrintScreen]",
    "[PauseBreak]", "[Mute]", "[Ctrl+PrintScreen]", "[PAD/]", "[[", "]]", "[", "]", "\xFD", "\xFE",
    "\xFF", "\x0D", "1", "9",
};
// clang-format on

std::string ContentOf(const std::uint8_t* data, size_t size) {
  if (size == 0) return {};
  if ((data[0] & 1) == 0) return std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string out;
  for (size_t i = 1; i < size; ++i) {
    const size_t piece = data[i];
    if (piece < std::size(kPieces)) {
      out += kPieces[piece];
    } else if (piece < 0x40) {
      out.push_back('\0');
    } else {
      out.push_back(static_cast<char>(data[i]));
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace vexa;
  const std::string content = ContentOf(data, size);
  const bool ascii = IsAsciiContent(content);
  const bool scan = IsScanCodeContent(content);
  Check(IsValidContent(content) == (ascii || scan), "IsValidContent is the union of the validators");

  const std::string bytes = EncodeContent(content);
  Check(bytes.find('\0') == std::string::npos, "a key string never holds 0x00");
  const int length = EncodedLength(content);
  Check(length >= 0, "lengths are never negative");
  if (ascii || scan) {
    Check(content.find('\0') == std::string::npos, "no valid content holds 0x00");
    Check(static_cast<int>(bytes.size()) == length, "a valid content encodes to EncodedLength bytes");
  }

  const std::string decimal = ToDecimalForm(content);
  Check(ascii || decimal.empty(), "no decimal form for a content that is not ASCII mode");
  Check(!ascii || decimal.empty() == content.empty(), "a non-empty ASCII content has a decimal form");

  // Reading the stored bytes back: a valid text is a fixed point of save and
  // load, and an ASCII mode string is kept byte for byte.
  const std::string text = DecodeKeyString(bytes);
  if (IsValidContent(text))
    Check(DecodeKeyString(EncodeContent(text)) == text, "a second load and save keeps the text");
  if (!bytes.empty() && static_cast<std::uint8_t>(bytes[0]) != 0xFF) {
    Check(IsAsciiContent(text), "an ASCII mode string decodes to a valid content");
    Check(EncodeContent(text) == bytes, "an ASCII mode string survives load and save");
  }

  // The content on every key: the build stays inside the content area.
  KeyContents contents;
  contents.fill(content);
  Image image;
  ResetImage(image);
  const Image before = image;
  BuildImage(image, contents, 2013);
  Check(std::memcmp(image.data() + kContentAreaSize, before.data() + kContentAreaSize,
                    offs::kGroupIndex - kContentAreaSize) == 0,
        "building never touches the card reader settings");
  Check(std::memcmp(image.data() + offs::kInterCharDelay, before.data() + offs::kInterCharDelay,
                    kImageSize - offs::kInterCharDelay) == 0,
        "building never touches the feature settings and the tail marker");
  KeyContents decoded;
  DecodeImage(image, decoded, 2013);
  const bool fits = KeyDataBytesOver(contents) == 0;
  for (const std::string& c : decoded) {
    Check(c == text || (!fits && c.empty()),
          "each key reads back as its own string, or empty when it did not fit");
  }
  if (ascii || scan) Check(fits == (SpaceLeft(contents) >= 0), "the size check agrees with the space left");
  return 0;
}
