#include "models/ui/CodeEntryDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>

#include "i18n/Translations.h"

namespace vexa {

namespace {
QString Q(std::string_view text) { return i18n::FromBytes(text); }
}  // namespace

CodeEntryDialog::CodeEntryDialog(std::string_view title, int width, int height, QWidget* parent)
    : QDialog(parent), m_ok(new QPushButton(tr("OK"), this)), m_cancel(new QPushButton(tr("Cancel"), this)) {
  const QFontMetrics metrics(font());
  m_unitX = std::max(1, metrics.averageCharWidth() * 100 / 4);  // hundredths of a pixel
  m_unitY = std::max(1, metrics.height() * 100 / 8);
  setWindowTitle(Q(title));
  setFixedSize(Units(0, 0, width, height).size());
  m_ok->setObjectName(QStringLiteral("ok"));
  m_cancel->setObjectName(QStringLiteral("cancel"));
  m_ok->setDefault(true);
  m_ok->setAutoDefault(true);
  m_cancel->setAutoDefault(false);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QRect CodeEntryDialog::Units(int x, int y, int width, int height) const {
  return {x * m_unitX / 100, y * m_unitY / 100, width * m_unitX / 100, height * m_unitY / 100};
}

QLabel* CodeEntryDialog::AddText(std::string_view text, int x, const QRect& row) {
  auto* label = new QLabel(Q(text), this);
  label->adjustSize();
  label->move(x, row.top() + (row.height() - label->height()) / 2);
  return label;
}

QSpinBox* CodeEntryDialog::AddSpin(const QRect& field, int min, int max, int initial) {
  auto* spin = new QSpinBox(this);
  spin->setObjectName(QStringLiteral("value"));
  spin->setRange(min, max);
  spin->setValue(initial);
  spin->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  spin->setAccelerated(false);
  // The arrows are attached to the right of the edit field, not inside it.
  const int arrows = spin->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, spin);
  spin->setGeometry(field.left(), field.top(), field.width() + arrows, field.height());
  return spin;
}

void CodeEntryDialog::PlaceButtons(int x, int okY, int cancelY, int rightOfText) {
  QRect ok = Units(x, okY, 50, 14);
  QRect cancel = Units(x, cancelY, 50, 14);
  ok.setWidth(ButtonWidth(50));
  cancel.setWidth(ok.width());
  const int shift = std::max(0, rightOfText + 8 - std::min(ok.left(), cancel.left()));
  ok.translate(shift, 0);
  cancel.translate(shift, 0);
  m_ok->setGeometry(ok);
  m_cancel->setGeometry(cancel);
  const int right = std::max(ok.right(), cancel.right()) + Units(7, 0, 0, 0).left();
  if (right > width()) setFixedWidth(right);
}

int CodeEntryDialog::ButtonWidth(int units) const {
  int width = Units(0, 0, units, 0).width();
  for (const QPushButton* button : {m_ok, m_cancel}) {
    const int text =
        button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
    width =
        std::max(width, text + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button));
  }
  return width;
}

void CodeEntryDialog::KeepAfter(QWidget* field, const QLabel* label) const {
  const int left = label->geometry().right() + 1 + Units(4, 0, 0, 0).left();
  if (field->x() < left) field->move(left, field->y());
}

}  // namespace vexa
