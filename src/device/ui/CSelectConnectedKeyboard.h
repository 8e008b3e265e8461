// "Select Connected Keyboard": asked by Read From KB and Write Into KB when
// more than one USB keyboard is connected (with one nothing is asked). A
// short list of the keyboards, each with its product, serial number and
// path, the first one selected; for Write also "All connected keyboards" at
// the end. OK (the default button, or a double click) takes the selected
// entry; Cancel starts nothing.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "commands/UserInterface.h"
#include "device/CUSBport.h"

class QListWidget;

namespace vexa {

class CSelectConnectedKeyboard : public QDialog {
  Q_OBJECT
 public:
  CSelectConnectedKeyboard(const std::vector<KeyboardDevice>& keyboards, bool offerAll,
                           QWidget* parent = nullptr);

  // The selected keyboard's index, or UserInterface::kAllKeyboards.
  [[nodiscard]] int Choice() const;
  [[nodiscard]] QListWidget* List() const { return m_list; }

  // "PX2400U   serial A0001   /dev/hidraw3": the name of a keyboard in the
  // list and in messages.
  [[nodiscard]] static QString Describe(const KeyboardDevice& keyboard);
  // "PX2400U   serial A0001", or with the path when it has no serial number:
  // the name on the progress display.
  [[nodiscard]] static QString ShortName(const KeyboardDevice& keyboard);

 private:
  QListWidget* m_list = nullptr;
  int m_keyboards = 0;
};

}  // namespace vexa
