#include "models/ui/CDelayTime.h"

#include <QLabel>
#include <QSpinBox>

#include "base/Messages.h"
#include "models/CodeEntry.h"

namespace vexa {

CDelayTime::CDelayTime(QWidget* parent)
    : CodeEntryDialog(msg::Tr(msg::kDelayTimeTitle), 186, 49, parent), m_value(CodeEntry::kDelayInitial) {
  const QRect field(QPoint(65, 25), QPoint(109, 44));  // (65,25)-(110,45)
  m_spin = AddSpin(field, CodeEntry::kDelayMin, CodeEntry::kDelayMax, CodeEntry::kDelayInitial);
  QLabel* label = AddText(msg::Tr(msg::kDelayTimeLabel), Units(7, 0, 0, 0).left(), field);
  label->setBuddy(m_spin);
  KeepAfter(m_spin, label);
  QLabel* unit = AddText(msg::Tr(msg::kDelayTimeUnit), m_spin->geometry().right() + 2, field);
  PlaceButtons(129, 7, 26, unit->geometry().right());
  m_spin->setFocus();
  m_spin->selectAll();
}

void CDelayTime::done(int result) {
  m_value = m_spin->value();
  CodeEntryDialog::done(result);
}

}  // namespace vexa
