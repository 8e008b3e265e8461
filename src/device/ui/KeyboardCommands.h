// The editor's side of keyboard communication: the port choice at the first
// display of the view, and the Read From KB / Write Into KB commands with
// their progress display, messages and the update of the document and the
// view afterwards.
//
// Everything about ports, blocks, retries and waits is the keyboard
// connection's; this class only binds it to the document, the view and the
// user interface. A transfer runs to its end inside the command, blocking the
// user-interface thread as the keyboard expects.
#pragma once

#include <memory>
#include <string>

#include "device/KeyboardConnection.h"

namespace vexa {

class CVEXADoc;
class CVEXAView;
class CommandRouter;
class DeviceSetup;
class TransferProgressDisplay;
class UserInterface;
struct ViewState;

class KeyboardCommands {
 public:
  KeyboardCommands(CVEXADoc& doc, CVEXAView& view, UserInterface& ui);
  ~KeyboardCommands();
  KeyboardCommands(const KeyboardCommands&) = delete;
  KeyboardCommands& operator=(const KeyboardCommands&) = delete;

  void Register(CommandRouter& router);

  // Where the transfers go: the real devices (empty path) or the simulated
  // keyboard kept in `simulatePath`. Set before the port is chosen.
  void SetSimulatedKeyboard(std::string simulatePath) { m_simulatePath = std::move(simulatePath); }
  // Tests: a ready environment instead (emulated devices, virtual clock).
  void SetEnvironment(DeviceEnvironment environment);

  // The port choice, once per run, at the view's first display: asks PS/2 or
  // USB, opens the port and fills the view's port kind and name. False when
  // the program must end; ExitStatus() then tells with which status (0 after
  // Cancel or a PS/2 port that cannot be opened, 1 when the simulated
  // keyboard's file is unusable).
  [[nodiscard]] bool ChoosePort(ViewState& state);
  [[nodiscard]] int ExitStatus() const { return m_exitStatus; }

  void ReadFromKeyboard();
  void WriteIntoKeyboard();

  [[nodiscard]] bool UsbInUse() const;
  [[nodiscard]] KeyboardConnection* Connection() { return m_connection.get(); }
  [[nodiscard]] TransferProgressDisplay& Progress() { return *m_progress; }

 private:
  // After a transfer that showed its progress: position 0 selected, the view
  // repainted and its command states refreshed.
  void FinishTransfer();

  CVEXADoc& m_doc;
  CVEXAView& m_view;
  UserInterface& m_ui;
  std::string m_simulatePath;
  std::unique_ptr<DeviceSetup> m_setup;
  std::unique_ptr<DeviceEnvironment> m_environment;  // set by tests
  std::unique_ptr<KeyboardConnection> m_connection;
  TransferProgressDisplay* m_progress;  // owned by the view
  int m_exitStatus = 0;
};

}  // namespace vexa
