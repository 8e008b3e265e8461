// The editor's side of keyboard communication: the port choice at the first
// display of the view, and the Read From KB / Write Into KB commands with
// their progress display, messages and the update of the document and the
// view afterwards.
//
// Everything about ports, blocks, retries and waits is the keyboard
// connection's; this class only binds it to the document, the view and the
// user interface. A command prepares its transfer on the GUI thread (the USB
// keyboard opened, the write's image built from the document, with every
// refusal shown in the product's order) and returns; the blocks move on a
// worker thread (TransferWorker) while the window stays alive. Meanwhile:
//   - every command but About, Key Word List and the toolbar and status bar
//     switches is disabled (the router's busy rule), so nothing changes the
//     template and no second transfer starts;
//   - key and mouse input to the view is dropped, not queued;
//   - closing the window waits for the end (CVEXAApp defers it).
// When the transfer has ended, on the GUI thread: a read's image goes into the
// document, the view is reset and repainted, the message is shown (a transfer
// that succeeded says so in the status bar), the commands come back, then the
// transfer-ended hook runs. Read From KB asks about unsaved changes first.
//
// Several USB keyboards: when more than one is connected, both commands ask
// which one (UserInterface::ChooseKeyboard), Write Into KB also offering all
// of them. "All" builds the image once, writes every keyboard at the same
// time, each on a worker of its own, shows their progress together (one row
// each) and ends with one message that names each keyboard's result. With
// one keyboard (or none) nothing is asked and nothing changes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/PortPreference.h"
#include "device/KeyboardConnection.h"

namespace vexa {

class CVEXADoc;
class CVEXAView;
class CommandRouter;
class DeviceSetup;
class SettingsStore;
class TransferProgressDisplay;
class TransferWorker;
class UndoHistory;
class UserInterface;
struct ViewState;

class KeyboardCommands {
 public:
  // `settings` keeps the port chosen last time, which the port dialog offers
  // first. The destructor waits for a running transfer to end: a write is never
  // cut off half-way.
  KeyboardCommands(CVEXADoc& doc, CVEXAView& view, UserInterface& ui, SettingsStore& settings);
  ~KeyboardCommands();
  KeyboardCommands(const KeyboardCommands&) = delete;
  KeyboardCommands& operator=(const KeyboardCommands&) = delete;

  // Registers the two commands and the busy rule that holds the others while
  // a transfer runs.
  void Register(CommandRouter& router);

  // Where the transfers go: the real devices (empty path) or the simulated
  // keyboard kept in `simulatePath`. Set before the port is chosen.
  void SetSimulatedKeyboard(std::string simulatePath) { m_simulatePath = std::move(simulatePath); }
  // The PS/2 port's node given with --ps2-device (see DeviceSetup); set before
  // the port is chosen.
  void SetPs2Device(std::string node) { m_ps2Device = std::move(node); }
  // Tests: a ready environment instead (emulated devices, virtual clock).
  void SetEnvironment(DeviceEnvironment environment);
  // A read that reaches the template is recorded there as one undo step.
  void SetHistory(UndoHistory* history) { m_history = history; }
  // Asked before Read From KB replaces a modified template, as New and Load
  // ask ("Save changes to %1?"): false when the user cancelled or the save
  // failed, and nothing is read.
  void SetSaveModifiedQuery(std::function<bool()> query) { m_saveModified = std::move(query); }

  // The port choice at the view's first display (once per run): asks PS/2 or
  // USB (see PortPreference: USB first while a USB keyboard is connected, no
  // question after "Don't ask at start"), keeps the answer for the next
  // start, opens the port and fills the view's port kind and name. Cancel
  // leaves the editor without a port: Read and Write then ask first. False
  // when the program must end; ExitStatus() then tells with which status (0
  // after a PS/2 port that cannot be opened, 1 when the simulated keyboard's
  // file is unusable).
  [[nodiscard]] bool ChoosePort(ViewState& state);
  // Configuration > Communication Port...: the port dialog opening with the
  // port in use; another port chosen replaces it. A port that can't be
  // opened now is reported and leaves the editor without a port (never ends
  // the program: the template may hold unsaved work).
  void ChangePort();
  [[nodiscard]] int ExitStatus() const { return m_exitStatus; }

  // Start a transfer and return; refused while one runs.
  void ReadFromKeyboard();
  // Configuration > Program Keyboards as Plugged In... (CStationDialog):
  // USB only; modal, so nothing else uses the connection meanwhile.
  void ProgramAsPluggedIn();
  void WriteIntoKeyboard();
  [[nodiscard]] bool TransferRunning() const;
  // Runs on the GUI thread after each transfer that ran has been finished.
  void SetTransferEndedHook(std::function<void()> hook) { m_transferEnded = std::move(hook); }

  [[nodiscard]] bool UsbInUse() const;
  [[nodiscard]] KeyboardConnection* Connection() { return m_connection.get(); }
  [[nodiscard]] TransferProgressDisplay& Progress() { return *m_progress; }

 private:
  // Runs a ready job on the worker; `apply` runs with its result on the GUI
  // thread before the view is reset and the message shown.
  // m_doneLine, set before, goes to the status bar when the transfer succeeded.
  void Start(TransferJob job, std::function<void(const TransferResult&)> apply);
  // USB with several keyboards connected: the user's choice (an index or
  // UserInterface::kAllKeyboards); nullopt when the user cancelled. `keyboards`
  // stays empty when nothing was asked (one keyboard or none, or PS/2).
  [[nodiscard]] std::optional<int> AskKeyboard(bool offerAll, std::vector<KeyboardDevice>& keyboards);
  // Write Into KB into every keyboard of `keyboards` at once.
  void WriteIntoAll(const std::vector<KeyboardDevice>& keyboards);
  // The one message after a write into several keyboards.
  [[nodiscard]] static Outcome GroupOutcome(const std::vector<KeyboardDevice>& keyboards,
                                            const std::vector<TransferResult>& results);
  // After a transfer that showed its progress: position 0 selected, the view
  // repainted and its command states refreshed.
  void FinishTransfer();
  void ReportViolations();
  // The devices the connection works with; false (the message shown) when
  // the simulated keyboard's file is unusable.
  [[nodiscard]] bool SetUpEnvironment();
  [[nodiscard]] bool UsbKeyboardConnected();
  // Opens `kind` as the run's port and shows it in the view; false (the
  // message shown) when it can't be opened.
  [[nodiscard]] bool OpenPort(PortKind kind);
  // Read and Write without a port: the port dialog first. False when the
  // user cancelled or the port can't be opened.
  [[nodiscard]] bool EnsurePort();

  CVEXADoc& m_doc;
  CVEXAView& m_view;
  UserInterface& m_ui;
  PortPreference m_portPreference;
  std::string m_simulatePath;
  std::string m_ps2Device;
  std::unique_ptr<DeviceSetup> m_setup;
  std::unique_ptr<DeviceEnvironment> m_environment;  // set by tests
  std::unique_ptr<KeyboardConnection> m_connection;
  TransferProgressDisplay* m_progress;  // owned by the view
  // Declared after the connection: destroyed first, so a running transfer
  // ends before the connection it uses goes away.
  std::unique_ptr<TransferWorker> m_worker;
  std::function<void()> m_transferEnded;
  std::function<bool()> m_saveModified;
  std::string m_doneLine;  // the status line of the transfer about to start
  UndoHistory* m_history = nullptr;
  int m_exitStatus = 0;
  bool m_startChoiceDone = false;
};

}  // namespace vexa
