// The main window: menu bar, toolbar and status bar built from the command
// table, the accelerators, and the view in the middle. Every command goes to
// the CommandRouter; enabling and check marks are refreshed from it whenever a
// menu opens and after every command and view change.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>

#include "app/KeyboardLocks.h"

class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;

namespace vexa {

class CommandRouter;
class SettingsStore;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(CommandRouter& router, SettingsStore& settings, QWidget* parent = nullptr);

  // Runs a command as the menu, the toolbar or an accelerator would.
  void Dispatch(int id);
  void RefreshCommandStates();
  void RefreshLockIndicators();
  // Caption: "<document title>[*] - <main window title>"; Qt shows the "*"
  // while the window is modified.
  void SetDocumentTitle(const std::string& title);
  // Asked at every refresh of the command states: whether the template
  // differs from its saved file (the caption's modified mark).
  void SetModifiedQuery(std::function<bool()> query) { m_modifiedQuery = std::move(query); }
  // Asked before the window closes (close box, Exit); false keeps it open.
  void SetCloseQuery(std::function<bool()> query) { m_closeQuery = std::move(query); }
  // Asked before anything else when the window is to close (Exit included):
  // true when the close must wait, e.g. for a keyboard transfer to end. The
  // window then stays open and whoever answered closes it later.
  void SetCloseDeferral(std::function<bool()> deferral) { m_closeDeferral = std::move(deferral); }
  // Closes without asking again (Exit has asked already).
  void CloseConfirmed();

  [[nodiscard]] QAction* Action(int id) const;
  // The Keyboard menu's entries: one exclusive group.
  [[nodiscard]] QActionGroup* ModelGroup() const { return m_modelGroup; }
  [[nodiscard]] QToolBar* ToolBar() const { return m_toolBar; }
  [[nodiscard]] QMenu* TemplateMenu() const { return m_templateMenu; }
  [[nodiscard]] QLabel* MessagePane() const { return m_messagePane; }
  [[nodiscard]] QLabel* Indicator(int index) const { return m_indicators[index]; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A new palette (a dark desktop theme): the toolbar images are drawn again in its colours.
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* MakeAction(int id);
  void BuildMenus();
  void BuildToolBar();
  void BuildAccelerators();
  void BuildStatusBar();
  void RebuildRecentFiles();
  // The status bar's name of a lock key: 0 Caps, 1 Num, 2 Scroll Lock.
  static QString IndicatorName(int lock);

  CommandRouter& m_router;
  SettingsStore& m_settings;
  std::map<int, QAction*> m_actions;
  QActionGroup* m_modelGroup = nullptr;
  QStyle* m_menuStyle = nullptr;  // the menus' check marks (MenuCheckStyle)
  QMenu* m_templateMenu = nullptr;
  QAction* m_exitAction = nullptr;
  QList<QAction*> m_recentActions;
  QToolBar* m_toolBar = nullptr;
  QLabel* m_messagePane = nullptr;
  QLabel* m_indicators[3] = {nullptr, nullptr, nullptr};
  KeyboardLocks m_locks;
  std::function<bool()> m_closeQuery;
  std::function<bool()> m_closeDeferral;
  std::function<bool()> m_modifiedQuery;
  bool m_closeConfirmed = false;
};

}  // namespace vexa
