#include "device/ui/CSelectConnectedKeyboard.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Messages.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {

QString Q(std::string_view text) { return i18n::FromBytes(text); }

}  // namespace

QString CSelectConnectedKeyboard::Describe(const KeyboardDevice& keyboard) {
  //: A connected keyboard's serial number in the list of keyboards.
  const QString serial = keyboard.serialNumber.empty() ? Q(msg::Tr(msg::kNoSerialNumber))
                                                       : tr("serial %1").arg(Q(keyboard.serialNumber));
  return QStringLiteral("%1   %2   %3")
      .arg(Q(keyboard.product), serial, QString::fromLocal8Bit(keyboard.path.c_str()));
}

QString CSelectConnectedKeyboard::ShortName(const KeyboardDevice& keyboard) {
  if (keyboard.serialNumber.empty()) return Describe(keyboard);
  return QStringLiteral("%1   %2").arg(Q(keyboard.product), tr("serial %1").arg(Q(keyboard.serialNumber)));
}

CSelectConnectedKeyboard::CSelectConnectedKeyboard(const std::vector<KeyboardDevice>& keyboards,
                                                   bool offerAll, QWidget* parent)
    : QDialog(parent), m_keyboards(static_cast<int>(keyboards.size())) {
  setWindowTitle(Q(msg::Tr(msg::kSelectKeyboardsTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(
      Q(offerAll ? msg::Tr(msg::kSelectKeyboardsWriteLabel) : msg::Tr(msg::kSelectKeyboardsReadLabel)), this);
  layout->addWidget(label);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("keyboardList"));
  for (const KeyboardDevice& k : keyboards) m_list->addItem(Describe(k));
  if (offerAll) m_list->addItem(Q(msg::Tr(msg::kAllConnectedKeyboards)));
  m_list->setCurrentRow(0);
  // A short list: as tall as its entries, up to a dozen.
  const int shown = std::min(m_list->count(), 12);
  m_list->setFixedHeight(m_list->sizeHintForRow(0) * shown + 2 * m_list->frameWidth());
  m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 24);
  label->setBuddy(m_list);
  // A list takes no name from its buddy label.
  m_list->setAccessibleName(label->text());
  layout->addWidget(m_list);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  m_list->setFocus();
}

int CSelectConnectedKeyboard::Choice() const {
  const int row = m_list->currentRow();
  return row >= m_keyboards ? UserInterface::kAllKeyboards : row;
}

}  // namespace vexa
