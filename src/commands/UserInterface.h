// Every modal question, message and chooser of the editor goes through this
// interface: QtUserInterface shows real dialogs, ScriptedUserInterface answers
// from a script in tests. Paths are local 8-bit (UTF-8) strings; message texts
// are the texts of Messages.h and of the document's Outcomes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"

namespace vexa {

struct CardReaderSettings;
struct FeatureSettings;
enum class PortKind : int;  // device/KeyboardConnection.h
struct KeyboardDevice;      // device/CUSBport.h

enum class SaveAnswer { Yes, No, Cancel };

// The port dialog's answer: the port, and whether the next starts take it
// without asking.
struct PortAnswer {
  PortKind kind;
  bool dontAskAtStart = false;
};
enum class TextFileUse { Import, Export };

class UserInterface {
 public:
  // ChooseKeyboard's answer for "All connected keyboards".
  static constexpr int kAllKeyboards = -1;

  virtual ~UserInterface() = default;

  // A message box with an OK button, captioned with the application title,
  // with the icon of its kind.
  virtual void Message(const std::string& text, MessageKind kind) = 0;
  // A warning: refusals and failures the user can do something about.
  void Message(const std::string& text) { Message(text, MessageKind::Warning); }
  // The text of an outcome, if it has one, in the outcome's kind.
  void Show(const Outcome& outcome) {
    if (!outcome.message.empty()) Message(outcome.message, outcome.kind);
  }
  // A line in the status bar, for what needs no answer: why a keystroke was
  // refused, that a write has ended. It stays until the next one replaces it.
  virtual void StatusLine(const std::string& text) = 0;
  // "Save changes to <name>?" with Yes, No and Cancel: a question. `name`
  // names the template file that Save will write.
  virtual SaveAnswer AskSaveChanges(const std::string& name) = 0;
  // The model switch confirmation; true for Yes.
  virtual bool ConfirmModelSwitch() = 0;
  // The template file choosers; nullopt when cancelled. Open offers all files;
  // Save As offers template files (*.bin) and all files, opens with `suggested`
  // and gives a name typed without an extension the extension .bin.
  virtual std::optional<std::string> ChooseOpenFile() = 0;
  virtual std::optional<std::string> ChooseSaveFile(const std::string& suggested) = 0;
  // The text template chooser in its import or export form.
  virtual std::optional<std::string> ChooseTextFile(TextFileUse use) = 0;
  // The chooser of Export Picture: a file name ending in .svg, .png or .pdf
  // (the chosen type's extension added to a name typed without one).
  virtual std::optional<std::string> ChoosePictureFile(const std::string& suggested) = 0;
  virtual void ShowAbout() = 0;
  virtual void ShowKeyWordTable() = 0;
  // The code entry dialogs of the Key Edit menu; nullopt when cancelled.
  // Delay time in tenths of a second (1..100), shift level (1..9), a character
  // code (1..240; the field opens showing `initial`) and a scan code word (the
  // list opens at `initial`; the text is returned as picked or typed).
  virtual std::optional<int> AskDelayTime() = 0;
  virtual std::optional<int> AskShiftLevel() = 0;
  virtual std::optional<int> AskAsciiCode(int initial) = 0;
  virtual std::optional<std::string> AskScanCode(const std::string& initial) = 0;
  // "Select Communication Port" (at start, before a transfer without a port,
  // and from Configuration > Communication Port...), opening with `initial`
  // selected and "Don't ask at start" as `dontAskAtStart`; nullopt when
  // cancelled.
  virtual std::optional<PortAnswer> ChoosePort(PortKind initial, bool dontAskAtStart) = 0;
  // "Select Connected Keyboard", when a transfer finds more than one USB
  // keyboard: the index of the chosen one in `keyboards`, kAllKeyboards
  // (offered when `offerAll`, for Write Into KB), or nullopt when cancelled.
  virtual std::optional<int> ChooseKeyboard(const std::vector<KeyboardDevice>& keyboards, bool offerAll) = 0;
  // "Config KB properties" and "Config MR properties": the dialog opens with
  // `values` and writes the user's values back into them; true for OK, false
  // (values untouched) for Cancel.
  virtual bool EditFeatureSettings(FeatureSettings& values) = 0;
  virtual bool EditCardReaderSettings(CardReaderSettings& values) = 0;
};

}  // namespace vexa
