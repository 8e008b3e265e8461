#include "app/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ToolbarIcons.h"
#include "base/Messages.h"

namespace vexa {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(msg::Tr(msg::kAboutTitle).data(),
                                     static_cast<qsizetype>(msg::Tr(msg::kAboutTitle).size())));
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(ToolbarIcons::Application().pixmap(32, 32));
  row->addWidget(icon);
  row->addWidget(new QLabel(
      QString::fromLatin1(msg::kAboutVersion.data(), static_cast<qsizetype>(msg::kAboutVersion.size())),
      this));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace vexa
