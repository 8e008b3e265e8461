#include "models/ui/CInputASCIICode.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "base/Messages.h"
#include "i18n/Translations.h"
#include "models/CodeEntry.h"

namespace vexa {

CInputASCIICode::CInputASCIICode(QWidget* parent)
    : CodeEntryDialog(msg::Tr(msg::kAsciiCodeTitle), 186, 42, parent) {
  m_field = new QLineEdit(this);
  m_field->setObjectName(QStringLiteral("value"));
  m_field->setGeometry(Units(52, 12, 36, 12));
  QLabel* label = AddText(msg::Tr(msg::kAsciiCodeLabel), Units(7, 0, 0, 0).left(), m_field->geometry());
  label->setBuddy(m_field);
  KeepAfter(m_field, label);
  QLabel* bounds =
      AddText(msg::Tr(msg::kAsciiCodeBounds), m_field->geometry().right() + 6, m_field->geometry());
  PlaceButtons(129, 5, 22, bounds->geometry().right());
  m_showMessage = [this](const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(msg::kAppTitle.data(), msg::kAppTitle.size()),
                    i18n::FromBytes(text), QMessageBox::Ok, this);
    box.exec();
  };
  SetValue(0);
  m_field->setFocus();
}

void CInputASCIICode::SetValue(int code) {
  m_value = code;
  m_field->setText(QString::number(code));
  m_field->selectAll();
}

void CInputASCIICode::accept() {
  const CodeEntry::AsciiCheck check = CodeEntry::CheckAsciiCode(m_field->text().toStdString());
  if (!check.ok) {
    m_showMessage(check.message);
    m_field->setFocus();
    m_field->selectAll();
    return;
  }
  m_value = check.value;
  CodeEntryDialog::accept();
}

}  // namespace vexa
