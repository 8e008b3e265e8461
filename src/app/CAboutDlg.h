// The About box: an icon, the program version and OK.
#pragma once

#include <QDialog>

namespace vexa {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace vexa
