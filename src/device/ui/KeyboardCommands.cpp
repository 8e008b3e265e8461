#include "device/ui/KeyboardCommands.h"

#include <QLoggingCategory>

#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UserInterface.h"
#include "device/DocumentTransfer.h"
#include "device/linux/DeviceSetup.h"
#include "device/ui/TransferProgressDisplay.h"
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

KeyboardCommands::KeyboardCommands(CVEXADoc& doc, CVEXAView& view, UserInterface& ui)
    : m_doc(doc), m_view(view), m_ui(ui), m_progress(new TransferProgressDisplay(&view)) {}

KeyboardCommands::~KeyboardCommands() = default;

void KeyboardCommands::Register(CommandRouter& router) {
  router.Register(cmd::kReadFromKeyboard, [this] { ReadFromKeyboard(); });
  router.Register(cmd::kWriteIntoKeyboard, [this] { WriteIntoKeyboard(); });
}

void KeyboardCommands::SetEnvironment(DeviceEnvironment environment) {
  m_environment = std::make_unique<DeviceEnvironment>(std::move(environment));
}

bool KeyboardCommands::ChoosePort(ViewState& state) {
  if (m_connection) return true;
  const std::optional<PortKind> kind = m_ui.ChoosePort();
  if (!kind) {
    m_exitStatus = 0;
    return false;
  }
  if (!m_environment) {
    m_setup = std::make_unique<DeviceSetup>();
    if (Outcome opened = m_setup->Open(m_simulatePath); !opened.ok) {
      m_ui.Message(opened.message);
      m_exitStatus = 1;
      return false;
    }
    m_environment = std::make_unique<DeviceEnvironment>(m_setup->Environment(UsbDiagnostic));
  } else if (!m_environment->diagnostics) {
    m_environment->diagnostics = UsbDiagnostic;
  }
  m_connection = std::make_unique<KeyboardConnection>(*m_environment);
  const PortChoice choice = m_connection->ChoosePort(*kind);
  if (!choice.outcome.message.empty()) m_ui.Message(choice.outcome.message);
  if (choice.endProgram) {
    m_exitStatus = 0;
    return false;
  }
  state.portKind = static_cast<int>(m_connection->Kind());
  state.portName = m_connection->PortName();
  return true;
}

bool KeyboardCommands::UsbInUse() const { return m_connection && m_connection->Kind() == PortKind::kUsb; }

void KeyboardCommands::FinishTransfer() {
  m_view.State().ResetAfterTransfer(m_doc);
  m_view.repaint();
  emit m_view.stateChanged();
}

void KeyboardCommands::ReadFromKeyboard() {
  if (!m_connection) return;
  const TransferResult result = m_connection->ReadFromKeyboard(*m_progress);
  // Only a complete image reaches the document: after a failed block the
  // template stays exactly as it was, unsaved edits included.
  ApplyReadResult(m_doc, result);
  if (result.started) FinishTransfer();
  if (!result.outcome.message.empty()) m_ui.Message(result.outcome.message);
}

void KeyboardCommands::WriteIntoKeyboard() {
  if (!m_connection) return;
  // Only the selected key is checked before writing; BuildImage takes the
  // other keys as they are. Key data that do not fit are refused as on a save:
  // the image would silently lose the keys that overflow.
  const TransferResult result = m_connection->WriteIntoKeyboard(
      WriteSourceFromDocument(m_doc, m_view.State().selectedKey), *m_progress);
  if (result.started) FinishTransfer();
  if (!result.outcome.message.empty()) m_ui.Message(result.outcome.message);
}

}  // namespace vexa
