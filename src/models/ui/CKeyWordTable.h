// The Key Word List of the Help menu: the key word help text in a read-only,
// scrollable text control. No buttons; Esc or the close box ends it.
#pragma once

#include <QDialog>

class QTextEdit;

namespace vexa {

class CKeyWordTable : public QDialog {
  Q_OBJECT
 public:
  explicit CKeyWordTable(QWidget* parent = nullptr);
  [[nodiscard]] QTextEdit* TextControl() const { return m_text; }

 private:
  QTextEdit* m_text;
};

}  // namespace vexa
