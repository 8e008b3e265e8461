// The result of an operation that the user hears about: whether it did what was
// asked, and a text to show (a refusal, a failure, or a warning that goes with a
// success, such as a wrong row count after an import). The editor shows the text
// in a message box, vexa-cli on stderr.
#pragma once

#include <string>
#include <utility>

namespace vexa {

struct Outcome {
  bool ok = true;
  std::string message;  // empty: nothing to show

  static Outcome Success() { return {}; }
  static Outcome Warning(std::string text) { return {true, std::move(text)}; }
  static Outcome Failure(std::string text) { return {false, std::move(text)}; }
};

}  // namespace vexa
