#include "device/ui/KeyboardCommands.h"

#include <QLoggingCategory>
#include <algorithm>
#include <utility>

#include "base/Messages.h"
#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UndoHistory.h"
#include "commands/UserInterface.h"
#include "device/DocumentTransfer.h"
#include "device/linux/DeviceSetup.h"
#include "device/linux/SimulatedHotplugMonitor.h"
#include "device/linux/UdevHotplugMonitor.h"
#include "device/ui/CSelectConnectedKeyboard.h"
#include "device/ui/CStationDialog.h"
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
  router.Register(cmd::kProgramAsPluggedIn, [this] { ProgramAsPluggedIn(); });
  router.Register(cmd::kCommunicationPort, [this] { ChangePort(); });
  // While a transfer runs only what neither changes the template, nor starts
  // a transfer, nor ends the program stays enabled.
  router.SetBusyRule([this] { return TransferRunning(); },
                     {cmd::kAbout, cmd::kKeyWordList, cmd::kToggleToolbar, cmd::kToggleStatusBar});
}

void KeyboardCommands::SetEnvironment(DeviceEnvironment environment) {
  m_environment = std::make_unique<DeviceEnvironment>(std::move(environment));
}

bool KeyboardCommands::SetUpEnvironment() {
  if (m_environment) return true;
  auto setup = std::make_unique<DeviceSetup>();
  setup->SetPs2Device(m_ps2Device);
  if (Outcome opened = setup->Open(m_simulatePath); !opened.ok) {
    m_ui.Show(opened);
    return false;
  }
  m_setup = std::move(setup);
  m_environment = std::make_unique<DeviceEnvironment>(m_setup->Environment(UsbDiagnostic));
  return true;
}

bool KeyboardCommands::UsbKeyboardConnected() {
  // The detection of every transfer: only the keyboard's own devices are opened.
  return !KeyboardConnection(*m_environment).ConnectedKeyboards().empty();
}

bool KeyboardCommands::ChoosePort(ViewState& state) {
  if (m_startChoiceDone) return true;
  m_startChoiceDone = true;
  if (!SetUpEnvironment()) {
    m_exitStatus = 1;
    return false;
  }
  if (!m_environment->diagnostics) m_environment->diagnostics = UsbDiagnostic;
  const PortPreference::AtStart start = m_portPreference.Start(UsbKeyboardConnected());
  PortKind kind = start.port;
  if (start.ask) {
    const std::optional<PortAnswer> answer = m_ui.ChoosePort(start.port, m_portPreference.DontAsk());
    if (!answer) {
      state.portName.clear();
      return true;  // the editor without a port; Read and Write ask first
    }
    m_portPreference.Remember(answer->kind, answer->dontAskAtStart);
    kind = answer->kind;
  }
  // A PS/2 port that can't be opened at start ends the program, as it always did.
  return OpenPort(kind);
}

bool KeyboardCommands::OpenPort(PortKind kind) {
  auto connection = std::make_unique<KeyboardConnection>(*m_environment);
  const PortChoice choice = connection->ChoosePort(kind);
  m_ui.Show(choice.outcome);
  ViewState& state = m_view.State();
  if (choice.endProgram) {
    m_exitStatus = 0;
    state.portName.clear();
    return false;
  }
  m_connection = std::move(connection);
  state.portKind = static_cast<int>(m_connection->Kind());
  state.portName = m_connection->PortName();
  return true;
}

bool KeyboardCommands::EnsurePort() {
  if (m_connection) return true;
  if (!SetUpEnvironment()) return false;
  const std::optional<PortAnswer> answer =
      m_ui.ChoosePort(m_portPreference.Preselected(UsbKeyboardConnected()), m_portPreference.DontAsk());
  if (!answer) return false;
  m_portPreference.Remember(answer->kind, answer->dontAskAtStart);
  const bool opened = OpenPort(answer->kind);
  m_view.update();
  return opened;
}

void KeyboardCommands::ChangePort() {
  if (TransferRunning() || !SetUpEnvironment()) return;
  const PortKind initial =
      m_connection ? m_connection->Kind() : m_portPreference.Preselected(UsbKeyboardConnected());
  const std::optional<PortAnswer> answer = m_ui.ChoosePort(initial, m_portPreference.DontAsk());
  if (!answer) return;
  m_portPreference.Remember(answer->kind, answer->dontAskAtStart);
  if (!m_connection || m_connection->Kind() != answer->kind) {
    // The port in use is let go before the other one is taken.
    m_connection.reset();
    (void)OpenPort(answer->kind);
  }
  m_view.update();
  emit m_view.stateChanged();
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
  const std::string doneLine = std::exchange(m_doneLine, {});
  const bool started = m_worker->Start(std::move(job), [this, apply, doneLine](TransferResult result) {
    m_view.SetInputBlocked(false);
    ReportViolations();
    if (apply) apply(result);
    if (result.started) FinishTransfer();
    emit m_view.stateChanged();  // the commands come back
    if (result.outcome.ok && result.started) m_ui.StatusLine(doneLine);
    m_ui.Show(result.outcome);
    if (m_transferEnded) m_transferEnded();
  });
  if (!started) {
    m_view.SetInputBlocked(false);
    return;
  }
  emit m_view.stateChanged();  // the commands go grey for the transfer
}

std::optional<int> KeyboardCommands::AskKeyboard(bool offerAll, std::vector<KeyboardDevice>& keyboards) {
  keyboards.clear();
  if (!UsbInUse()) return 0;
  std::vector<KeyboardDevice> connected = m_connection->ConnectedKeyboards();
  if (connected.size() < 2) return 0;
  const std::optional<int> choice = m_ui.ChooseKeyboard(connected, offerAll);
  if (!choice || (*choice == UserInterface::kAllKeyboards && !offerAll) ||
      (*choice != UserInterface::kAllKeyboards &&
       (*choice < 0 || *choice >= static_cast<int>(connected.size()))))
    return std::nullopt;
  keyboards = std::move(connected);
  return choice;
}

void KeyboardCommands::ReadFromKeyboard() {
  if (TransferRunning() || !EnsurePort()) return;
  std::vector<KeyboardDevice> keyboards;
  const std::optional<int> choice = AskKeyboard(false, keyboards);
  if (!choice) return;
  // The read replaces the template: unsaved work is saved first, or given up knowingly.
  if (m_saveModified && !m_saveModified()) return;
  TransferJob job = keyboards.empty()
                        ? m_connection->PrepareRead()
                        : m_connection->PrepareReadFrom(keyboards[static_cast<size_t>(*choice)].path);
  if (!job.Ready()) {
    m_ui.Show(job.Refusal().outcome);
    return;
  }
  // Only a complete image reaches the document: after a failed block the
  // template stays exactly as it was, unsaved edits included. Taking the image
  // and selecting position 0 is one undo step, recorded on this thread when
  // the worker has finished.
  m_doneLine = std::string(msg::Tr(msg::kReadFromKeyboard));
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
  if (TransferRunning() || !EnsurePort()) return;
  // Only the selected key is checked before writing; BuildImage takes the
  // other keys as they are. Key data that do not fit are refused as on a save:
  // the image would silently lose the keys that overflow. The image is built
  // here, on the GUI thread; the worker only gets its copy.
  std::vector<KeyboardDevice> keyboards;
  const std::optional<int> choice = AskKeyboard(true, keyboards);
  if (!choice) return;
  if (*choice == UserInterface::kAllKeyboards) {
    WriteIntoAll(keyboards);
    return;
  }
  const ImageSource source = WriteSourceFromDocument(m_doc, m_view.State().selectedKey);
  TransferJob job = keyboards.empty()
                        ? m_connection->PrepareWrite(source)
                        : m_connection->PrepareWriteTo(keyboards[static_cast<size_t>(*choice)].path, source);
  if (!job.Ready()) {
    m_ui.Show(job.Refusal().outcome);
    return;
  }
  // The line names the keyboard when it was one of several.
  m_doneLine =
      keyboards.empty()
          ? std::string(msg::Tr(msg::kWrittenIntoKeyboard))
          : msg::FormatMessage(msg::Tr(msg::kWrittenIntoKeyboardNamed),
                               CSelectConnectedKeyboard::ShortName(keyboards[static_cast<size_t>(*choice)])
                                   .toStdString()
                                   .c_str());
  Start(std::move(job), {});
}

void KeyboardCommands::ProgramAsPluggedIn() {
  if (!m_connection || TransferRunning()) return;
  if (!UsbInUse()) {
    m_ui.Show(Outcome::Failure(std::string(msg::Tr(msg::kStationNeedsUsb))));
    return;
  }
  SimulatedKeyboard* simulated = m_setup ? m_setup->Simulated() : nullptr;
  const auto makeMonitor = [simulated](Outcome& outcome) -> std::unique_ptr<HotplugMonitor> {
    if (simulated) {
      auto files = std::make_unique<SimulatedHotplugMonitor>(*simulated);
      outcome = files->Start();
      return files;
    }
    auto udev =
        std::make_unique<UdevHotplugMonitor>(KeyboardConnection::kVendorId, KeyboardConnection::kProductId);
    outcome = udev->Start();
    return udev;
  };
  // The template as Write Into KB takes it: the selected key checked, the image built.
  CStationDialog dialog(
      *m_connection, makeMonitor,
      [this](Image& image) { return WriteSourceFromDocument(m_doc, m_view.State().selectedKey)(image); },
      &m_view);
  dialog.exec();
  ReportViolations();
}

void KeyboardCommands::WriteIntoAll(const std::vector<KeyboardDevice>& keyboards) {
  // One image for all, built and checked once, before any keyboard is opened.
  Image image{};
  if (Outcome built = WriteSourceFromDocument(m_doc, m_view.State().selectedKey)(image); !built.ok) {
    m_ui.Show(built);
    return;
  }
  const ImageSource source = [image](Image& out) {
    out = image;
    return Outcome::Success();
  };
  // A keyboard that can't be opened now keeps its refusal; the others go on.
  std::vector<TransferResult> results(keyboards.size());
  std::vector<size_t> started;
  std::vector<TransferJob> jobs;
  QStringList names;
  for (size_t i = 0; i < keyboards.size(); ++i) {
    TransferJob job = m_connection->PrepareWriteTo(keyboards[i].path, source);
    if (!job.Ready()) {
      results[i] = job.Refusal();
      continue;
    }
    jobs.push_back(std::move(job));
    started.push_back(i);
    names.append(CSelectConnectedKeyboard::ShortName(keyboards[i]));
  }
  if (jobs.empty()) {
    m_ui.Show(GroupOutcome(keyboards, results));
    return;
  }
  m_progress->BeginGroup(names);
  std::vector<ProgressSink*> rows;
  for (int row = 0; row < names.size(); ++row) rows.push_back(&m_progress->Row(row));
  m_view.SetInputBlocked(true);
  const bool running = m_worker->StartGroup(
      std::move(jobs), rows, [this, keyboards, results, started](std::vector<TransferResult> ended) mutable {
        m_progress->EndGroup();
        m_view.SetInputBlocked(false);
        ReportViolations();
        bool anyStarted = false;
        for (size_t j = 0; j < ended.size(); ++j) {
          anyStarted = anyStarted || ended[j].started;
          results[started[j]] = std::move(ended[j]);
        }
        if (anyStarted) FinishTransfer();
        emit m_view.stateChanged();  // the commands come back
        m_ui.Show(GroupOutcome(keyboards, results));
        if (m_transferEnded) m_transferEnded();
      });
  if (!running) {
    m_progress->EndGroup();
    m_view.SetInputBlocked(false);
    return;
  }
  emit m_view.stateChanged();  // the commands go grey for the transfer
}

Outcome KeyboardCommands::GroupOutcome(const std::vector<KeyboardDevice>& keyboards,
                                       const std::vector<TransferResult>& results) {
  int written = 0;
  std::string failures;
  for (size_t i = 0; i < results.size(); ++i) {
    if (results[i].outcome.ok) {
      ++written;
      continue;
    }
    std::string message = results[i].outcome.message;
    std::replace(message.begin(), message.end(), '\n', ' ');
    failures += "\n" + CSelectConnectedKeyboard::Describe(keyboards[i]).toStdString() + ": " + message;
  }
  const int total = static_cast<int>(results.size());
  if (written == total) return Outcome::Information(msg::FormatMessage(msg::Tr(msg::kWrittenIntoAll), total));
  return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kWrittenIntoSome), written, total) + failures);
}

}  // namespace vexa
