// Key contents: the text a user writes for one key, and its byte form in the
// keyboard's memory image.
//
// A key content is an 8-bit string read left to right: "[[" and "]]" are one
// literal bracket each (recognised everywhere, even between the brackets of an
// open word, where they do not become part of the word); a single '[' opens a
// key word that runs to the next ']'; anything else is a plain character.
//
// Two key modes follow from the content (an empty content is ASCII mode):
//  - ASCII mode: plain characters and the function words [CR] (0D), [Separator]
//    (FE), [Caps] (FD FC), [Delay n] (FD n, n 1..250), or the whole content
//    [ShiftLevelN] (N + 1 bytes FF, N 1..9).
//  - Scan code mode: key words of the dictionary plus [Separator] and [Delay n];
//    stored as FF followed by the words' bytes.
//
// Traps:
//  - 0x00 ends a key string in the image. A content holding a 0x00 byte (it can
//    only come from an imported file) is invalid, and the encoder drops such
//    bytes so that no content ever shifts the keys after it.
//  - "]]" wins over the closing bracket of a word: the text [CR]]] encodes to
//    5D 0D. So when a function code is directly followed by 5D, the decoder
//    writes the code as plain characters; loading and saving keeps the bytes.
//  - A content in ASCII mode whose first character is the byte FF stores as a
//    scan code mode string; that is what the keyboard will make of it too.
#pragma once

#include <string>
#include <string_view>

#include "document/MemoryImage.h"

namespace vexa {

// True when the content is a valid ASCII mode content (the empty content too).
[[nodiscard]] bool IsAsciiContent(std::string_view content);
// True when the content is a valid scan code mode content (the empty content too).
[[nodiscard]] bool IsScanCodeContent(std::string_view content);
// True when either key mode accepts the content.
[[nodiscard]] bool IsValidContent(std::string_view content);

// The bytes of the key string, without its terminator. Defined for every
// content; for invalid ones the result is shortened or empty, never holds 0x00.
[[nodiscard]] std::string EncodeContent(std::string_view content);
// Same, written into `out` (cleared first); lets a caller reuse one buffer.
void EncodeContentInto(std::string_view content, std::string& out);

// The number of bytes the content takes in the image, without its terminator;
// the figure behind the space-left display. Equals EncodeContent(content).size()
// for every valid content.
[[nodiscard]] int EncodedLength(std::string_view content);

// The content text of one stored key string (its bytes without the 0x00).
// Never reads outside `bytes`: a prefix byte at the end stands alone.
[[nodiscard]] std::string DecodeKeyString(std::string_view bytes);

// The decimal display of an ASCII mode content: every plain character (and each
// escaped bracket) as "[" + its byte value + "]", function words unchanged.
// Empty for a content that IsAsciiContent refuses. Example: Ab[CR] gives
// [65][98][CR].
[[nodiscard]] std::string ToDecimalForm(std::string_view content);

// True when the content is a shift level code: "[ShiftLevelN]" (N 1..9) and
// nothing else. Such a content is the whole of its key; nothing may be added.
[[nodiscard]] bool IsShiftLevelCode(std::string_view content);

// Why neither key mode accepts a content, and the word that is wrong.
enum class ContentFaultKind {
  None,                // the content is valid
  UnknownWord,         // a word that is neither a function word nor a scan code word
  ShiftLevelNotAlone,  // a shift level code with anything else in the key
  ScanWordMixed,       // a scan code word among characters or ASCII mode words
  WordNotClosed,       // a '[' without its ']'
  StrayBracket,        // a single ']' that closes no word
  ZeroByte,            // a 0x00 byte (only an imported file can hold one)
};
struct ContentFault {
  ContentFaultKind kind = ContentFaultKind::None;
  std::string word;  // the word at fault as the content has it; empty where there is none
};
// The first fault of the content, read the way the validators read it.
[[nodiscard]] ContentFault FindContentFault(std::string_view content);
// The line under "Wrong function word or scan code word!!" for a key named
// `keyName`: which word is wrong and why. Empty for a valid content.
[[nodiscard]] std::string DescribeContentFault(std::string_view content, const std::string& keyName);

// Index of the first key (0..175) whose content neither key mode accepts; -1
// when all 176 are valid.
[[nodiscard]] int FirstInvalidKey(const KeyContents& contents);

}  // namespace vexa
