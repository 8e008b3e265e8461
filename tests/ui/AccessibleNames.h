// The input fields of a window that a screen reader could not name: those
// whose accessible name (their own, or their buddy label's, or their form
// layout label's) is empty. Fields inside another field (the edit of a spin
// box or an editable combo box) and hidden ones are not counted.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

namespace vexa {

inline bool IsInputField(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QProgressBar*>(w);
}

inline QStringList UnnamedFields(QWidget& window) {
  QStringList unnamed;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!IsInputField(w) || !w->isVisibleTo(&window)) continue;
    bool inner = false;
    for (QWidget* p = w->parentWidget(); p != nullptr && p != &window; p = p->parentWidget()) {
      if (IsInputField(p)) inner = true;
    }
    if (inner) continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (a == nullptr || a->text(QAccessible::Name).trimmed().isEmpty()) {
      unnamed << QStringLiteral("%1 '%2' in %3 '%4'")
                     .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                          QString::fromLatin1(w->parentWidget()->metaObject()->className()),
                          w->parentWidget()->objectName());
    }
  }
  return unnamed;
}

}  // namespace vexa
