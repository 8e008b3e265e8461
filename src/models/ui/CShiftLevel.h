// "Put Shift Level Code": the level N of an inserted [ShiftLevelN] word, 1 to
// 9, starting at 1.
#pragma once

#include "models/ui/CodeEntryDialog.h"

namespace vexa {

class CShiftLevel : public CodeEntryDialog {
  Q_OBJECT
 public:
  explicit CShiftLevel(QWidget* parent = nullptr);
  // The spin control's position when the dialog closed.
  [[nodiscard]] int Value() const { return m_value; }
  [[nodiscard]] QSpinBox* Spin() const { return m_spin; }

  void done(int result) override;

 private:
  QSpinBox* m_spin;
  int m_value;
};

}  // namespace vexa
