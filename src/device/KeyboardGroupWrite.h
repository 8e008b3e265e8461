// Writing one template into every connected USB keyboard at once: the way
// integrators program keyboards by the dozen on one hub. A write takes about
// 16 seconds, nearly all of it the keyboard's own waits (250 ms after each
// block), so writing the keyboards side by side, one worker per keyboard,
// costs about the time of one.
//
// The caller makes the workers (vexa-cli one std::thread per keyboard, the
// editor its transfer workers): Write() does one keyboard's whole work on the
// calling thread and may run for different keyboards on different threads at
// once. Each call has ports of its own (bound to that keyboard's path, the
// identity checked on every open), so no report can reach another keyboard,
// and a keyboard that fails never stops the others.
//
// One keyboard's work, in order, with its own progress:
//   1. with a backup function or if-different: read its template; when the
//      read fails the keyboard is not written. If-different: a keyboard that
//      already holds the template is left as it is ("unchanged", no backup,
//      no write). The backup function is handed the template read; when it
//      fails the keyboard is not written;
//   2. write the template (the product's USB write: retries, waits, polls);
//   3. with verify: read it back and compare, naming the blocks that differ.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "device/KeyboardConnection.h"
#include "device/ProgressSink.h"
#include "document/MemoryImage.h"

namespace vexa {

struct KeyboardWriteReport {
  KeyboardDevice keyboard;
  Outcome outcome;         // success, or the failure's full message
  bool verified = false;   // read back and found equal
  bool started = false;    // the write began: after a failure the keyboard is torn
  int failedBlock = -1;    // the write's block that failed every attempt, else -1
  bool backedUp = false;   // the backup function took the keyboard's template
  bool unchanged = false;  // if-different: the keyboard held the template already

  // "written", "verified", "unchanged" or the failure's message on one line.
  [[nodiscard]] std::string ResultText() const;
};

class KeyboardGroupWrite {
 public:
  struct Options {
    bool verify = false;
    // Read the keyboard's template first and write only when it differs.
    bool ifDifferent = false;
    // Given the template a keyboard held before the write; a failure's text
    // refuses that keyboard's write. Called from the keyboard's worker.
    std::function<Outcome(const KeyboardDevice& keyboard, const Image& previous)> backup;
  };

  KeyboardGroupWrite(KeyboardConnection& connection, const Image& image, Options options);

  // The keyboards to write: every keyboard the system lists, those that
  // can't be used included (their Write fails at once with the reason).
  [[nodiscard]] std::vector<KeyboardListing> Targets();
  // One keyboard's work (see above).
  [[nodiscard]] KeyboardWriteReport Write(const KeyboardListing& target, ProgressSink& progress) const;

  // One file name per keyboard, in the same order: the serial number, or the
  // path when a keyboard has none or shares it with another; made of letters,
  // digits, '.', '_' and '-' only, ending in ".bin", never twice the same.
  [[nodiscard]] static std::vector<std::string> BackupNames(const std::vector<KeyboardDevice>& keyboards);
  // The numbers of the 32-byte blocks in which two images differ, as "3, 17".
  [[nodiscard]] static std::string DifferingBlocks(const Image& a, const Image& b);

 private:
  KeyboardConnection& m_connection;
  Image m_image;
  Options m_options;
};

}  // namespace vexa
