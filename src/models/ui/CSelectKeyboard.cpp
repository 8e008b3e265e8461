#include "models/ui/CSelectKeyboard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Messages.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {
QString Q(std::string_view text) { return i18n::FromBytes(text); }
}  // namespace

CSelectKeyboard::CSelectKeyboard(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Q(msg::Tr(msg::kSelectKeyboardTitle)));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Q(msg::Tr(msg::kSelectKeyboardLine1)), this));
  layout->addWidget(new QLabel(Q(msg::Tr(msg::kSelectKeyboardLine2)), this));
  auto* buttons = new QHBoxLayout;
  auto* yes = new QPushButton(tr("Yes"), this);
  auto* no = new QPushButton(tr("No"), this);
  yes->setObjectName(QStringLiteral("yes"));
  no->setObjectName(QStringLiteral("no"));
  yes->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(yes);
  buttons->addWidget(no);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vexa
