// The real dialogs of the editor: message boxes captioned with the application
// title, the save question, the model switch confirmation, the file choosers,
// the About box and the Key Word List.
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include "commands/UserInterface.h"

namespace vexa {

class QtUserInterface final : public UserInterface {
 public:
  // The message box icon of each kind of message.
  [[nodiscard]] static QMessageBox::Icon IconOf(MessageKind kind);

  explicit QtUserInterface(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }

  using UserInterface::Message;
  void Message(const std::string& text, MessageKind kind) override;
  // The status bar of the main window; lines are dropped until it is set.
  void SetStatusBar(QStatusBar* statusBar) { m_statusBar = statusBar; }
  void StatusLine(const std::string& text) override;
  SaveAnswer AskSaveChanges(const std::string& name) override;
  bool ConfirmModelSwitch() override;
  std::optional<std::string> ChooseOpenFile() override;
  std::optional<std::string> ChooseSaveFile(const std::string& suggested) override;
  // Save As: the filters, the default extension and the suggested name.
  static void ConfigureSaveChooser(QFileDialog& dialog, const std::string& suggested);
  std::optional<std::string> ChooseTextFile(TextFileUse use) override;
  std::optional<std::string> ChoosePictureFile(const std::string& suggested) override;
  void ShowAbout() override;
  void ShowKeyWordTable() override;
  std::optional<int> AskDelayTime() override;
  std::optional<int> AskShiftLevel() override;
  std::optional<int> AskAsciiCode(int initial) override;
  std::optional<std::string> AskScanCode(const std::string& initial) override;
  std::optional<PortAnswer> ChoosePort(PortKind initial, bool dontAskAtStart) override;
  std::optional<int> ChooseKeyboard(const std::vector<KeyboardDevice>& keyboards, bool offerAll) override;
  bool EditFeatureSettings(FeatureSettings& values) override;
  bool EditCardReaderSettings(CardReaderSettings& values) override;

 private:
  QPointer<QWidget> m_parent;
  QPointer<QStatusBar> m_statusBar;
};

}  // namespace vexa
