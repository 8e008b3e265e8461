#include "document/KeyContent.h"

#include <algorithm>

#include "base/Messages.h"
#include "models/KeyWordDictionary.h"

namespace vexa {
namespace {

constexpr std::uint8_t Byte(char c) { return static_cast<std::uint8_t>(c); }

// The key word being read. Escapes inside a word are not part of it, so the word
// is collected rather than sliced from the content; no word of the dictionary is
// longer than the buffer, so a longer word only needs its length and its start.
class WordBuffer {
 public:
  void Start() {
    m_length = 0;
    Append('[');
  }
  void Append(char c) {
    if (m_length < kCapacity) m_text[m_length] = c;
    ++m_length;
  }
  [[nodiscard]] bool Truncated() const { return m_length > kCapacity; }
  // The whole word, or its first characters when it is too long for the buffer.
  [[nodiscard]] std::string_view Head() const { return {m_text, Truncated() ? kCapacity : m_length}; }
  // The whole word; empty when it is too long to be any known word.
  [[nodiscard]] std::string_view Text() const { return Truncated() ? std::string_view{} : Head(); }
  [[nodiscard]] bool Is(std::string_view word) const { return !Truncated() && Head() == word; }
  [[nodiscard]] bool StartsWith(std::string_view prefix) const { return Head().starts_with(prefix); }

 private:
  static constexpr size_t kCapacity = 32;
  char m_text[kCapacity] = {};
  size_t m_length = 0;
};

// Reads a content item by item, the way the ASCII validator, the encoder, the
// length count and the decimal form all read it. The sink gets:
//   Escape(byte)          "[[" or "]]", wherever it stands (also inside a word)
//   Plain(byte)           a character outside a word
//   Word(word, wasOpen)   a ']' that closes a word; wasOpen is false for a stray ']',
//                         which is appended to the last word as the encoder does
// Each returns false to stop the scan. 0x00 bytes are skipped: they never reach
// the image. Returns false when the sink stopped; `openWord` tells whether the
// content ended inside a word.
template <typename Sink>
bool ScanContent(std::string_view content, Sink& sink, bool& openWord) {
  WordBuffer word;
  bool inWord = false;
  const size_t n = content.size();
  for (size_t i = 0; i < n; ++i) {
    const char c = content[i];
    if (c == '\0') continue;
    const bool doubled = i + 1 < n && content[i + 1] == c;
    if (c == '[') {
      if (doubled) {
        if (!sink.Escape(kCodeOpenBracket)) return false;
        ++i;
      } else {
        word.Start();
        inWord = true;
      }
    } else if (c == ']') {
      if (doubled) {
        if (!sink.Escape(kCodeCloseBracket)) return false;
        ++i;
      } else {
        word.Append(']');
        const bool wasOpen = inWord;
        inWord = false;
        if (!sink.Word(word, wasOpen)) return false;
      }
    } else if (inWord) {
      word.Append(c);
    } else if (!sink.Plain(Byte(c))) {
      return false;
    }
  }
  openWord = inWord;
  return true;
}

// The digit of a shift level word ("[ShiftLevel" + digit + "]"); 0 when the
// character there is not a digit.
int ShiftLevelOfWord(const WordBuffer& word) {
  const std::string_view head = word.Head();
  const size_t at = kShiftLevelWordPrefix.size();
  if (head.size() <= at || head[at] < '0' || head[at] > '9') return 0;
  return head[at] - '0';
}

struct AsciiValidator {
  std::string_view content;
  bool Escape(std::uint8_t) { return true; }
  bool Plain(std::uint8_t) { return true; }
  bool Word(const WordBuffer& word, bool wasOpen) {
    if (!wasOpen) return false;
    if (word.Is(kWordSeparator) || word.Is(kWordCaps) || word.Is(kWordCR)) return true;
    if (word.StartsWith(kDelayWordPrefix)) return DelayOfWord(word.Text()) != 0;
    // Any other word: only the shift level code, and only as the whole content.
    return content.size() == 13 && content.starts_with(kShiftLevelWordPrefix) && content[11] >= '1' &&
           content[11] <= '9';
  }
};

struct Encoder {
  std::string& out;
  bool scanWord = false;
  bool Escape(std::uint8_t b) {
    out.push_back(static_cast<char>(b));
    return true;
  }
  bool Plain(std::uint8_t b) {
    // A plain character after a scan code word throws away what was built so far.
    if (scanWord) {
      out.clear();
    } else {
      out.push_back(static_cast<char>(b));
    }
    return true;
  }
  bool Word(const WordBuffer& word, bool) {
    if (word.Is(kWordSeparator)) {
      out.push_back(static_cast<char>(kCodeSeparator));
    } else if (word.Is(kWordCaps)) {
      out.push_back(static_cast<char>(kCodeFunction));
      out.push_back(static_cast<char>(kCodeCapsValue));
    } else if (word.Is(kWordCR)) {
      out.push_back(static_cast<char>(kCodeCR));
    } else if (word.StartsWith(kDelayWordPrefix)) {
      // Up to three characters after "[Delay", stopping at the closing bracket;
      // their leading digits give the value, kept as one byte. A value that
      // comes out as 0 would end the key string, so such a delay is dropped.
      const std::string_view head = word.Head();
      int value = 0;
      for (size_t i = kDelayWordPrefix.size(); i < head.size() && i < kDelayWordPrefix.size() + 3; ++i) {
        if (head[i] < '0' || head[i] > '9') break;
        value = value * 10 + (head[i] - '0');
      }
      if ((value & 0xFF) != 0) {
        out.push_back(static_cast<char>(kCodeFunction));
        out.push_back(static_cast<char>(value & 0xFF));
      }
    } else if (word.StartsWith(kShiftLevelWordPrefix)) {
      out.append(static_cast<size_t>(ShiftLevelOfWord(word)) + 1, static_cast<char>(kCodeScanMode));
      return false;  // the rest of the content is ignored
    } else {
      scanWord = true;
      const ScanCodeBytes code = LookupScanCode(word.Text());
      if (code.length == 0) return false;  // an unknown word ends the key string here
      out.append(reinterpret_cast<const char*>(code.bytes.data()), static_cast<size_t>(code.length));
    }
    return true;
  }
};

struct LengthCounter {
  int count = 0;
  bool scanWord = false;
  bool Escape(std::uint8_t) {
    ++count;
    return true;
  }
  bool Plain(std::uint8_t) {
    ++count;
    return true;
  }
  bool Word(const WordBuffer& word, bool) {
    if (word.Is(kWordSeparator) || word.Is(kWordCR)) {
      count += 1;
    } else if (word.Is(kWordCaps) || word.StartsWith(kDelayWordPrefix)) {
      count += 2;
    } else if (word.StartsWith(kShiftLevelWordPrefix)) {
      count = ShiftLevelOfWord(word) + 1;
      scanWord = false;
      return false;
    } else {
      count += EncodedLengthOfWord(word.Text());
      scanWord = true;
    }
    return true;
  }
};

struct DecimalWriter {
  std::string& out;
  bool Escape(std::uint8_t b) { return Plain(b); }
  bool Plain(std::uint8_t b) {
    out += '[';
    out += std::to_string(b);
    out += ']';
    return true;
  }
  bool Word(const WordBuffer& word, bool) {
    out += word.Text();
    return true;
  }
};

// Appends one byte of an ASCII mode string as a plain character of the text.
void AppendPlain(std::string& out, std::uint8_t b) {
  if (b == kCodeOpenBracket) {
    out += "[[";
  } else if (b == kCodeCloseBracket) {
    out += "]]";
  } else {
    out.push_back(static_cast<char>(b));
  }
}

void DecodeScanCodeString(std::string_view bytes, std::string& out) {
  const size_t n = bytes.size();
  auto at = [&](size_t i) { return Byte(bytes[i]); };
  int shiftLevel = 0;
  size_t i = 1;  // after the mode byte
  while (i < n) {
    const std::uint8_t b = at(i);
    if (b == kCodeExtended) {
      if (i + 1 >= n) {  // E0 right before the terminator stands alone
        out += kWordExtendedPrefix;
        i += 1;
      } else if (at(i + 1) == kCodeBreak) {
        out += kWordExtendedPrefix;
        out += kWordBreakPrefix;
        i += 2;
      } else if (at(i + 1) == 0x2A) {
        // E0 2A E0 37 is Print Screen; any other continuation is dropped with
        // the bytes examined, which never include the terminator.
        if (i + 3 < n && at(i + 2) == kCodeExtended && at(i + 3) == 0x37) {
          out += kWordPrintScreen;
          i += 4;
        } else {
          size_t examined = 2;
          if (i + 2 < n) examined = at(i + 2) == kCodeExtended && i + 3 < n ? 4 : 3;
          i += examined;
        }
      } else {
        out += WordOfE0ScanCode(at(i + 1));
        i += 2;
      }
    } else if (b == kCodePause) {
      if (i + 2 < n && at(i + 1) == 0x1D && at(i + 2) == 0x45) {
        out += kWordPauseBreak;
        i += 3;
      } else {
        size_t examined = 1;
        if (i + 1 < n) examined = at(i + 1) == 0x1D && i + 2 < n ? 3 : 2;
        i += examined;
      }
    } else if (b == kCodeScanMode) {
      ++shiftLevel;
      i += 1;
    } else if (b == kCodeFunction) {
      // The value byte is the next one; at the end of the string there is none
      // and the stored value reads as 0 (shown as [Delay1]).
      const std::uint8_t value = i + 1 < n ? at(i + 1) : 0;
      out += WordOfScanCode(b, value);
      i += i + 1 < n ? 2 : 1;
    } else {
      out += WordOfScanCode(b);
      i += 1;
    }
  }
  if (shiftLevel != 0) {
    out += kShiftLevelWordPrefix;
    out += std::to_string(shiftLevel);
    out += ']';
  }
}

void DecodeAsciiString(std::string_view bytes, std::string& out) {
  const size_t n = bytes.size();
  auto at = [&](size_t i) { return Byte(bytes[i]); };
  // A function word directly followed by "]]" would re-encode with the 5D
  // first, so such a code is written as plain characters.
  auto closeBracketAt = [&](size_t i) { return i < n && at(i) == kCodeCloseBracket; };
  for (size_t i = 0; i < n; ++i) {
    const std::uint8_t b = at(i);
    if (b == kCodeCR) {
      if (closeBracketAt(i + 1)) {
        AppendPlain(out, b);
      } else {
        out += kWordCR;
      }
    } else if (b == kCodeSeparator) {
      if (closeBracketAt(i + 1)) {
        AppendPlain(out, b);
      } else {
        out += kWordSeparator;
      }
    } else if (b == kCodeFunction) {
      if (i + 1 >= n) {  // FD right before the terminator is a plain character
        AppendPlain(out, b);
        continue;
      }
      const std::uint8_t value = at(i + 1);
      const bool word =
          !closeBracketAt(i + 2) && (value == kCodeCapsValue || (value >= kMinDelay && value <= kMaxDelay));
      if (!word) {
        // Also a delay value no delay word can hold: plain characters keep the bytes.
        AppendPlain(out, b);
        AppendPlain(out, value);
      } else if (value == kCodeCapsValue) {
        out += kWordCaps;
      } else {
        out += kDelayWordPrefix;
        out += std::to_string(value);
        out += ']';
      }
      ++i;
    } else {
      AppendPlain(out, b);
    }
  }
}

}  // namespace

bool IsAsciiContent(std::string_view content) {
  if (content.empty()) return true;
  if (content.find('\0') != std::string_view::npos) return false;
  AsciiValidator validator{content};
  bool openWord = false;
  return ScanContent(content, validator, openWord) && !openWord;
}

bool IsScanCodeContent(std::string_view content) {
  bool inWord = false;
  size_t start = 0;
  for (size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '[') {
      if (inWord) return false;
      inWord = true;
      start = i;
    } else if (c == ']') {
      if (!inWord) return false;
      inWord = false;
      if (LookupScanCode(content.substr(start, i - start + 1)).length == 0) return false;
    } else if (!inWord || c == '\0') {
      return false;
    }
  }
  return !inWord;
}

bool IsValidContent(std::string_view content) {
  return IsAsciiContent(content) || IsScanCodeContent(content);
}

void EncodeContentInto(std::string_view content, std::string& out) {
  out.clear();
  Encoder encoder{out};
  bool openWord = false;
  if (!ScanContent(content, encoder, openWord)) return;  // ended early: the output as it stands
  if (openWord) {
    out.clear();
  } else if (encoder.scanWord) {
    out.insert(out.begin(), static_cast<char>(kCodeScanMode));
  }
}

std::string EncodeContent(std::string_view content) {
  std::string out;
  EncodeContentInto(content, out);
  return out;
}

int EncodedLength(std::string_view content) {
  LengthCounter counter;
  bool openWord = false;
  ScanContent(content, counter, openWord);
  return counter.count + (counter.scanWord ? 1 : 0);
}

std::string DecodeKeyString(std::string_view bytes) {
  std::string out;
  if (bytes.empty()) return out;
  if (Byte(bytes[0]) == kCodeScanMode) {
    DecodeScanCodeString(bytes, out);
  } else {
    DecodeAsciiString(bytes, out);
  }
  return out;
}

std::string ToDecimalForm(std::string_view content) {
  std::string out;
  if (!IsAsciiContent(content)) return out;
  DecimalWriter writer{out};
  bool openWord = false;
  ScanContent(content, writer, openWord);
  return out;
}

bool IsShiftLevelCode(std::string_view content) {
  return content.size() == kShiftLevelWordPrefix.size() + 2 && content.starts_with(kShiftLevelWordPrefix) &&
         content[kShiftLevelWordPrefix.size()] >= '1' && content[kShiftLevelWordPrefix.size()] <= '9' &&
         content.back() == ']';
}

namespace {

// Reads a content as the validators do and notes the first unknown or stray
// word, the first shift level word and the first word that only scan code
// mode knows.
struct FaultFinder {
  ContentFault fault;
  std::string shiftLevelWord;
  std::string scanOnlyWord;
  bool Escape(std::uint8_t) { return true; }
  bool Plain(std::uint8_t) { return true; }
  bool Word(const WordBuffer& word, bool wasOpen) {
    if (!wasOpen) {
      fault.kind = ContentFaultKind::StrayBracket;
      return false;
    }
    const std::string_view text = word.Text();
    const bool asciiWord = word.Is(kWordSeparator) || word.Is(kWordCaps) || word.Is(kWordCR) ||
                           (word.StartsWith(kDelayWordPrefix) && DelayOfWord(text) != 0);
    const bool shiftLevel = IsShiftLevelCode(text);
    const bool scanWord = !text.empty() && LookupScanCode(text).length > 0;
    if (!asciiWord && !shiftLevel && !scanWord) {
      fault.kind = ContentFaultKind::UnknownWord;
      fault.word = std::string(word.Head());
      if (word.Truncated()) fault.word += "...";
      return false;
    }
    if (shiftLevel && shiftLevelWord.empty()) shiftLevelWord = std::string(text);
    if (scanWord && !asciiWord && scanOnlyWord.empty()) scanOnlyWord = std::string(text);
    return true;
  }
};

}  // namespace

ContentFault FindContentFault(std::string_view content) {
  if (IsValidContent(content)) return {};
  if (content.find('\0') != std::string_view::npos) return {ContentFaultKind::ZeroByte, {}};
  FaultFinder finder;
  bool openWord = false;
  if (!ScanContent(content, finder, openWord)) return finder.fault;
  if (openWord) {
    // The open word runs from its '[' (the last one that is not an escape) to the end.
    size_t at = content.size();
    for (size_t i = 0; i < content.size(); ++i) {
      if (content[i] == '[' && i + 1 < content.size() && content[i + 1] == '[') {
        ++i;
      } else if (content[i] == '[') {
        at = i;
      } else if (content[i] == ']' && i + 1 < content.size() && content[i + 1] == ']') {
        ++i;
      } else if (content[i] == ']') {
        at = content.size();
      }
    }
    return {ContentFaultKind::WordNotClosed, std::string(content.substr(std::min(at, content.size())))};
  }
  if (!finder.shiftLevelWord.empty()) return {ContentFaultKind::ShiftLevelNotAlone, finder.shiftLevelWord};
  return {ContentFaultKind::ScanWordMixed, finder.scanOnlyWord};
}

std::string DescribeContentFault(std::string_view content, const std::string& keyName) {
  const ContentFault fault = FindContentFault(content);
  const char* name = keyName.c_str();
  const char* word = fault.word.c_str();
  switch (fault.kind) {
    case ContentFaultKind::None:
      return {};
    case ContentFaultKind::UnknownWord:
      return msg::FormatMessage(msg::Tr(msg::kKeyWordUnknown), name, word);
    case ContentFaultKind::ShiftLevelNotAlone:
      return msg::FormatMessage(msg::Tr(msg::kKeyShiftLevelNotAlone), name, word);
    case ContentFaultKind::ScanWordMixed:
      return msg::FormatMessage(msg::Tr(msg::kKeyScanWordMixed), name, word);
    case ContentFaultKind::WordNotClosed:
      return msg::FormatMessage(msg::Tr(msg::kKeyWordNotClosed), name, word);
    case ContentFaultKind::StrayBracket:
      return msg::FormatMessage(msg::Tr(msg::kKeyStrayBracket), name);
    case ContentFaultKind::ZeroByte:
      return msg::FormatMessage(msg::Tr(msg::kKeyZeroByte), name);
  }
  return {};
}

int FirstInvalidKey(const KeyContents& contents) {
  for (size_t k = 0; k < contents.size(); ++k) {
    if (!IsValidContent(contents[k])) return static_cast<int>(k);
  }
  return -1;
}

}  // namespace vexa
