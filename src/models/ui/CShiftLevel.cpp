#include "models/ui/CShiftLevel.h"

#include <QLabel>
#include <QSpinBox>

#include "base/Messages.h"
#include "models/CodeEntry.h"

namespace vexa {

CShiftLevel::CShiftLevel(QWidget* parent)
    : CodeEntryDialog(msg::Tr(msg::kShiftLevelTitle), 186, 42, parent),
      m_value(CodeEntry::kShiftLevelInitial) {
  const QRect field(QPoint(70, 25), QPoint(104, 44));  // (70,25)-(105,45)
  m_spin =
      AddSpin(field, CodeEntry::kShiftLevelMin, CodeEntry::kShiftLevelMax, CodeEntry::kShiftLevelInitial);
  QLabel* label = AddText(msg::Tr(msg::kShiftLevelLabel), Units(7, 0, 0, 0).left(), field);
  label->setBuddy(m_spin);
  KeepAfter(m_spin, label);
  QLabel* range = AddText(msg::Tr(msg::kShiftLevelRange), m_spin->geometry().right() + 6, field);
  PlaceButtons(129, 5, 22, range->geometry().right());
  m_spin->setFocus();
  m_spin->selectAll();
}

void CShiftLevel::done(int result) {
  m_value = m_spin->value();
  CodeEntryDialog::done(result);
}

}  // namespace vexa
