#include "device/KeyboardConnection.h"

#include <string>

#include "base/Messages.h"

namespace vexa {

KeyboardConnection::KeyboardConnection(DeviceEnvironment environment) : m_env(std::move(environment)) {}

KeyboardConnection::~KeyboardConnection() = default;

Outcome KeyboardConnection::NoKeyboardMessage() const {
  const bool notPermitted = m_usbPort && m_usbPort->KeyboardNotPermitted();
  return Outcome::Failure(std::string(notPermitted ? msg::kKeyboardNotPermitted : msg::kNoKeyboardConnected));
}

PortChoice KeyboardConnection::ChoosePort(PortKind kind) {
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
    m_usbPort = std::make_unique<CUSBport>(*m_env.hid, *m_env.clock, m_env.diagnostics);
    m_usbPort->SetExpectedProduct(kExpectedProduct);
    m_usbPort->SetVendorId(kVendorId);
    m_usbPort->SetProductId(kProductId);
    m_noKeyboard = !m_usbPort->DetectHIDDevice();
    if (m_noKeyboard) choice.outcome = NoKeyboardMessage();
  }
  m_portChosen = true;
  return choice;
}

TransferResult KeyboardConnection::ReadFromKeyboard(ProgressSink& progress) {
  TransferResult result;
  KeyboardTransfer transfer(*m_env.clock, progress);
  if (m_driverPort && m_systemKind != 0) return transfer.DriverRead(*m_driverPort);
  if (m_usbPort && !m_noKeyboard) return transfer.UsbRead(*m_usbPort);
  result.outcome = NoKeyboardMessage();
  return result;
}

TransferResult KeyboardConnection::WriteIntoKeyboard(const ImageSource& source, ProgressSink& progress) {
  TransferResult result;
  KeyboardTransfer transfer(*m_env.clock, progress);
  if (m_driverPort && m_systemKind != 0) {
    result = transfer.DriverWrite(*m_driverPort, source);
  } else if (m_usbPort && !m_noKeyboard) {
    result = transfer.UsbWrite(*m_usbPort, source);
  } else {
    result.outcome = NoKeyboardMessage();
    return result;
  }
  if (result.started && m_env.afterWrite) {
    Outcome saved = m_env.afterWrite();
    if (!saved.ok && result.outcome.ok) result.outcome = std::move(saved);
  }
  return result;
}

}  // namespace vexa
