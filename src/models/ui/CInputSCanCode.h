// "Input Scan Code": a scan code word picked from the list or typed into the
// combo box's field. The value is the field's text as it stands on OK, not
// checked here: a text that is no key word makes the content invalid, and the
// editor refuses that when the key is left.
#pragma once

#include <string>

#include "models/ui/CodeEntryDialog.h"

class QComboBox;

namespace vexa {

class CInputSCanCode : public CodeEntryDialog {
  Q_OBJECT
 public:
  explicit CInputSCanCode(QWidget* parent = nullptr);

  // Selects the first list entry that begins with `value` (ignoring case), or
  // puts `value` into the field when none does. The dialog opens with "[F6]".
  void SetValue(const std::string& value);
  // The field's text, picked or typed.
  [[nodiscard]] std::string Value() const;
  [[nodiscard]] QComboBox* Combo() const { return m_combo; }

 private:
  QComboBox* m_combo;
};

}  // namespace vexa
