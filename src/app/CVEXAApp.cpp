#include "app/CVEXAApp.h"

#include <QScrollArea>
#include <QStatusBar>

#include "app/CMainFrame.h"
#include "app/QtClipboard.h"
#include "base/Messages.h"
#include "commands/CommandTable.h"
#include "commands/DocumentCommands.h"
#include "commands/ModelCommands.h"
#include "commands/SettingsCommands.h"
#include "commands/TextTemplateCommands.h"
#include "commands/UndoHistory.h"
#include "commands/UserInterface.h"
#include "device/ui/CKeyCodeOutView.h"
#include "device/ui/KeyboardCommands.h"
#include "device/ui/TransferProgressDisplay.h"
#include "document/CVEXADoc.h"
#include "i18n/Translations.h"
#include "view/ui/CVEXAView.h"
#include "view/ui/KeyEditing.h"
#include "view/ui/LegendSheetCommands.h"

namespace vexa {

CVEXAApp::CVEXAApp(SettingsStore& settings, UserInterface& ui, std::string startupDirectory,
                   Clipboard* clipboard)
    : m_settings(settings),
      m_ui(ui),
      m_doc(std::make_unique<CVEXADoc>(settings, std::move(startupDirectory))),
      m_documentCommands(std::make_unique<DocumentCommands>(*m_doc, settings, ui, m_events)),
      m_modelCommands(std::make_unique<ModelCommands>(*m_doc, ui, m_events)),
      m_textCommands(std::make_unique<TextTemplateCommands>(*m_doc, ui, m_events)) {
  m_documentCommands->Register(m_router);
  m_modelCommands->Register(m_router);
  m_textCommands->Register(m_router);
  m_router.Register(cmd::kAbout, [this] { m_ui.ShowAbout(); });
  m_router.Register(cmd::kKeyWordList, [this] { m_ui.ShowKeyWordTable(); });

  m_frame = std::make_unique<CMainFrame>(m_router, settings);
  // The view zooms to fit the window; below its smallest size it scrolls.
  auto* scroller = new QScrollArea(m_frame.get());
  scroller->setObjectName(QStringLiteral("viewScroller"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  m_view = new CVEXAView(*m_doc, ui, scroller);
  scroller->setWidget(m_view);
  m_frame->setCentralWidget(scroller);
  m_frame->SetCloseQuery([this] { return m_documentCommands->SaveModified(); });
  m_frame->SetModifiedQuery([this] { return m_doc->IsModified(); });
  QObject::connect(m_view, &CVEXAView::stateChanged, m_frame.get(), &CMainFrame::RefreshCommandStates);

  // The edit history records the commands that change the template (through
  // the router), the keystrokes and Read From KB.
  m_history = std::make_unique<UndoHistory>(*m_doc, m_view->State(), m_events);
  m_history->Register(m_router);
  if (!clipboard) {
    m_systemClipboard = std::make_unique<QtClipboard>();
    clipboard = m_systemClipboard.get();
  }
  m_keyEditing = std::make_unique<KeyEditing>(*m_doc, *m_view, ui, m_router, *clipboard, m_history.get());
  m_legendSheet = std::make_unique<LegendSheetCommands>(*m_doc, ui, m_frame.get());
  m_legendSheet->Register(m_router);

  // Keyboard communication, the settings dialogs and the output test.
  m_keyboardCommands = std::make_unique<KeyboardCommands>(*m_doc, *m_view, ui, settings);
  m_keyboardCommands->Register(m_router);
  // Closing the window during a transfer waits for its end, then asks about
  // unsaved changes as always: a write is never cut off half-way.
  m_frame->SetCloseDeferral([this] {
    if (!m_keyboardCommands->TransferRunning()) return false;
    m_closeAfterTransfer = true;
    m_frame->statusBar()->showMessage(i18n::FromBytes(msg::Tr(msg::kClosesAfterTransfer)));
    return true;
  });
  m_keyboardCommands->SetTransferEndedHook([this] {
    if (!m_closeAfterTransfer) return;
    m_closeAfterTransfer = false;
    m_frame->statusBar()->clearMessage();
    m_frame->close();
  });
  m_keyboardCommands->SetHistory(m_history.get());
  m_keyboardCommands->SetSaveModifiedQuery([this] { return m_documentCommands->SaveModified(); });
  m_view->SetStartupHook([this](ViewState& state) { return m_keyboardCommands->ChoosePort(state); });
  m_settingsCommands = std::make_unique<SettingsCommands>(
      *m_doc, m_view->State(), ui, [this] { return m_keyboardCommands->UsbInUse(); },
      [this](Repaint area) { m_view->Repaint(area); });
  m_settingsCommands->Register(m_router);
  m_outputTest = new CKeyCodeOutView(m_view);
  QObject::connect(m_view, &CVEXAView::zoomChanged, m_outputTest, [this] {
    m_outputTest->Place(m_view->ToDevice(CKeyCodeOutView::LogicalRect()), m_view->Zoom().Scale());
  });
  QObject::connect(m_view, &CVEXAView::zoomChanged, m_view, [this] {
    m_keyboardCommands->Progress().Place(m_view->ToDevice(TransferProgressDisplay::LogicalOrigin()),
                                         m_view->height(), m_view->Zoom().Scale());
  });
  m_router.Register(cmd::kKeyboardOutput, [this] { m_outputTest->Open(); });

  m_events.documentReplaced = [this] {
    m_history->Clear();
    (void)m_view->OnInitialUpdate();
    m_outputTest->Recreate();
  };
  m_events.modelSwitched = [this] {
    m_history->Clear();
    m_view->OnModelSwitched();
  };
  m_events.saved = [this] {
    m_history->MarkSaved();
    m_view->update();  // the saved keys are drawn blue again
  };
  m_events.restored = [this] { m_view->OnHistoryRestored(); };
  m_events.contentsReplaced = [this] { m_view->OnContentsReplaced(); };
  m_events.titleChanged = [this] { UpdateCaption(); };
  m_events.exitRequested = [this] { m_frame->CloseConfirmed(); };
}

CVEXAApp::~CVEXAApp() = default;

StartResult CVEXAApp::Start(const StartupOptions& options) {
  m_options = options;
  m_doc->NewTemplate();
  if (options.templateFile) {
    const Outcome outcome = m_doc->OpenTemplate(*options.templateFile);
    m_ui.Show(outcome);
    if (!outcome.ok) return StartResult::OpenFailed;
    m_documentCommands->AddRecent(*options.templateFile);
  }
  UpdateCaption();
  // The first initial update runs before the window is visible; the port is
  // chosen in the view's start-up hook.
  m_keyboardCommands->SetSimulatedKeyboard(options.simulatedKeyboardFile);
  m_keyboardCommands->SetPs2Device(options.ps2Device);
  if (!m_view->OnInitialUpdate())
    return m_keyboardCommands->ExitStatus() == 0 ? StartResult::Cancelled : StartResult::PortFailed;
  m_frame->RefreshCommandStates();
  return StartResult::Ok;
}

void CVEXAApp::Show() {
  m_frame->showMaximized();
  m_view->setFocus();
}

void CVEXAApp::UpdateCaption() {
  m_frame->SetDocumentTitle(m_doc->Title());
  m_frame->RefreshCommandStates();
}

}  // namespace vexa
