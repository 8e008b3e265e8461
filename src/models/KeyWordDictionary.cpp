#include "models/KeyWordDictionary.h"

#include <iterator>
#include <vector>

namespace vexa {
namespace {

using namespace std::string_view_literals;
using enum KeyWordGroup;

// Word, scan code bytes, help text description and tabs, group, make code of
// the key. The make code follows from the bytes (E0 sets bit 8, the last byte
// is the code) for every key but Num Lock, which PC keyboards report as an
// extended key.
// clang-format off
constexpr NamedKeyWord kNamedWords[] = {
    {"[F1]", "\x3B"sv, "Function key <F1>", 3, FunctionKeys, 0x3B},
    {"[F2]", "\x3C"sv, "Function key <F2>", 3, FunctionKeys, 0x3C},
    {"[F3]", "\x3D"sv, "Function key <F3>", 3, FunctionKeys, 0x3D},
    {"[F4]", "\x3E"sv, "Function key <F4>", 3, FunctionKeys, 0x3E},
    {"[F5]", "\x3F"sv, "Function key <F5>", 3, FunctionKeys, 0x3F},
    {"[F6]", "\x40"sv, "Function key <F6>", 3, FunctionKeys, 0x40},
    {"[F7]", "\x41"sv, "Function key <F7>", 3, FunctionKeys, 0x41},
    {"[F8]", "\x42"sv, "Function key <F8>", 3, FunctionKeys, 0x42},
    {"[F9]", "\x43"sv, "Function key <F9>", 3, FunctionKeys, 0x43},
    {"[F10]", "\x44"sv, "Function key <F10>", 3, FunctionKeys, 0x44},
    {"[F11]", "\x57"sv, "Function key <F11>", 3, FunctionKeys, 0x57},
    {"[F12]", "\x58"sv, "Function key <F12>", 3, FunctionKeys, 0x58},
    {"[ESC]", "\x01"sv, "Function key <Esc>", 3, MainKeys, 0x01},
    {"[Backspace]", "\x0E"sv, "key <Backspace>", 2, MainKeys, 0x0E},
    {"[Tab]", "\x0F"sv, "key <Tab>", 3, MainKeys, 0x0F},
    {"[CapsLock]", "\x3A"sv, "key <Caps Lock>", 2, MainKeys, 0x3A},
    {"[Enter]", "\x1C"sv, "key <Enter>", 3, MainKeys, 0x1C},
    {"[Shift]", "\x2A"sv, "key <Shift> in left", 3, MainKeys, 0x2A},
    {"[RightShift]", "\x36"sv, "key <Shift> in right", 2, MainKeys, 0x36},
    {"[Ctrl]", "\x1D"sv, "key <Ctrl> in left", 3, MainKeys, 0x1D},
    {"[RightCtrl]", "\xE0\x1D"sv, "key <Ctrl> in right", 2, MainKeys, 0x11D},
    {"[Alt]", "\x38"sv, "key <Alt> in left", 3, MainKeys, 0x38},
    {"[RightAlt]", "\xE0\x38"sv, "key <Alt> in right", 2, MainKeys, 0x138},
    {"[Space]", "\x39"sv, "key <space bar>", 2, MainKeys, 0x39},
    {"[Insert]", "\xE0\x52"sv, "Function key <Insert>", 2, SystemKeys, 0x152},
    {"[Delete]", "\xE0\x53"sv, "Function key <Delete>", 2, SystemKeys, 0x153},
    {"[Home]", "\xE0\x47"sv, "Function key <Home>", 2, SystemKeys, 0x147},
    {"[End]", "\xE0\x4F"sv, "Function key <End>", 3, SystemKeys, 0x14F},
    {"[PageUp]", "\xE0\x49"sv, "Function key <Page Up>", 2, SystemKeys, 0x149},
    {"[PageDown]", "\xE0\x51"sv, "Function key <Page Down>", 2, SystemKeys, 0x151},
    {"[ArrowUp]", "\xE0\x48"sv, "Function key <Up Arrow>", 2, SystemKeys, 0x148},
    {"[ArrowLeft]", "\xE0\x4B"sv, "Function key <Left Arrow>", 2, SystemKeys, 0x14B},
    {"[ArrowRight]", "\xE0\x4D"sv, "Function key <Right Arrow>", 2, SystemKeys, 0x14D},
    {"[ArrowDown]", "\xE0\x50"sv, "Function key <Down Arrow>", 2, SystemKeys, 0x150},
    {"[NumLock]", "\x45"sv, "Function key <Num Lock>", 2, SystemKeys, 0x145},
    {"[ScrollLk]", "\x46"sv, "Function key <Scroll Lock>", 2, SystemKeys, 0x46},
    {kWordPrintScreen, "\xE0\x2A\xE0\x37"sv, "Function key <Print Screen>", 2, SystemKeys, 0x137},
    {kWordPauseBreak, "\xE1\x1D\x45"sv, "Function key <Pause Break>", 2, SystemKeys, 0x45},
    {"[Win]", "\xE0\x5B"sv, "Function key <Win> in left", 3, SystemKeys, 0x15B},
    {"[RightWin]", "\xE0\x5C"sv, "Function key <Win> in right", 2, SystemKeys, 0x15C},
    {"[Menu]", "\xE0\x5D"sv, "Function key <Menu>", 2, SystemKeys, 0x15D},
    {"[Ctrl+PauseBreak]", "\xE0\x46"sv, "Function key <Ctrl>+<Pause Break>", 1, Combinations, 0},
    {"[Ctrl+PrintScreen]", "\xE0\x37"sv, "Function key <Ctrl>+<Print Screen>", 1, Combinations, 0},
    {"[Alt+PrintScreen]", "\x54"sv, "Function key <Alt>+<Print Screen>", 1, Combinations, 0},
    {"[PAD0]", "\x52"sv, "number key <0> in keypad", 3, Keypad, 0x52},
    {"[PAD1]", "\x4F"sv, "number key <1> in keypad", 3, Keypad, 0x4F},
    {"[PAD2]", "\x50"sv, "number key <2> in keypad", 3, Keypad, 0x50},
    {"[PAD3]", "\x51"sv, "number key <3> in keypad", 3, Keypad, 0x51},
    {"[PAD4]", "\x4B"sv, "number key <4> in keypad", 3, Keypad, 0x4B},
    {"[PAD5]", "\x4C"sv, "number key <5> in keypad", 3, Keypad, 0x4C},
    {"[PAD6]", "\x4D"sv, "number key <6> in keypad", 3, Keypad, 0x4D},
    {"[PAD7]", "\x47"sv, "number key <7> in keypad", 3, Keypad, 0x47},
    {"[PAD8]", "\x48"sv, "number key <8> in keypad", 3, Keypad, 0x48},
    {"[PAD9]", "\x49"sv, "number key <9> in keypad", 3, Keypad, 0x49},
    {"[PAD+]", "\x4E"sv, "number key <+> in keypad", 3, Keypad, 0x4E},
    {"[PAD-]", "\x4A"sv, "number key <-> in keypad", 3, Keypad, 0x4A},
    {"[PAD*]", "\x37"sv, "number key <*> in keypad", 3, Keypad, 0x37},
    {"[PAD/]", "\xE0\x35"sv, "number key </> in keypad", 3, Keypad, 0x135},
    {"[PAD.]", "\x53"sv, "number key <.> in keypad", 3, Keypad, 0x53},
    {"[PADEnter]", "\xE0\x1C"sv, "number key <Enter> in keypad", 2, Keypad, 0x11C},
    {"[SystemPower]", "\xE0\x5E"sv, "Turn on/off system power", 1, MediaAndPower, 0x15E},
    {"[SystemSleep]", "\xE0\x5F"sv, "make system sleep", 1, MediaAndPower, 0x15F},
    {"[SystemWake]", "\xE0\x63"sv, "make system wake", 1, MediaAndPower, 0x163},
    {"[Forward]", "\xE0\x19"sv, "goto next track", 3, MediaAndPower, 0x119},
    {"[Backward]", "\xE0\x10"sv, "goto previous track", 2, MediaAndPower, 0x110},
    {"[Stop]", "\xE0\x24"sv, "stop", 3, MediaAndPower, 0x124},
    {"[PlayPause]", "\xE0\x22"sv, "play/pause", 2, MediaAndPower, 0x122},
    {"[Mute]", "\xE0\x20"sv, "mute", 3, MediaAndPower, 0x120},
    {"[VolumeUp]", "\xE0\x30"sv, "volume up", 2, MediaAndPower, 0x130},
    {"[VolumeDown]", "\xE0\x2E"sv, "volume down", 1, MediaAndPower, 0x12E},
    {"[MediaSelect]", "\xE0\x6D"sv, "media select", 2, MediaAndPower, 0x16D},
    {"[Mail]", "\xE0\x6C"sv, "mail", 3, MediaAndPower, 0x16C},
    {"[Calculator]", "\xE0\x21"sv, "calculator", 2, MediaAndPower, 0x121},
    {"[MyComputer]", "\xE0\x6B"sv, "My computer", 2, MediaAndPower, 0x16B},
    {"[WWWSearch]", "\xE0\x65"sv, "WWW Search", 1, MediaAndPower, 0x165},
    {"[WWWHome]", "\xE0\x32"sv, "WWW Home", 2, MediaAndPower, 0x132},
    {"[WWWBack]", "\xE0\x6A"sv, "WWW Back", 2, MediaAndPower, 0x16A},
    {"[WWWForward]", "\xE0\x69"sv, "WWW Forward", 1, MediaAndPower, 0x169},
    {"[WWWStop]", "\xE0\x68"sv, "WWW Stop", 2, MediaAndPower, 0x168},
    {"[WWWRefresh]", "\xE0\x67"sv, "WWW Refresh", 1, MediaAndPower, 0x167},
    {"[WWWFavorites]", "\xE0\x66"sv, "WWW Favorites", 1, MediaAndPower, 0x166},
    {kWordExtendedPrefix, "\xE0"sv, "scan code used for generating break codes of special keys", 3, Prefixes, 0},
    {kWordBreakPrefix, "\xF0"sv, "scan code used for generating break codes", 3, Prefixes, 0},
};

// The first word listed for a code is the one the code reads back as.
constexpr CharacterKeyWord kCharacterWords[] = {
    {'1', 0x02}, {'!', 0x02}, {'2', 0x03}, {'@', 0x03}, {'3', 0x04}, {'#', 0x04},
    {'4', 0x05}, {'$', 0x05}, {'5', 0x06}, {'%', 0x06}, {'6', 0x07}, {'^', 0x07},
    {'7', 0x08}, {'&', 0x08}, {'8', 0x09}, {'*', 0x09}, {'9', 0x0A}, {'(', 0x0A},
    {'0', 0x0B}, {')', 0x0B}, {'-', 0x0C}, {'_', 0x0C}, {'=', 0x0D}, {'+', 0x0D},
    {'Q', 0x10}, {'q', 0x10}, {'W', 0x11}, {'w', 0x11}, {'E', 0x12}, {'e', 0x12},
    {'R', 0x13}, {'r', 0x13}, {'T', 0x14}, {'t', 0x14}, {'Y', 0x15}, {'y', 0x15},
    {'U', 0x16}, {'u', 0x16}, {'I', 0x17}, {'i', 0x17}, {'O', 0x18}, {'o', 0x18},
    {'P', 0x19}, {'p', 0x19}, {'{', 0x1A}, {'[', 0x1A}, {'}', 0x1B}, {']', 0x1B},
    {'A', 0x1E}, {'a', 0x1E}, {'S', 0x1F}, {'s', 0x1F}, {'D', 0x20}, {'d', 0x20},
    {'F', 0x21}, {'f', 0x21}, {'G', 0x22}, {'g', 0x22}, {'H', 0x23}, {'h', 0x23},
    {'J', 0x24}, {'j', 0x24}, {'K', 0x25}, {'k', 0x25}, {'L', 0x26}, {'l', 0x26},
    {';', 0x27}, {':', 0x27}, {'\'', 0x28}, {'"', 0x28}, {'`', 0x29}, {'~', 0x29},
    {'\\', 0x2B}, {'|', 0x2B}, {'Z', 0x2C}, {'z', 0x2C}, {'X', 0x2D}, {'x', 0x2D},
    {'C', 0x2E}, {'c', 0x2E}, {'V', 0x2F}, {'v', 0x2F}, {'B', 0x30}, {'b', 0x30},
    {'N', 0x31}, {'n', 0x31}, {'M', 0x32}, {'m', 0x32}, {',', 0x33}, {'<', 0x33},
    {'.', 0x34}, {'>', 0x34}, {'/', 0x35}, {'?', 0x35},
};
// clang-format on

constexpr std::uint8_t Byte(char c) { return static_cast<std::uint8_t>(c); }

// FNV-1a; the word lookup runs for every word of every key on each repaint.
constexpr std::uint32_t HashOf(std::string_view word) {
  std::uint32_t h = 2166136261u;
  for (char c : word) h = (h ^ Byte(c)) * 16777619u;
  return h;
}

// Lookup tables derived once from the constant tables above.
struct Tables {
  // Named words plus [Separator], in an open-addressing hash table by word.
  struct Entry {
    std::string_view word;
    std::string_view bytes;
    bool counted;  // counted by EncodedLengthOfWord ([Separator] is not)
  };
  static constexpr std::uint32_t kBuckets = 512;  // a power of two, several times the word count
  std::vector<Entry> entries;
  std::array<std::int16_t, kBuckets> buckets{};               // index into entries + 1; 0: free
  std::array<std::uint8_t, 256> characterCode{};              // 0: no character word
  std::array<std::string, 256> singleByteWord;                // read-back word of a single stored byte
  std::array<std::string_view, 256> e0Word;                   // read-back word of E0 + byte
  std::array<std::string_view, kMakeCodeCount> makeCodeWord;  // word of the key with a make code

  Tables() {
    for (const NamedKeyWord& w : kNamedWords) {
      entries.push_back({w.word, w.bytes, true});
      if (w.bytes.size() == 1) {
        singleByteWord[Byte(w.bytes[0])] = std::string(w.word);
      } else if (w.bytes.size() == 2 && Byte(w.bytes[0]) == kCodeExtended) {
        e0Word[Byte(w.bytes[1])] = w.word;
      }
    }
    entries.push_back({kWordSeparator, "\xFE"sv, false});
    singleByteWord[kCodeSeparator] = std::string(kWordSeparator);
    for (size_t i = 0; i < entries.size(); ++i) {
      std::uint32_t b = HashOf(entries[i].word) & (kBuckets - 1);
      while (buckets[b] != 0) b = (b + 1) & (kBuckets - 1);
      buckets[b] = static_cast<std::int16_t>(i + 1);
    }

    for (const CharacterKeyWord& c : kCharacterWords) {
      characterCode[Byte(c.character)] = c.code;
      if (singleByteWord[c.code].empty()) singleByteWord[c.code] = std::string{'[', c.character, ']'};
    }

    // The word of each key by make code; a character key is named by the word
    // its code reads back as.
    for (const NamedKeyWord& w : kNamedWords) {
      if (w.makeCode != 0) makeCodeWord[static_cast<size_t>(w.makeCode)] = w.word;
    }
    for (const CharacterKeyWord& c : kCharacterWords) makeCodeWord[c.code] = singleByteWord[c.code];
  }
};

const Tables& GetTables() {
  static const Tables tables;
  return tables;
}

std::string HelpText() {
  std::string text = " Symbol:\t\tFunction Key's Name\n ";
  text.append(41, '=');
  text += '\n';
  for (size_t i = 0; i < std::size(kNamedWords); ++i) {
    const NamedKeyWord& w = kNamedWords[i];
    text += ' ';
    text += w.word;
    text.append(static_cast<size_t>(w.tabs), '\t');
    text += w.description;
    text += '\n';
    if (EndsKeyWordGroup(i)) text += '\n';
  }
  text +=
      " Note:\tNormal alpha-numeric characters and symbols are represented in scan code as\n"
      "\tthe character itself enclosed in square brackets.  For example [A] [B] [C]\n"
      "\t[1] [2] [3] [-] [;] [,] [/].\n";
  return text;
}

ScanCodeBytes ToScanCodeBytes(std::string_view bytes) {
  ScanCodeBytes out;
  out.length = static_cast<int>(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) out.bytes[i] = Byte(bytes[i]);
  return out;
}

// The table entry for a character or named word (or [Separator]); null when none.
const Tables::Entry* FindEntry(std::string_view word) {
  const Tables& t = GetTables();
  for (std::uint32_t b = HashOf(word) & (Tables::kBuckets - 1); t.buckets[b] != 0;
       b = (b + 1) & (Tables::kBuckets - 1)) {
    const Tables::Entry& e = t.entries[static_cast<size_t>(t.buckets[b] - 1)];
    if (e.word == word) return &e;
  }
  return nullptr;
}

int CharacterWordCode(std::string_view word) {
  if (word.size() != 3 || word[0] != '[' || word[2] != ']') return 0;
  return GetTables().characterCode[Byte(word[1])];
}

}  // namespace

std::span<const NamedKeyWord> NamedKeyWords() { return kNamedWords; }

bool EndsKeyWordGroup(size_t index) {
  const std::span<const NamedKeyWord> words = kNamedWords;
  return index + 1 >= words.size() || words[index + 1].group != words[index].group;
}

std::span<const CharacterKeyWord> CharacterKeyWords() { return kCharacterWords; }

int DelayOfWord(std::string_view word) {
  if (!word.starts_with(kDelayWordPrefix)) return 0;
  std::string_view rest = word.substr(kDelayWordPrefix.size());
  int value = 0;
  size_t digits = 0;
  while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
    if (digits == 3) return 0;  // a fourth digit
    value = value * 10 + (rest[digits] - '0');
    ++digits;
  }
  if (digits == 0 || rest.substr(digits) != "]") return 0;
  return value >= kMinDelay && value <= kMaxDelay ? value : 0;
}

ScanCodeBytes LookupScanCode(std::string_view word) {
  if (int code = CharacterWordCode(word); code != 0) {
    ScanCodeBytes out;
    out.bytes[0] = static_cast<std::uint8_t>(code);
    out.length = 1;
    return out;
  }
  if (const Tables::Entry* e = FindEntry(word)) return ToScanCodeBytes(e->bytes);
  if (int delay = DelayOfWord(word); delay != 0) {
    ScanCodeBytes out;
    out.bytes[0] = kCodeFunction;
    out.bytes[1] = static_cast<std::uint8_t>(delay);
    out.length = 2;
    return out;
  }
  return {};
}

std::string ScanCodeOfWord(std::string_view word) {
  const ScanCodeBytes code = LookupScanCode(word);
  return std::string(code.bytes.begin(), code.bytes.begin() + code.length);
}

int EncodedLengthOfWord(std::string_view word) {
  if (CharacterWordCode(word) != 0) return 1;
  const Tables::Entry* e = FindEntry(word);
  return e && e->counted ? static_cast<int>(e->bytes.size()) : 0;
}

std::string WordOfScanCode(std::uint8_t b, std::uint8_t next) {
  if (b == kCodeFunction) {
    if (next == kCodeCapsValue) return {};
    int delay = next == 0 ? 1 : next > kMaxDelay ? 249 : next;
    return std::string(kDelayWordPrefix) + std::to_string(delay) + "]";
  }
  return GetTables().singleByteWord[b];
}

std::string WordOfE0ScanCode(std::uint8_t b) { return std::string(GetTables().e0Word[b]); }

std::string_view WordOfMakeCode(int makeCode) {
  if (makeCode < 0 || makeCode >= kMakeCodeCount) return {};
  return GetTables().makeCodeWord[static_cast<size_t>(makeCode)];
}

std::string CharacterWord(char c) {
  if (GetTables().characterCode[Byte(c)] == 0) return {};
  return {'[', c, ']'};
}

std::string_view KeyWordHelpText() {
  static const std::string text = HelpText();
  return text;
}

std::string KeyWordHelpColumns() {
  std::string columns;
  for (char c : KeyWordHelpText()) {
    if (c == '\t' && !columns.empty() && columns.back() == '\t') continue;
    columns += c;
  }
  return columns;
}

}  // namespace vexa
