// The result of an operation that the user hears about: whether it did what was
// asked, and a text to show (a refusal, a failure, or a warning that goes with a
// success, such as a wrong row count after an import). The editor shows the text
// in a message box, vexa-cli on stderr.
#pragma once

#include <string>
#include <utility>

namespace vexa {

// How the editor presents a text: a question (the question icon), a warning
// (the exclamation icon: refusals, failures and warnings), a stop (the stop
// icon: a failure after which the program cannot go on), or information (the
// information icon: a success worth telling, such as a write into several
// keyboards). vexa-cli prints all of them the same way.
enum class MessageKind { Warning, Question, Stop, Information };

struct Outcome {
  bool ok = true;
  std::string message;  // empty: nothing to show
  MessageKind kind = MessageKind::Warning;

  static Outcome Success() { return {}; }
  static Outcome Warning(std::string text) { return {true, std::move(text)}; }
  static Outcome Failure(std::string text) { return {false, std::move(text)}; }
  // A failure that ends the program (shown with the stop icon).
  static Outcome Stop(std::string text) { return {false, std::move(text), MessageKind::Stop}; }
  // A success to tell (shown with the information icon).
  static Outcome Information(std::string text) { return {true, std::move(text), MessageKind::Information}; }
};

}  // namespace vexa
