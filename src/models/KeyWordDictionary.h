// The key word dictionary: the bracketed words of a key content and the PC scan
// codes (set 1 make codes) they stand for, the function words that the keyboard
// interprets itself, and the key word help text of the Key Word List.
//
// All comparisons are exact, case-sensitive byte comparisons of the whole word,
// brackets included: "[f1]" and "[F1 ]" are not words. Byte sequences are
// returned as std::string of unsigned 8-bit values.
//
// Traps:
//  - Character words ignore Shift: "[a]" and "[A]" are both 1E, "[!]" is 02 like
//    "[1]". Reading back always gives one fixed spelling ("[A]", "[1]", "[{]").
//  - "[[]" and "[]]" are words, but the bracket escapes of a key content keep
//    them from ever being formed; "[{]" and "[}]" are the usable spellings.
//  - A stored delay value 0 reads back as [Delay1] and anything above 250 as
//    [Delay249]; FD FC (the Caps code) reads back as nothing in scan code mode.
//  - E0, E1 and FF are prefixes that the key string decoder handles itself
//    before it asks this dictionary about single bytes.
//  - A word's make code (the key as the key editor sees it) is not always its
//    scan code bytes: PC keyboards report Num Lock as the extended key 0x145
//    although [NumLock] is the single byte 45, and Pause as the plain 0x45
//    although [PauseBreak] is E1 1D 45.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vexa {

// Function words and their codes.
inline constexpr std::string_view kWordSeparator = "[Separator]";
inline constexpr std::string_view kWordCaps = "[Caps]";
inline constexpr std::string_view kWordCR = "[CR]";
inline constexpr std::string_view kDelayWordPrefix = "[Delay";            // + 1..3 digits + "]"
inline constexpr std::string_view kShiftLevelWordPrefix = "[ShiftLevel";  // + one digit 1..9 + "]"
inline constexpr int kMinDelay = 1;
inline constexpr int kMaxDelay = 250;

inline constexpr std::uint8_t kCodeCR = 0x0D;
inline constexpr std::uint8_t kCodeOpenBracket = 0x5B;
inline constexpr std::uint8_t kCodeCloseBracket = 0x5D;
inline constexpr std::uint8_t kCodeFunction = 0xFD;  // followed by FC (Caps) or a delay value
inline constexpr std::uint8_t kCodeCapsValue = 0xFC;
inline constexpr std::uint8_t kCodeSeparator = 0xFE;
inline constexpr std::uint8_t kCodeScanMode = 0xFF;  // first byte: scan code mode; repeated: shift level
inline constexpr std::uint8_t kCodeExtended = 0xE0;  // prefix of the extended keys
inline constexpr std::uint8_t kCodePause = 0xE1;     // prefix of Pause
inline constexpr std::uint8_t kCodeBreak = 0xF0;

// Named scan code words that the key string decoder writes itself, because it
// recognises their bytes as a sequence before it reads single bytes.
inline constexpr std::string_view kWordExtendedPrefix = "[0E0]";  // a lone E0
inline constexpr std::string_view kWordBreakPrefix = "[0F0]";     // F0
inline constexpr std::string_view kWordPrintScreen = "[PrintScreen]";
inline constexpr std::string_view kWordPauseBreak = "[PauseBreak]";

// The groups of the named scan code words, in the order of the help text; the
// help text has an empty line after each group.
enum class KeyWordGroup : std::uint8_t {
  FunctionKeys,   // [F1] .. [F12]
  MainKeys,       // [ESC] .. [Space]: Esc, the editing keys and modifiers of the main block
  SystemKeys,     // [Insert] .. [Menu]: navigation block, locks, Print Screen, Pause, Windows keys
  Combinations,   // [Ctrl+PauseBreak] .. [Alt+PrintScreen]: what a key sends with Ctrl or Alt held
  Keypad,         // [PAD0] .. [PADEnter]
  MediaAndPower,  // [SystemPower] .. [WWWFavorites]
  Prefixes,       // [0E0], [0F0]: bare prefix bytes, placed by hand
};

// Make codes as the key editor identifies physical keys: bits 0-7 the scan
// code set 1 make code, bit 8 for the extended (E0) keys.
inline constexpr int kMakeCodeExtended = 0x100;
inline constexpr int kMakeCodeCount = 0x200;  // make codes are below this

// One row of the named scan code words, in the order of the key word help text.
struct NamedKeyWord {
  std::string_view word;         // "[F1]"
  std::string_view bytes;        // scan code bytes, 1..4 of them
  std::string_view description;  // "Function key <F1>"
  int tabs;                      // tab characters between word and description in the help text
  KeyWordGroup group;
  int makeCode;  // the key the word names (see kMakeCodeExtended); 0 for the
                 // combinations and prefixes, which name no single key
};

// The named scan code words ([F1] .. [0F0]), media and power words included.
std::span<const NamedKeyWord> NamedKeyWords();
// Whether the named word at `index` is the last of its group (the help text
// has an empty line after it).
[[nodiscard]] bool EndsKeyWordGroup(size_t index);

// One character word: the printable character between the brackets and its code.
struct CharacterKeyWord {
  char character;
  std::uint8_t code;
};
std::span<const CharacterKeyWord> CharacterKeyWords();

// The scan code bytes of one scan code mode word (character words, named words,
// [Separator] and well-formed delay words); empty when the word is unknown or
// malformed.
std::string ScanCodeOfWord(std::string_view word);

// Bytes of a scan code word from the character and named tables (1 to 4); 0 for
// any other word. The function words ([Separator], delay words) count 0 here:
// the key content length count adds them itself.
int EncodedLengthOfWord(std::string_view word);

// The word one stored byte reads back as in scan code mode; empty when the byte
// has no word. For 0xFD, `next` is the value byte that goes with it.
std::string WordOfScanCode(std::uint8_t b, std::uint8_t next = 0);

// The word that E0 followed by `b` reads back as; empty when there is none.
std::string WordOfE0ScanCode(std::uint8_t b);

// The word of the key with this make code (see kMakeCodeExtended): the named
// word of the key, or for a character key its character word as the key's
// code reads back ("[A]", "[1]", "[;]", "[{]"); empty for a key without a word
// and for anything outside 0..kMakeCodeCount-1.
[[nodiscard]] std::string_view WordOfMakeCode(int makeCode);

// The character word of `c` ("[" c "]") when the dictionary has one; empty
// otherwise. Letters keep their case: 'a' gives "[a]".
[[nodiscard]] std::string CharacterWord(char c);

// The key word help text of the Key Word List, final line feed included.
std::string_view KeyWordHelpText();
// The same text with every run of tabs as one tab: its counts of tabs line the
// descriptions up only with the tab stops of one particular proportional
// font. Shown with one tab stop past the longest text before a tab, every
// description starts in the same column.
[[nodiscard]] std::string KeyWordHelpColumns();

// --- Allocation-free forms for the encoder and the length count ------------------

struct ScanCodeBytes {
  std::array<std::uint8_t, 4> bytes{};
  int length = 0;  // 0: no such word
};
ScanCodeBytes LookupScanCode(std::string_view word);

// The delay value of a well-formed delay word ("[Delay" + 1..3 digits + "]",
// value 1..250), else 0.
int DelayOfWord(std::string_view word);

}  // namespace vexa
