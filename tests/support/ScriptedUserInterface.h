// A UserInterface for tests: questions are answered from queues filled by the
// test, every call is recorded. An unanswered question counts as Cancel / No /
// cancelled chooser, so a test that forgot an answer never blocks or saves.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "commands/UserInterface.h"
#include "device/KeyboardConnection.h"
#include "document/CardReaderSettings.h"
#include "document/FeatureSettings.h"

namespace vexa {

class ScriptedUserInterface final : public UserInterface {
 public:
  std::deque<SaveAnswer> saveAnswers;
  std::deque<bool> modelSwitchAnswers;
  std::deque<std::optional<std::string>> fileAnswers;  // for all four choosers, in order
  // The code entry dialogs' answers; nullopt answers Cancel.
  std::deque<std::optional<int>> delayAnswers;
  std::deque<std::optional<int>> shiftLevelAnswers;
  std::deque<std::optional<int>> asciiCodeAnswers;
  std::deque<std::optional<std::string>> scanCodeAnswers;
  std::vector<std::string> codeDialogs;  // "delay", "shift level", "ascii 32", "scan code [F6]"
  std::deque<std::optional<PortKind>> portAnswers;
  std::deque<bool> portDontAskAnswers;  // the box as the user leaves it (default: clear)
  // The keyboard chooser's answers: an index, kAllKeyboards, or nullopt (Cancel).
  std::deque<std::optional<int>> keyboardAnswers;
  // The values a settings dialog returns with OK; nullopt answers Cancel.
  std::deque<std::optional<FeatureSettings>> featureAnswers;
  std::deque<std::optional<CardReaderSettings>> cardReaderAnswers;

  std::vector<std::string> messages;
  std::vector<std::string> statusLines;
  std::vector<std::string> saveSuggestions;  // the name each Save As chooser opened with
  std::vector<MessageKind> messageKinds;     // the kind of each message, in the same order
  std::vector<std::string> saveQuestions;    // the names asked about
  std::vector<TextFileUse> textChoosers;
  std::vector<std::string> pictureChoosers;  // the names each picture chooser suggested
  int modelSwitchQuestions = 0;
  int openChoosers = 0;
  int saveChoosers = 0;
  int aboutShown = 0;
  int keyWordTableShown = 0;
  int portChoosers = 0;
  std::vector<PortKind> portInitials;  // the port each port dialog opened with
  std::vector<bool> portDontAskShown;  // the state its "Don't ask at start" box opened with
  // The paths each keyboard chooser offered, and whether it offered them all.
  std::vector<std::vector<std::string>> keyboardChoosers;
  std::vector<bool> keyboardChoosersOfferedAll;
  std::vector<FeatureSettings> featureDialogs;  // the values each dialog opened with
  std::vector<CardReaderSettings> cardReaderDialogs;

  using UserInterface::Message;
  void Message(const std::string& text, MessageKind kind) override {
    messages.push_back(text);
    messageKinds.push_back(kind);
  }
  void StatusLine(const std::string& text) override { statusLines.push_back(text); }
  SaveAnswer AskSaveChanges(const std::string& name) override {
    saveQuestions.push_back(name);
    return Pop(saveAnswers, SaveAnswer::Cancel);
  }
  bool ConfirmModelSwitch() override {
    ++modelSwitchQuestions;
    return Pop(modelSwitchAnswers, false);
  }
  std::optional<std::string> ChooseOpenFile() override {
    ++openChoosers;
    return Pop(fileAnswers, std::optional<std::string>{});
  }
  std::optional<std::string> ChooseSaveFile(const std::string& suggested) override {
    ++saveChoosers;
    saveSuggestions.push_back(suggested);
    return Pop(fileAnswers, std::optional<std::string>{});
  }
  std::optional<std::string> ChooseTextFile(TextFileUse use) override {
    textChoosers.push_back(use);
    return Pop(fileAnswers, std::optional<std::string>{});
  }
  std::optional<std::string> ChoosePictureFile(const std::string& suggested) override {
    pictureChoosers.push_back(suggested);
    return Pop(fileAnswers, std::optional<std::string>{});
  }
  void ShowAbout() override { ++aboutShown; }
  void ShowKeyWordTable() override { ++keyWordTableShown; }
  std::optional<int> AskDelayTime() override {
    codeDialogs.push_back("delay");
    return Pop(delayAnswers, std::optional<int>{});
  }
  std::optional<int> AskShiftLevel() override {
    codeDialogs.push_back("shift level");
    return Pop(shiftLevelAnswers, std::optional<int>{});
  }
  std::optional<int> AskAsciiCode(int initial) override {
    codeDialogs.push_back("ascii " + std::to_string(initial));
    return Pop(asciiCodeAnswers, std::optional<int>{});
  }
  std::optional<std::string> AskScanCode(const std::string& initial) override {
    codeDialogs.push_back("scan code " + initial);
    return Pop(scanCodeAnswers, std::optional<std::string>{});
  }
  std::optional<PortAnswer> ChoosePort(PortKind initial, bool dontAskAtStart) override {
    ++portChoosers;
    portInitials.push_back(initial);
    portDontAskShown.push_back(dontAskAtStart);
    const std::optional<PortKind> kind = Pop(portAnswers, std::optional<PortKind>{});
    const bool dontAsk = Pop(portDontAskAnswers, false);
    if (!kind) return std::nullopt;
    return PortAnswer{*kind, dontAsk};
  }
  std::optional<int> ChooseKeyboard(const std::vector<KeyboardDevice>& keyboards, bool offerAll) override {
    std::vector<std::string> paths;
    for (const KeyboardDevice& k : keyboards) paths.push_back(k.path);
    keyboardChoosers.push_back(paths);
    keyboardChoosersOfferedAll.push_back(offerAll);
    return Pop(keyboardAnswers, std::optional<int>{});
  }
  bool EditFeatureSettings(FeatureSettings& values) override {
    featureDialogs.push_back(values);
    return Answer(featureAnswers, values);
  }
  bool EditCardReaderSettings(CardReaderSettings& values) override {
    cardReaderDialogs.push_back(values);
    return Answer(cardReaderAnswers, values);
  }

 private:
  template <typename T>
  static T Pop(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
  template <typename T>
  static bool Answer(std::deque<std::optional<T>>& queue, T& values) {
    std::optional<T> answer = Pop(queue, std::optional<T>{});
    if (!answer) return false;
    values = std::move(*answer);
    return true;
  }
};

}  // namespace vexa
