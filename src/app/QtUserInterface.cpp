#include "app/QtUserInterface.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "app/CAboutDlg.h"
#include "base/Messages.h"
#include "device/ui/CSelectConnectedKeyboard.h"
#include "device/ui/CSelectPort.h"
#include "document/ui/CMREdit.h"
#include "document/ui/CProperty.h"
#include "i18n/Translations.h"
#include "models/ui/CDelayTime.h"
#include "models/ui/CInputASCIICode.h"
#include "models/ui/CInputSCanCode.h"
#include "models/ui/CKeyWordTable.h"
#include "models/ui/CSelectKeyboard.h"
#include "models/ui/CShiftLevel.h"
#include "models/ui/CTextFileNamePath.h"

namespace vexa {

namespace {

QString Caption() {
  return QString::fromLatin1(msg::kAppTitle.data(), static_cast<qsizetype>(msg::kAppTitle.size()));
}
// Messages carry file paths (UTF-8 on this system) and 8-bit key texts.
QString FromLocal(const std::string& text) { return QString::fromLocal8Bit(text); }
std::string ToLocal(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace

QMessageBox::Icon QtUserInterface::IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Question:
      return QMessageBox::Question;
    case MessageKind::Stop:
      return QMessageBox::Critical;
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Warning:
      break;
  }
  return QMessageBox::Warning;
}

void QtUserInterface::Message(const std::string& text, MessageKind kind) {
  QMessageBox box(IconOf(kind), Caption(), FromLocal(text), QMessageBox::Ok, m_parent);
  box.exec();
}

void QtUserInterface::StatusLine(const std::string& text) {
  if (m_statusBar) m_statusBar->showMessage(FromLocal(text));
}

SaveAnswer QtUserInterface::AskSaveChanges(const std::string& name) {
  const QString text = i18n::FromBytes(msg::Tr(msg::kSaveChanges)).arg(FromLocal(name));
  QMessageBox box(IconOf(MessageKind::Question), Caption(), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return SaveAnswer::Yes;
    case QMessageBox::No:
      return SaveAnswer::No;
    default:
      return SaveAnswer::Cancel;
  }
}

bool QtUserInterface::ConfirmModelSwitch() {
  CSelectKeyboard dialog(m_parent);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> QtUserInterface::ChooseOpenFile() {
  const QString path = QFileDialog::getOpenFileName(
      //: The title of the file chooser that opens a template.
      m_parent, QCoreApplication::translate("QtUserInterface", "Open"), QString(),
      QCoreApplication::translate("QtUserInterface", "All Files (*)"));
  if (path.isEmpty()) return std::nullopt;
  return ToLocal(path);
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const std::string& suggested) {
  QFileDialog dialog(m_parent, QCoreApplication::translate("QtUserInterface", "Save As"));
  ConfigureSaveChooser(dialog, suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToLocal(dialog.selectedFiles().constFirst());
}

void QtUserInterface::ConfigureSaveChooser(QFileDialog& dialog, const std::string& suggested) {
  auto q = [](std::string_view text) { return i18n::FromBytes(text); };
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({q(msg::Tr(msg::kTemplateFilesFilter)), q(msg::Tr(msg::kAllFilesFilter))});
  // The chooser adds the extension itself, so its overwrite question is asked
  // for the file that will be written.
  dialog.setDefaultSuffix(q(msg::kTemplateExtension).mid(1));
  dialog.selectFile(FromLocal(suggested));
}

std::optional<std::string> QtUserInterface::ChooseTextFile(TextFileUse use) {
  CTextFileNamePath dialog(
      use == TextFileUse::Import ? CTextFileNamePath::Use::Import : CTextFileNamePath::Use::Export, m_parent);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToLocal(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtUserInterface::ChoosePictureFile(const std::string& suggested) {
  const QStringList filters{QCoreApplication::translate("QtUserInterface", "PDF document (*.pdf)"),
                            QCoreApplication::translate("QtUserInterface", "SVG picture (*.svg)"),
                            QCoreApplication::translate("QtUserInterface", "PNG picture (*.png)")};
  const QStringList suffixes{QStringLiteral("pdf"), QStringLiteral("svg"), QStringLiteral("png")};
  QFileDialog dialog(m_parent, QCoreApplication::translate("QtUserInterface", "Export Picture"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(suffixes.front());
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &filters, &suffixes](const QString& f) {
        dialog.setDefaultSuffix(suffixes.value(static_cast<int>(filters.indexOf(f)), suffixes.front()));
      });
  if (!suggested.empty()) dialog.selectFile(FromLocal(suggested));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToLocal(dialog.selectedFiles().constFirst());
}

void QtUserInterface::ShowAbout() {
  CAboutDlg dialog(m_parent);
  dialog.exec();
}

void QtUserInterface::ShowKeyWordTable() {
  CKeyWordTable dialog(m_parent);
  dialog.exec();
}

std::optional<int> QtUserInterface::AskDelayTime() {
  CDelayTime dialog(m_parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Value();
}

std::optional<int> QtUserInterface::AskShiftLevel() {
  CShiftLevel dialog(m_parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Value();
}

std::optional<int> QtUserInterface::AskAsciiCode(int initial) {
  CInputASCIICode dialog(m_parent);
  dialog.SetValue(initial);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Value();
}

std::optional<std::string> QtUserInterface::AskScanCode(const std::string& initial) {
  CInputSCanCode dialog(m_parent);
  dialog.SetValue(initial);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Value();
}

std::optional<PortAnswer> QtUserInterface::ChoosePort(PortKind initial, bool dontAskAtStart) {
  CSelectPort dialog(initial, m_parent);
  dialog.SetDontAskAtStart(dontAskAtStart);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return PortAnswer{dialog.Choice(), dialog.DontAskAtStart()};
}

std::optional<int> QtUserInterface::ChooseKeyboard(const std::vector<KeyboardDevice>& keyboards,
                                                   bool offerAll) {
  CSelectConnectedKeyboard dialog(keyboards, offerAll, m_parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

bool QtUserInterface::EditFeatureSettings(FeatureSettings& values) {
  CProperty dialog(values, m_parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  values = dialog.Values();
  return true;
}

bool QtUserInterface::EditCardReaderSettings(CardReaderSettings& values) {
  CMREdit dialog(values, *this, m_parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  values = dialog.Values();
  return true;
}

}  // namespace vexa
