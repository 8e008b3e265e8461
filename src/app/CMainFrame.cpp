#include "app/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/MenuCheckStyle.h"
#include "app/ToolbarIcons.h"
#include "base/Messages.h"
#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "document/SettingsStore.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {

// A core text (menu titles and items, prompts, tips) in the user's language.
QString Q(std::string_view text) { return i18n::FromBytes(msg::Tr(text)); }

}  // namespace

CMainFrame::CMainFrame(CommandRouter& router, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), m_router(router), m_settings(settings) {
  setWindowIcon(ToolbarIcons::Application());
  BuildMenus();
  BuildToolBar();
  BuildAccelerators();
  BuildStatusBar();
  qApp->installEventFilter(this);
  RefreshCommandStates();
}

QAction* CMainFrame::MakeAction(int id) {
  if (auto it = m_actions.find(id); it != m_actions.end()) return it->second;
  const CommandInfo* info = FindCommand(id);
  auto* action = new QAction(this);
  if (info) {
    // The text after the tab is the shortcut text the menu shows; it is not a
    // shortcut (only the accelerator table binds keys).
    action->setText(Q(info->text));
    action->setStatusTip(Q(info->prompt));
    action->setToolTip(info->tip.empty()
                           ? Q(info->text).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0)
                           : Q(info->tip));
  }
  action->setIcon(ToolbarIcons::ForCommand(id, palette()));
  action->setIconVisibleInMenu(false);
  action->setData(id);
  connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
  m_actions[id] = action;
  return action;
}

void CMainFrame::BuildMenus() {
  m_menuStyle = new MenuCheckStyle;
  m_menuStyle->setParent(this);
  // The models are one exclusive group: one tick, on the current model (none
  // for a stored model id outside the table).
  m_modelGroup = new QActionGroup(this);
  m_modelGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const MenuInfo& info : MenuBar()) {
    QMenu* menu = menuBar()->addMenu(Q(info.title));
    menu->setStyle(m_menuStyle);
    for (int id : info.items) {
      if (id == cmd::kSeparator) {
        menu->addSeparator();
      } else {
        QAction* action = MakeAction(id);
        if (ModelOfCommand(id) != 0) m_modelGroup->addAction(action);
        menu->addAction(action);
      }
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommandStates);
    if (info.items.front() == cmd::kNew) {
      m_templateMenu = menu;
      m_exitAction = Action(cmd::kExit);
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentFiles);
    }
  }
  RebuildRecentFiles();
}

void CMainFrame::RebuildRecentFiles() {
  for (QAction* action : m_recentActions) {
    m_templateMenu->removeAction(action);
    if (action->data().toInt() != 0) m_actions.erase(action->data().toInt());
    action->deleteLater();
  }
  m_recentActions.clear();
  const auto files = m_settings.RecentFiles();
  if (files.empty()) return;
  for (size_t i = 0; i < files.size() && i < static_cast<size_t>(kRecentFileCount); ++i) {
    const int id = cmd::kRecentFile1 + static_cast<int>(i);
    auto* action =
        new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromLocal8Bit(files[i])), this);
    action->setStatusTip(tr("Open this document"));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    m_actions[id] = action;
    m_templateMenu->insertAction(m_exitAction, action);
    m_recentActions.push_back(action);
  }
  QAction* separator = new QAction(this);
  separator->setSeparator(true);
  m_templateMenu->insertAction(m_exitAction, separator);
  m_recentActions.push_back(separator);
}

void CMainFrame::BuildToolBar() {
  m_toolBar = new QToolBar(tr("Toolbar"), this);
  m_toolBar->setObjectName(QStringLiteral("toolbar"));
  m_toolBar->setIconSize(QSize(16, 16));
  m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : ToolbarButtons()) {
    if (id == cmd::kSeparator) {
      m_toolBar->addSeparator();
    } else {
      QAction* action = MakeAction(id);
      m_toolBar->addAction(action);
      // A command without a menu entry has no text: its button is named by
      // its tooltip for a screen reader.
      if (action->text().isEmpty()) m_toolBar->widgetForAction(action)->setAccessibleName(action->toolTip());
    }
  }
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  m_router.Register(
      cmd::kToggleToolbar, [this] { m_toolBar->setVisible(m_toolBar->isHidden()); }, {},
      [this] { return !m_toolBar->isHidden(); });
}

void CMainFrame::BuildAccelerators() {
  for (const Accelerator& accelerator : Accelerators()) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(
        QString::fromLatin1(accelerator.keys.data(), static_cast<qsizetype>(accelerator.keys.size()))));
    action->setShortcutContext(Qt::WindowShortcut);
    const int id = accelerator.id;
    // Keys without a handler are still taken here, so they never reach the
    // key editor.
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    addAction(action);
  }
}

void CMainFrame::BuildStatusBar() {
  m_messagePane = new QLabel(Q(msg::kReady), this);
  m_messagePane->setAccessibleName(tr("Status"));
  statusBar()->addWidget(m_messagePane, 1);
  for (int i = 0; i < 3; ++i) {
    m_indicators[i] = new QLabel(IndicatorName(i), this);
    m_indicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_indicators[i]->setAlignment(Qt::AlignCenter);
    m_indicators[i]->setMinimumWidth(m_indicators[i]->fontMetrics().horizontalAdvance(IndicatorName(2)) + 8);
    statusBar()->addPermanentWidget(m_indicators[i]);
  }
  // An indicator that is off is an empty pane: its name tells which lock it
  // is, its description whether the lock is on.
  m_indicators[0]->setAccessibleName(tr("Caps Lock"));
  m_indicators[1]->setAccessibleName(tr("Num Lock"));
  m_indicators[2]->setAccessibleName(tr("Scroll Lock"));
  m_router.Register(
      cmd::kToggleStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); }, {},
      [this] { return !statusBar()->isHidden(); });
  RefreshLockIndicators();
}

QString CMainFrame::IndicatorName(int lock) {
  switch (lock) {
    case 0:
      //: Status bar indicator: Caps Lock is on.
      return tr("CAP");
    case 1:
      //: Status bar indicator: Num Lock is on.
      return tr("NUM");
    default:
      //: Status bar indicator: Scroll Lock is on.
      return tr("SCRL");
  }
}

QAction* CMainFrame::Action(int id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::Dispatch(int id) {
  (void)m_router.Execute(id);
  RefreshCommandStates();
}

void CMainFrame::RefreshCommandStates() {
  for (auto& [id, action] : m_actions) {
    action->setEnabled(m_router.IsEnabled(id));
    // Checkable exactly when the command has a check rule; the menu style
    // draws a tick for a checked entry and nothing for an unchecked one.
    action->setCheckable(m_router.HasCheckRule(id));
    action->setChecked(m_router.IsChecked(id));
  }
  if (m_modifiedQuery) setWindowModified(m_modifiedQuery());
}

void CMainFrame::RefreshLockIndicators() {
  const LockStates locks = m_locks.Read();
  const bool on[3] = {locks.caps, locks.num, locks.scroll};
  // An indicator that is off shows an empty pane, as the status bar always did.
  for (int i = 0; i < 3; ++i) {
    m_indicators[i]->setText(on[i] ? IndicatorName(i) : QString());
    m_indicators[i]->setAccessibleDescription(on[i] ? tr("on") : tr("off"));
  }
}

void CMainFrame::SetDocumentTitle(const std::string& title) {
  setWindowTitle(QString::fromLocal8Bit(title) + QStringLiteral("[*] - ") + Q(msg::kMainWindowTitle));
}

void CMainFrame::CloseConfirmed() {
  m_closeConfirmed = true;
  close();
  m_closeConfirmed = false;
}

void CMainFrame::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    for (auto& [id, action] : m_actions) action->setIcon(ToolbarIcons::ForCommand(id, palette()));
  }
  QMainWindow::changeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_closeDeferral && m_closeDeferral()) {
    event->ignore();
    return;
  }
  if (!m_closeConfirmed && m_closeQuery && !m_closeQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      // A toolbar button whose command has no tool tip shows none (Qt would
      // fall back to the menu text).
      if (auto* button = qobject_cast<QToolButton*>(watched); button && button->defaultAction()) {
        const CommandInfo* info = FindCommand(button->defaultAction()->data().toInt());
        if (info && info->tip.empty()) return true;
      }
      break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate:
      if (watched == this || event->type() != QEvent::WindowActivate) RefreshLockIndicators();
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vexa
