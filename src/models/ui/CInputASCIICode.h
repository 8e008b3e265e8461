// "Input ASCII Code": one character by its decimal code. OK is refused, with
// a message and the dialog left open, until the field holds a whole number
// from 1 to 240; its value is then that number.
#pragma once

#include <functional>
#include <string>

#include "models/ui/CodeEntryDialog.h"

class QLineEdit;

namespace vexa {

class CInputASCIICode : public CodeEntryDialog {
  Q_OBJECT
 public:
  explicit CInputASCIICode(QWidget* parent = nullptr);

  // The field shows `code` in decimal (the editor opens it with 32).
  void SetValue(int code);
  // The accepted code after OK.
  [[nodiscard]] int Value() const { return m_value; }
  [[nodiscard]] QLineEdit* Field() const { return m_field; }
  // How a refusal is shown; a message box captioned with the application
  // title unless replaced.
  void SetMessageSink(std::function<void(const std::string&)> sink) { m_showMessage = std::move(sink); }

  void accept() override;

 private:
  QLineEdit* m_field;
  int m_value = 0;
  std::function<void(const std::string&)> m_showMessage;
};

}  // namespace vexa
