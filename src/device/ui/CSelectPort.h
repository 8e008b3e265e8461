// "Select Communication Port": asked once at start, before the main window
// shows. The list offers "PS/2" and "USB", with the port given preselected
// (the one chosen last time; PS/2 the first time); OK is the default button. The controls stand where the
// product's dialog has them, in dialog units of the dialog's own font, so the dialog keeps its proportions
// with any system font.
#pragma once

#include <QDialog>

#include "device/KeyboardConnection.h"

class QComboBox;

namespace vexa {

class CSelectPort : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPortListId = 1074;

  explicit CSelectPort(PortKind initial = PortKind::kPs2, QWidget* parent = nullptr);

  // The port of the list's current entry.
  [[nodiscard]] PortKind Choice() const;
  [[nodiscard]] QComboBox* PortList() const { return m_list; }

 private:
  QComboBox* m_list = nullptr;
};

}  // namespace vexa
