// Asks before a model switch, which empties the whole template: two lines and
// the buttons Yes (accept) and No (reject).
#pragma once

#include <QDialog>

namespace vexa {

class CSelectKeyboard : public QDialog {
  Q_OBJECT
 public:
  explicit CSelectKeyboard(QWidget* parent = nullptr);
};

}  // namespace vexa
