// The keyboard output test window, inside the layout view at (50,50)-(700,350):
// the title "Key Code Test Output:", a Quit box at (550,5)-(630,25) and the
// text area below them. While the test is open every key event of the view
// goes to the text area and none to the key editor; a click strictly inside
// the Quit box closes it, and so does Esc pressed three times within a second
// (shown beside the Quit box), the way out for a keyboard-only user.
#pragma once

#include <QFont>
#include <QWidget>

namespace vexa {

class CKeyCodeOutEdit;

class CKeyCodeOutView : public QWidget {
  Q_OBJECT
 public:
  // `view` is the layout view: the window is its child and takes its key
  // events while the test is open.
  explicit CKeyCodeOutView(QWidget* view);

  // The Keyboard Output command: an empty text, the window shown, the keys
  // taken. Choosing it again while open only clears the text.
  void Open();
  // The Quit box: the window hidden, the keys back with the layout view.
  void Close();
  // A new or opened template: a fresh, hidden test with an empty text and the
  // shift flag cleared.
  void Recreate();

  // Its place in the view's logical pixels, and where the view's zoom shows
  // it: `rect` in the view's pixels, everything inside drawn `scale` times
  // its logical size.
  [[nodiscard]] static QRect LogicalRect();
  void Place(const QRect& rect, double scale);

  [[nodiscard]] bool IsActive() const { return m_active; }
  [[nodiscard]] CKeyCodeOutEdit* TextArea() const { return m_edit; }
  [[nodiscard]] const QFont& TitleFont() const { return m_titleFont; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QWidget* m_view;
  CKeyCodeOutEdit* m_edit;
  QFont m_titleFont;
  QFont m_hintFont;
  QFont m_textFont;  // the text area's font at scale 1
  double m_scale = 1.0;
  bool m_active = false;
};

}  // namespace vexa
