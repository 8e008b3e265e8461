// "Select Communication Port": asked at start, before the main window shows
// (unless "Don't ask at start" was set), before a transfer when no port is
// chosen, and from Configuration > Communication Port.... The list offers
// "PS/2" and "USB", with the port given preselected; below it the box "Don't
// ask at start"; OK is the default button. The controls stand where the
// product's dialog has them, in dialog units of the dialog's own font, so the dialog keeps its proportions
// with any system font.
#pragma once

#include <QDialog>

#include "device/KeyboardConnection.h"

class QCheckBox;
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
  [[nodiscard]] bool DontAskAtStart() const;
  void SetDontAskAtStart(bool dontAsk);
  [[nodiscard]] QCheckBox* DontAskBox() const { return m_dontAsk; }

 private:
  QComboBox* m_list = nullptr;
  QCheckBox* m_dontAsk = nullptr;
};

}  // namespace vexa
