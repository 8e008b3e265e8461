#include "app/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ToolbarIcons.h"
#include "base/Messages.h"
#include "base/Version.h"
#include "i18n/Translations.h"

namespace vexa {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(i18n::FromBytes(msg::Tr(msg::kAboutTitle)));
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(ToolbarIcons::Application().pixmap(32, 32));
  row->addWidget(icon);
  row->addWidget(new QLabel(tr("Keyboard Editor Version %1").arg(QStringLiteral(VEXA_VERSION)), this));
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace vexa
