// "Put Delay Time": the delay of an inserted [Delay n] word in tenths of a
// second, 1 to 100, starting at 1.
#pragma once

#include "models/ui/CodeEntryDialog.h"

namespace vexa {

class CDelayTime : public CodeEntryDialog {
  Q_OBJECT
 public:
  explicit CDelayTime(QWidget* parent = nullptr);
  // The spin control's position when the dialog closed (its last valid one
  // when the field holds text that is not a number in range).
  [[nodiscard]] int Value() const { return m_value; }
  [[nodiscard]] QSpinBox* Spin() const { return m_spin; }

  void done(int result) override;

 private:
  QSpinBox* m_spin;
  int m_value;
};

}  // namespace vexa
