#include "models/ui/CInputSCanCode.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "base/Messages.h"
#include "models/CodeEntry.h"

namespace vexa {

CInputSCanCode::CInputSCanCode(QWidget* parent)
    : CodeEntryDialog(msg::Tr(msg::kScanCodeTitle), 160, 42, parent) {
  m_combo = new QComboBox(this);
  m_combo->setObjectName(QStringLiteral("value"));
  m_combo->setEditable(true);
  // Typed text stays exactly as typed: no completion, no case folding, and
  // nothing added to the list.
  m_combo->setCompleter(nullptr);
  m_combo->setInsertPolicy(QComboBox::NoInsert);
  m_combo->setDuplicatesEnabled(true);
  for (std::string_view word : CodeEntry::ScanCodeList())
    m_combo->addItem(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
  m_combo->setMaxVisibleItems(12);  // the drop-down is 119 dialog units high
  const QRect field = Units(45, 7, 87, 12);
  m_combo->setGeometry(field.left(), field.top(), field.width(), m_combo->sizeHint().height());
  QLabel* label = AddText(msg::Tr(msg::kScanCodeLabel), Units(7, 0, 0, 0).left(), m_combo->geometry());
  label->setBuddy(m_combo);
  KeepAfter(m_combo, label);
  // The buttons go under the combo box.
  const int buttonsTop = m_combo->geometry().bottom() + 8;
  const QSize button(ButtonWidth(40), Units(0, 0, 0, 14).height());
  OkButton()->setGeometry(QRect(QPoint(m_combo->x(), buttonsTop), button));
  CancelButton()->setGeometry(QRect(
      QPoint(std::max(m_combo->geometry().right() - button.width() + 1, OkButton()->geometry().right() + 6),
             buttonsTop),
      button));
  setFixedSize(std::max(width(), std::max(m_combo->geometry().right(), CancelButton()->geometry().right()) +
                                     Units(7, 0, 0, 0).left()),
               std::max(height(), CancelButton()->geometry().bottom() + Units(0, 7, 0, 0).top()));
  SetValue(std::string(CodeEntry::kInitialScanCode));
  m_combo->setFocus();
}

void CInputSCanCode::SetValue(const std::string& value) {
  const int index = CodeEntry::ScanCodeSelection(value);
  if (index >= 0) {
    m_combo->setCurrentIndex(index);
  } else {
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
  }
  if (m_combo->lineEdit()) m_combo->lineEdit()->selectAll();
}

std::string CInputSCanCode::Value() const { return m_combo->currentText().toLatin1().toStdString(); }

}  // namespace vexa
