#include "device/ui/KeyboardCommands.h"

#include <QLoggingCategory>

#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UndoHistory.h"
#include "commands/UserInterface.h"
#include "device/DocumentTransfer.h"
#include "device/linux/DeviceSetup.h"
#include "device/ui/TransferProgressDisplay.h"
#include "device/ui/TransferWorker.h"
#include "document/CVEXADoc.h"
#include "view/ui/CVEXAView.h"

// The USB port's diagnostic lines (detection and identity checks). Off by
// default; QT_LOGGING_RULES="vexa.usb.debug=true" shows them.
Q_LOGGING_CATEGORY(lcVexaUsb, "vexa.usb", QtWarningMsg)

namespace vexa {

namespace {

void UsbDiagnostic(std::string_view line) {
  // The port's lines end in "\n"; the log adds its own.
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  qCDebug(lcVexaUsb).noquote() << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace

KeyboardCommands::KeyboardCommands(CVEXADoc& doc, CVEXAView& view, UserInterface& ui, SettingsStore& settings)
    : m_doc(doc),
      m_view(view),
      m_ui(ui),
      m_portPreference(settings),
      m_progress(new TransferProgressDisplay(&view)),
      m_worker(std::make_unique<TransferWorker>(*m_progress)) {}

KeyboardCommands::~KeyboardCommands() { m_worker.reset(); }

void KeyboardCommands::Register(CommandRouter& router) {
  router.Register(cmd::kReadFromKeyboard, [this] { ReadFromKeyboard(); });
  router.Register(cmd::kWriteIntoKeyboard, [this] { WriteIntoKeyboard(); });
  // While a transfer runs only what neither changes the template, nor starts
  // a transfer, nor ends the program stays enabled.
  router.SetBusyRule([this] { return TransferRunning(); },
                     {cmd::kAbout, cmd::kKeyWordList, cmd::kToggleToolbar, cmd::kToggleStatusBar});
}

void KeyboardCommands::SetEnvironment(DeviceEnvironment environment) {
  m_environment = std::make_unique<DeviceEnvironment>(std::move(environment));
}

bool KeyboardCommands::ChoosePort(ViewState& state) {
  if (m_connection) return true;
  const std::optional<PortKind> kind = m_ui.ChoosePort(m_portPreference.Initial());
  if (!kind) {
    m_exitStatus = 0;
    return false;
  }
  m_portPreference.Remember(*kind);
  if (!m_environment) {
    m_setup = std::make_unique<DeviceSetup>();
    m_setup->SetPs2Device(m_ps2Device);
    if (Outcome opened = m_setup->Open(m_simulatePath); !opened.ok) {
      m_ui.Show(opened);
      m_exitStatus = 1;
      return false;
    }
    m_environment = std::make_unique<DeviceEnvironment>(m_setup->Environment(UsbDiagnostic));
  } else if (!m_environment->diagnostics) {
    m_environment->diagnostics = UsbDiagnostic;
  }
  m_connection = std::make_unique<KeyboardConnection>(*m_environment);
  const PortChoice choice = m_connection->ChoosePort(*kind);
  m_ui.Show(choice.outcome);
  if (choice.endProgram) {
    m_exitStatus = 0;
    return false;
  }
  state.portKind = static_cast<int>(m_connection->Kind());
  state.portName = m_connection->PortName();
  return true;
}

bool KeyboardCommands::UsbInUse() const { return m_connection && m_connection->Kind() == PortKind::kUsb; }

bool KeyboardCommands::TransferRunning() const { return m_worker && m_worker->Running(); }

void KeyboardCommands::FinishTransfer() {
  m_view.State().ResetAfterTransfer(m_doc);
  m_view.update();
}

void KeyboardCommands::ReportViolations() {
  // The simulated keyboard is as strict as a real one; what the host did
  // wrong is printed for whoever runs it (the end-to-end tests fail on it).
  if (!m_setup || !m_setup->Simulated()) return;
  for (const std::string& v : m_setup->Simulated()->TakeViolations())
    qWarning("simulated keyboard: protocol violation: %s", v.c_str());
}

void KeyboardCommands::Start(TransferJob job, std::function<void(const TransferResult&)> apply) {
  m_view.SetInputBlocked(true);
  const bool started = m_worker->Start(std::move(job), [this, apply](TransferResult result) {
    m_view.SetInputBlocked(false);
    ReportViolations();
    if (apply) apply(result);
    if (result.started) FinishTransfer();
    emit m_view.stateChanged();  // the commands come back
    m_ui.Show(result.outcome);
    if (m_transferEnded) m_transferEnded();
  });
  if (!started) {
    m_view.SetInputBlocked(false);
    return;
  }
  emit m_view.stateChanged();  // the commands go grey for the transfer
}

void KeyboardCommands::ReadFromKeyboard() {
  if (!m_connection || TransferRunning()) return;
  TransferJob job = m_connection->PrepareRead();
  if (!job.Ready()) {
    m_ui.Show(job.Refusal().outcome);
    return;
  }
  // Only a complete image reaches the document: after a failed block the
  // template stays exactly as it was, unsaved edits included. Taking the image
  // and selecting position 0 is one undo step, recorded on this thread when
  // the worker has finished.
  Start(std::move(job), [this](const TransferResult& result) {
    const auto apply = [this, &result] {
      ApplyReadResult(m_doc, result);
      if (result.started) FinishTransfer();
    };
    if (m_history) {
      m_history->Record(UndoHistory::StepKind::Command, apply);
    } else {
      apply();
    }
  });
}

void KeyboardCommands::WriteIntoKeyboard() {
  if (!m_connection || TransferRunning()) return;
  // Only the selected key is checked before writing; BuildImage takes the
  // other keys as they are. Key data that do not fit are refused as on a save:
  // the image would silently lose the keys that overflow. The image is built
  // here, on the GUI thread; the worker only gets its copy.
  TransferJob job = m_connection->PrepareWrite(WriteSourceFromDocument(m_doc, m_view.State().selectedKey));
  if (!job.Ready()) {
    m_ui.Show(job.Refusal().outcome);
    return;
  }
  Start(std::move(job), {});
}

}  // namespace vexa
