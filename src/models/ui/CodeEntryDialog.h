// The frame shared by the small code entry dialogs of the Key Edit menu: a
// fixed-size modal dialog measured in dialog units (a quarter of the average
// character width across, an eighth of the character height down, as the
// dialog templates were drawn), with its static texts and the buttons "OK"
// (default) and "Cancel".
#pragma once

#include <QDialog>
#include <string_view>

class QLabel;
class QPushButton;
class QSpinBox;

namespace vexa {

class CodeEntryDialog : public QDialog {
  Q_OBJECT
 public:
  [[nodiscard]] QPushButton* OkButton() const { return m_ok; }
  [[nodiscard]] QPushButton* CancelButton() const { return m_cancel; }

 protected:
  // `width` x `height` in dialog units.
  CodeEntryDialog(std::string_view title, int width, int height, QWidget* parent);

  // A rectangle given in dialog units, in pixels.
  [[nodiscard]] QRect Units(int x, int y, int width, int height) const;
  // A static text whose left edge is at `x` pixels, centred on the row of
  // `row` (a control's rectangle).
  QLabel* AddText(std::string_view text, int x, const QRect& row);
  // A spin box whose edit field fills `field` (pixels) and whose arrows sit
  // on its right side; arrow keys step it, and it never leaves min..max.
  QSpinBox* AddSpin(const QRect& field, int min, int max, int initial);
  // Places OK and Cancel at the given positions (dialog units, 50 x 14 each),
  // moved right when a text would run into them.
  void PlaceButtons(int x, int okY, int cancelY, int rightOfText);
  // The width of OK and Cancel: `units` dialog units, or wider where a
  // button's text needs it (a translated "Cancel").
  [[nodiscard]] int ButtonWidth(int units) const;
  // Moves FIELD right so it keeps a gap of 4 dialog units after LABEL, where
  // the label (in the system font or in another language) is wider than the
  // dialog's layout allowed for.
  void KeepAfter(QWidget* field, const QLabel* label) const;

 private:
  QPushButton* m_ok;
  QPushButton* m_cancel;
  int m_unitX;
  int m_unitY;
};

}  // namespace vexa
