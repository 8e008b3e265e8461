// "Config KB properties": the keyboard's feature switches, the
// inter-character delay (1..250 ms) and, on the models with a serial port
// layout, the RS232 settings. The dialog only shows and collects values; the
// bits they come from and go to are FeatureSettings'.
#pragma once

#include <QDialog>

#include "document/FeatureSettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

namespace vexa {

class CProperty : public QDialog {
  Q_OBJECT
 public:
  explicit CProperty(const FeatureSettings& values, QWidget* parent = nullptr);

  // The values shown now (after OK: the values accepted).
  [[nodiscard]] FeatureSettings Values() const;

  [[nodiscard]] QSpinBox* DelayBox() const { return m_delay; }
  [[nodiscard]] QGroupBox* SerialGroup() const { return m_serialGroup; }

 private:
  QCheckBox* AddCheck(const char* name, std::string_view text, bool checked, QWidget* parent);

  FeatureSettings m_initial;
  QCheckBox* m_breakCodes = nullptr;
  QCheckBox* m_keyBeep = nullptr;
  QCheckBox* m_silentUndefined = nullptr;
  QCheckBox* m_set2Translation = nullptr;
  QCheckBox* m_altNumber = nullptr;
  QCheckBox* m_typematicScan = nullptr;
  QCheckBox* m_typematicAscii = nullptr;
  QCheckBox* m_oposJpos = nullptr;
  QCheckBox* m_useSerialPort = nullptr;
  QComboBox* m_baud = nullptr;
  QComboBox* m_parity = nullptr;
  QComboBox* m_dataBits = nullptr;
  QSpinBox* m_delay = nullptr;
  QGroupBox* m_serialGroup = nullptr;
};

}  // namespace vexa
