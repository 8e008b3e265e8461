#include "device/KeyboardConnection.h"

#include <string>

#include "base/Messages.h"

namespace vexa {

KeyboardConnection::KeyboardConnection(DeviceEnvironment environment) : m_env(std::move(environment)) {}

KeyboardConnection::~KeyboardConnection() = default;

namespace {

// Adds what Detach reports (a keyboard that could not be given back) to a
// transfer's outcome: after its own message, or as a warning after a success.
void AddDetachNotice(Outcome& outcome, const Outcome& detached) {
  if (detached.message.empty()) return;
  if (outcome.message.empty())
    outcome = Outcome::Warning(detached.message);
  else
    outcome.message = msg::WithCauses(outcome.message, {detached.message});
}

// Runs `operation` with the PS/2 port attached. When it can't be attached,
// `refusal` is shown with the cause under it and nothing is sent.
template <typename Operation>
TransferResult Attached(CKBIO& port, std::string_view refusal, Operation operation) {
  TransferResult result;
  const Outcome attached = port.Attach();
  if (attached.ok)
    result = operation();
  else
    result.outcome = Outcome::Failure(msg::WithCauses(refusal, {attached.message}));
  AddDetachNotice(result.outcome, port.Detach());
  return result;
}

}  // namespace

Outcome KeyboardConnection::NoKeyboardMessage(const CUSBport& port, bool bound) {
  if (port.KeyboardNotPermitted()) return Outcome::Failure(std::string(msg::Tr(msg::kKeyboardNotPermitted)));
  if (bound)
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kNotTheKeyboard), port.DevicePath().c_str()));
  return Outcome::Failure(std::string(msg::Tr(msg::kNoKeyboardConnected)));
}

Outcome KeyboardConnection::NoKeyboardMessage() const {
  if (!m_usbPort) return Outcome::Failure(std::string(msg::Tr(msg::kNoKeyboardConnected)));
  return NoKeyboardMessage(*m_usbPort, m_usbBound);
}

std::unique_ptr<CUSBport> KeyboardConnection::MakeUsbPort() const {
  auto port = std::make_unique<CUSBport>(*m_env.hid, *m_env.clock, m_env.diagnostics);
  port->SetExpectedProduct(kExpectedProduct);
  port->SetVendorId(kVendorId);
  port->SetProductId(kProductId);
  return port;
}

PortChoice KeyboardConnection::ChoosePort(PortKind kind, std::string usbDevicePath) {
  PortChoice choice;
  if (m_portChosen) return choice;
  m_kind = kind;
  if (kind == PortKind::kPs2) {
    m_portName = "PS2";
    m_driverPort = std::make_unique<CKBIO>(*m_env.kbio);
    choice.outcome = m_driverPort->OpenDriver();
    if (!choice.outcome.ok) {
      choice.endProgram = true;
      return choice;
    }
    m_systemKind = m_driverPort->SystemKind();
  } else {
    m_portName = "USB";
    m_usbPort = MakeUsbPort();
    if (!usbDevicePath.empty()) {
      m_usbPort->BindToPath(std::move(usbDevicePath));
      m_usbBound = true;
    }
    m_noKeyboard = !m_usbPort->DetectHIDDevice();
    if (m_noKeyboard) choice.outcome = NoKeyboardMessage();
  }
  m_portChosen = true;
  return choice;
}

TransferJob KeyboardConnection::Refused(Outcome outcome) {
  TransferResult result;
  result.outcome = std::move(outcome);
  return TransferJob(std::move(result));
}

bool KeyboardConnection::OpenUsb() {
  m_noKeyboard = !m_usbPort->OpenDevice();
  return !m_noKeyboard;
}

void KeyboardConnection::AfterWrite(TransferResult& result, const std::string& path) const {
  if (!result.started || !m_env.afterWrite) return;
  Outcome saved = m_env.afterWrite(path);
  if (!saved.ok && result.outcome.ok) result.outcome = std::move(saved);
}

TransferJob KeyboardConnection::PrepareRead() {
  if (m_driverPort && m_systemKind != 0) {
    return TransferJob(
        [this](ProgressSink& progress) {
          return Attached(*m_driverPort, msg::Tr(msg::kReadDriverFailed),
                          [&] { return KeyboardTransfer(*m_env.clock, progress).DriverRead(*m_driverPort); });
        },
        {});
  }
  if (m_usbPort && OpenUsb()) {
    CUSBport* port = m_usbPort.get();
    return TransferJob(
        [this, port](ProgressSink& progress) {
          return KeyboardTransfer(*m_env.clock, progress).UsbRead(*port);
        },
        [port] { port->CloseDevice(); });
  }
  return Refused(NoKeyboardMessage());
}

TransferJob KeyboardConnection::PrepareWrite(const ImageSource& source) {
  Image image{};
  if (m_driverPort && m_systemKind != 0) {
    if (Outcome refused = source(image); !refused.ok) return Refused(std::move(refused));
    return TransferJob(
        [this, image](ProgressSink& progress) {
          TransferResult result = Attached(*m_driverPort, msg::Tr(msg::kWriteDriverFailed), [&] {
            return KeyboardTransfer(*m_env.clock, progress).DriverWrite(*m_driverPort, image);
          });
          AfterWrite(result, {});
          return result;
        },
        {});
  }
  if (!m_usbPort || !OpenUsb()) return Refused(NoKeyboardMessage());
  // The connection's own port outlives every job; a job only borrows it.
  return UsbWriteJob(std::shared_ptr<CUSBport>(m_usbPort.get(), [](CUSBport*) {}), source);
}

TransferJob KeyboardConnection::UsbWriteJob(std::shared_ptr<CUSBport> port, const ImageSource& source) {
  Image image{};
  if (Outcome refused = source(image); !refused.ok) {
    port->CloseDevice();
    return Refused(std::move(refused));
  }
  return TransferJob(
      [this, port, image](ProgressSink& progress) {
        TransferResult result = KeyboardTransfer(*m_env.clock, progress).UsbWrite(*port, image);
        AfterWrite(result, port->DevicePath());
        return result;
      },
      [port] { port->CloseDevice(); });
}

std::vector<KeyboardDevice> KeyboardConnection::ConnectedKeyboards() {
  return MakeUsbPort()->FindKeyboards();
}

std::vector<KeyboardListing> KeyboardConnection::ListKeyboards() { return MakeUsbPort()->ListKeyboards(); }

std::optional<KeyboardListing> KeyboardConnection::ListKeyboardAt(const std::string& path) {
  return MakeUsbPort()->ListKeyboard(path);
}

TransferJob KeyboardConnection::PrepareReadFrom(const std::string& path) {
  std::shared_ptr<CUSBport> port = MakeUsbPort();
  port->BindToPath(path);
  if (!port->OpenDevice()) return Refused(NoKeyboardMessage(*port, true));
  return TransferJob(
      [this, port](ProgressSink& progress) {
        return KeyboardTransfer(*m_env.clock, progress).UsbRead(*port);
      },
      [port] { port->CloseDevice(); });
}

TransferJob KeyboardConnection::PrepareWriteTo(const std::string& path, const ImageSource& source) {
  std::shared_ptr<CUSBport> port = MakeUsbPort();
  port->BindToPath(path);
  if (!port->OpenDevice()) return Refused(NoKeyboardMessage(*port, true));
  return UsbWriteJob(std::move(port), source);
}

TransferResult KeyboardConnection::ReadFromKeyboard(ProgressSink& progress) {
  return PrepareRead().Run(progress);
}

TransferResult KeyboardConnection::WriteIntoKeyboard(const ImageSource& source, ProgressSink& progress) {
  return PrepareWrite(source).Run(progress);
}

Outcome KeyboardConnection::DetectPs2() {
  if (!m_driverPort || m_systemKind == 0) return NoKeyboardMessage();
  int identified = CKBIO::kDriverFailed;
  TransferResult result = Attached(*m_driverPort, msg::Tr(msg::kReadDriverFailed), [&] {
    const bool direct = m_systemKind == 1;
    if (direct) m_driverPort->MaskInterrupts();
    identified = m_driverPort->Identify();
    if (direct) m_driverPort->UnmaskInterrupts();
    return TransferResult{};
  });
  if (!result.outcome.ok) return result.outcome;
  Outcome found = Outcome::Success();
  if (identified == CKBIO::kNoKeyboard) found = Outcome::Failure(std::string(msg::Tr(msg::kReadNoKeyboard)));
  if (identified == CKBIO::kDriverFailed)
    found = Outcome::Failure(std::string(msg::Tr(msg::kReadDriverFailed)));
  AddDetachNotice(found, Outcome::Warning(result.outcome.message));
  return found;
}

}  // namespace vexa
