// "Config MR properties": what the card reader sends, per track (data,
// sentinels, separator, LRC, prefix, suffix, field terminator) and for the
// whole card (prefix, suffix, beeps, error handling).
//
// Each change of one of the eleven texts is checked at once: a text that does
// not fit its field, or holds a '[' that begins none of [CR] [LF] [TB] [[,
// shows that field's warning in red on the line under the field, and the
// warning goes again as soon as the text is right. Nothing modal comes up
// while typing, so no keystroke is lost (typing "[CR]" passes through "[",
// "[C" and "[CR" on its way). OK checks every text: the first one in error is
// named in a message box and gets the focus, and the dialog stays open.
#pragma once

#include <QDialog>
#include <array>

#include "document/CardReaderSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vexa {

class UserInterface;

class CMREdit : public QDialog {
  Q_OBJECT
 public:
  // The message of OK with a text in error goes to `ui`.
  CMREdit(const CardReaderSettings& values, UserInterface& ui, QWidget* parent = nullptr);

  [[nodiscard]] CardReaderSettings Values() const;
  [[nodiscard]] QLineEdit* Edit(MrField field) const { return m_edits[static_cast<size_t>(field)]; }
  // The red warning line under a field (hidden while the text is right).
  [[nodiscard]] QLabel* Warning(MrField field) const { return m_warnings[static_cast<size_t>(field)]; }

  void accept() override;

 private:
  struct TrackChecks {
    QCheckBox* data = nullptr;
    QCheckBox* startSentinel = nullptr;
    QCheckBox* endSentinel = nullptr;
    QCheckBox* lrc = nullptr;
    QCheckBox* separator = nullptr;
  };

  // The edit of `field` with its warning line under it, in one widget.
  QWidget* MakeEdit(MrField field, const CardReaderSettings& values, QWidget* parent);
  void CheckEdit(MrField field);

  UserInterface& m_ui;
  CardReaderSettings m_initial;
  std::array<QLineEdit*, kMrFieldCount> m_edits{};
  std::array<QLabel*, kMrFieldCount> m_warnings{};
  std::array<TrackChecks, 3> m_tracks{};
  QCheckBox* m_beepGoodRead = nullptr;
  QCheckBox* m_threeBeeps = nullptr;
  QRadioButton* m_skipTrack = nullptr;
  QRadioButton* m_noData = nullptr;
};

}  // namespace vexa
