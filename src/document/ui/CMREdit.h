// "Config MR properties": what the card reader sends, per track (data,
// sentinels, separator, LRC, prefix, suffix, field terminator) and for the
// whole card (prefix, suffix, beeps, error handling).
//
// Each change of one of the eleven texts is checked at once: a text that does
// not fit its field, or holds a '[' that begins none of [CR] [LF] [TB] [[,
// brings up that field's warning. The text stays as typed; accepting writes
// only what fits (CardReaderSettings::ToImage).
#pragma once

#include <QDialog>
#include <array>

#include "document/CardReaderSettings.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace vexa {

class UserInterface;

class CMREdit : public QDialog {
  Q_OBJECT
 public:
  // The warnings of the live check go to `ui`.
  CMREdit(const CardReaderSettings& values, UserInterface& ui, QWidget* parent = nullptr);

  [[nodiscard]] CardReaderSettings Values() const;
  [[nodiscard]] QLineEdit* Edit(MrField field) const { return m_edits[static_cast<size_t>(field)]; }

 private:
  struct TrackChecks {
    QCheckBox* data = nullptr;
    QCheckBox* startSentinel = nullptr;
    QCheckBox* endSentinel = nullptr;
    QCheckBox* lrc = nullptr;
    QCheckBox* separator = nullptr;
  };

  QLineEdit* MakeEdit(MrField field, const CardReaderSettings& values, QWidget* parent);
  void CheckEdit(MrField field);

  UserInterface& m_ui;
  CardReaderSettings m_initial;
  std::array<QLineEdit*, kMrFieldCount> m_edits{};
  std::array<TrackChecks, 3> m_tracks{};
  QCheckBox* m_beepGoodRead = nullptr;
  QCheckBox* m_threeBeeps = nullptr;
  QRadioButton* m_skipTrack = nullptr;
  QRadioButton* m_noData = nullptr;
};

}  // namespace vexa
