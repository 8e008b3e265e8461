// The layout view widget: paints the paint model of the current document and
// view state, and maps mouse clicks and the navigation keys onto the view
// logic. All state lives in ViewState; all geometry in the layout's logical
// pixels, zoomed to fit the widget (ViewZoom: one scale, never below 1; the
// main window scrolls the view below that size). The colours are the
// palette's (ViewColours), taken again whenever the palette changes.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>

#include "view/KeyEditor.h"
#include "view/ViewColours.h"
#include "view/ViewSelection.h"
#include "view/ViewState.h"
#include "view/ViewZoom.h"
#include "view/ui/ViewAccessible.h"

namespace vexa {

class CVEXADoc;
class UserInterface;
class ViewKeyHandler;

class CVEXAView : public QWidget {
  Q_OBJECT
 public:
  CVEXAView(CVEXADoc& doc, UserInterface& ui, QWidget* parent = nullptr);

  [[nodiscard]] ViewState& State() { return m_state; }
  [[nodiscard]] const ViewState& State() const { return m_state; }
  [[nodiscard]] CVEXADoc& Document() { return m_doc; }

  // The first display and every New and Open. The first call also runs the
  // start-up hook (where the port is chosen); it returns false when the user
  // cancelled there and the program must end.
  bool OnInitialUpdate();
  void OnModelSwitched();
  void OnContentsReplaced();
  // Undo or Redo restored the template and the selection: everything is drawn again.
  void OnHistoryRestored();

  // Runs once, at the first initial update, with the view state to fill (port
  // kind and name).
  void SetStartupHook(std::function<bool(ViewState&)> hook) { m_startupHook = std::move(hook); }
  void SetKeyHandler(ViewKeyHandler* handler) { m_keyHandler = handler; }

  // While blocked (a keyboard transfer runs) key and mouse input to the view
  // is dropped, not queued: nothing typed meanwhile reaches the template,
  // neither during the transfer nor after it.
  void SetInputBlocked(bool blocked) { m_inputBlocked = blocked; }
  [[nodiscard]] bool InputBlocked() const { return m_inputBlocked; }

  // Arrow navigation: 0 left, 1 right, 2 up, 3 down.
  void MoveSelection(int direction);
  // Selects the key at a layout position as a click on it does (assistive
  // technology pressing a key).
  void SelectKey(int position);

  // Paints the view into `painter` (also used for offscreen rendering). With a
  // `dirty` rectangle only what meets it is drawn: a keystroke repaints the
  // information area without laying out the 176 key labels again.
  void PaintView(QPainter& painter, const QRect& dirty = QRect());

  // Redraws what an edit or a command changed and tells the frame to refresh
  // its command states.
  void Repaint(vexa::Repaint area);

  // In logical pixels.
  static QRect InformationArea() { return {10, 300, 740, 60}; }
  static QRect ContentBoxArea() { return {95, 330, 605, 20}; }
  [[nodiscard]] const QFont& DisplayFont() const { return m_font; }

  // The zoom for the widget's size now (a hidden widget gets its resize
  // event only when shown).
  [[nodiscard]] ViewZoom Zoom() const { return ViewZoom::Fit(width(), height()); }
  [[nodiscard]] const ViewColours& Colours() const { return m_colours; }
  // Logical pixels to the widget's pixels and back (see ViewZoom).
  [[nodiscard]] QRect ToDevice(const QRect& logical) const;
  [[nodiscard]] QPoint ToDevice(const QPoint& logical) const;
  [[nodiscard]] QPoint ToLogical(const QPoint& device) const;

 signals:
  // The selection or editing state changed: command states need a refresh.
  void stateChanged();
  // The zoom changed (the widget was resized): what is placed in logical
  // pixels over the view (the output test, the progress display) moves along.
  void zoomChanged();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab are keys of the key editor ([Tab]), not focus moves.
  bool focusNextPrevChild(bool) override { return false; }
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  CVEXADoc& m_doc;
  UserInterface& m_ui;
  ViewState m_state;
  ViewColours m_colours;
  QFont m_font;
  int m_ascent = 0;
  bool m_initialised = false;
  bool m_inputBlocked = false;
  std::function<bool(ViewState&)> m_startupHook;
  ViewKeyHandler* m_keyHandler = nullptr;
  ViewAnnouncer m_announcer{*this};

  void TakeClickResult(ClickResult result);
};

}  // namespace vexa
