#include "app/MenuCheckStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace vexa {

MenuCheckStyle::MenuCheckStyle() : QProxyStyle(nullptr) {}

void MenuCheckStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element != CE_MenuItem || !item || item->checkType == QStyleOptionMenuItem::NotCheckable) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  // The entry without any check indicator; its text keeps its place, as the
  // check column is reserved for every entry of the menu alike.
  QStyleOptionMenuItem plain(*item);
  plain.checkType = QStyleOptionMenuItem::NotCheckable;
  plain.checked = false;
  QProxyStyle::drawControl(element, &plain, painter, widget);
  if (!item->checked) return;

  // The tick, in the entry's text colour, in the check column at its left.
  const bool enabled = item->state & State_Enabled;
  const bool selected = item->state & State_Selected;
  const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
  const QColor ink = item->palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
  const int size = std::clamp(item->rect.height() - 10, 6, 12);
  const QRectF box(item->rect.left() + 6, item->rect.center().y() - size / 2.0 + 0.5, size, size);
  QPainterPath tick;
  tick.moveTo(box.left(), box.top() + box.height() * 0.55);
  tick.lineTo(box.left() + box.width() * 0.38, box.bottom());
  tick.lineTo(box.right(), box.top());
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter->setBrush(Qt::NoBrush);
  painter->drawPath(tick);
  painter->restore();
}

}  // namespace vexa
