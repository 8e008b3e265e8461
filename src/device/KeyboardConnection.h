// The keyboard connection of one editor run: the port chosen once at start
// (PS/2 or USB), the one port object, and the dispatch of the two transfer
// commands. The editor view keeps one of these; vexa-cli makes one per
// command. Everything the user sees comes back as texts to show (Outcome);
// the caller only shows dialogs, messages and progress.
//
// A transfer comes in two steps (see TransferJob.h): Prepare* on the thread
// that owns the document, then the job's Run wherever the caller likes. The
// one-call forms ReadFromKeyboard / WriteIntoKeyboard do both in a row.
//
// USB: the keyboard is detected when the port is chosen, and again by any
// transfer that finds the kept path no longer holding the keyboard (it was
// unplugged, came back at another path, or was plugged in after start).
//
// Several USB keyboards: ListKeyboards / ConnectedKeyboards say which are
// connected, and PrepareReadFrom / PrepareWriteTo make a transfer bound to
// one of them, with a port of its own. Those calls need no port choice and
// share nothing but the environment, so they, and the jobs they return, may
// run on several threads at once, one thread per keyboard (the programs run
// one worker per keyboard to write many keyboards in the time of one).
// The PS/2 port has one keyboard: a PC has one keyboard port.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "device/Clock.h"
#include "device/Diagnostics.h"
#include "device/HidBackend.h"
#include "device/KbioPlatform.h"
#include "device/KeyboardTransfer.h"
#include "device/ProgressSink.h"
#include "device/TransferJob.h"

namespace vexa {

enum class PortKind : int { kPs2 = 0, kUsb = 5 };

// The outside world of the connection: the real system (see
// device/linux/DeviceSetup.h) or the simulated keyboard. When the jobs of
// several keyboards run at once, `hid`, `clock`, `diagnostics` and
// `afterWrite` are used from all their threads.
struct DeviceEnvironment {
  HidBackend* hid = nullptr;
  KbioPlatform* kbio = nullptr;
  Clock* clock = nullptr;
  DiagnosticSink diagnostics;
  // Runs after every write transfer that reached the keyboard, with the USB
  // path written (empty for PS/2): the simulated keyboard saves that
  // keyboard's memory file here. A failure's text is shown.
  std::function<Outcome(const std::string& devicePath)> afterWrite;
};

struct PortChoice {
  Outcome outcome;          // a message to show, if any
  bool endProgram = false;  // the PS/2 port could not be opened: show the message, then exit with status 0
};

class KeyboardConnection {
 public:
  static constexpr const char* kExpectedProduct = "PX2400U";
  static constexpr int kVendorId = 0x0FA8;
  static constexpr int kProductId = 0xC280;

  explicit KeyboardConnection(DeviceEnvironment environment);
  ~KeyboardConnection();

  // Runs once per run; later calls change nothing. USB: a keyboard that
  // isn't found is reported; each transfer looks for it again. With
  // `usbDevicePath` (vexa-cli --device) the port is bound to that one
  // keyboard: it is checked now and on every transfer, and a path that is not
  // a connected keyboard is refused (kNotTheKeyboard) with nothing sent.
  [[nodiscard]] PortChoice ChoosePort(PortKind kind, std::string usbDevicePath = {});

  // The first step of a transfer (see TransferJob.h). A write asks `source`
  // for the image after the USB keyboard was opened and before the PS/2
  // keyboard is identified, so the refusals come in the product's order. A
  // PS/2 transfer runs between the port's Attach and Detach (on Linux the
  // kernel's raw driver holds the keyboard only meanwhile), inside the job:
  // a refused template never takes the keyboard away.
  [[nodiscard]] TransferJob PrepareRead();
  [[nodiscard]] TransferJob PrepareWrite(const ImageSource& source);

  // Both steps in a row.
  [[nodiscard]] TransferResult ReadFromKeyboard(ProgressSink& progress);
  [[nodiscard]] TransferResult WriteIntoKeyboard(const ImageSource& source, ProgressSink& progress);
  // PS/2 only: one identify, attached and bracketed as in a transfer. A
  // failure carries the read texts; a success may carry a notice.
  [[nodiscard]] Outcome DetectPs2();

  // USB, several keyboards (see above). The keyboards that open and pass the
  // identity check, in the system's order:
  [[nodiscard]] std::vector<KeyboardDevice> ConnectedKeyboards();
  // Every keyboard the system lists, with whether it can be used (each usable
  // one is polled once; see CUSBport::ListKeyboards):
  [[nodiscard]] std::vector<KeyboardListing> ListKeyboards();
  // The keyboard at `path` only (just plugged in), listed the same way;
  // nothing else is opened. Nothing when `path` is not a keyboard.
  [[nodiscard]] std::optional<KeyboardListing> ListKeyboardAt(const std::string& path);
  // Transfers with the keyboard at `path` only, prepared as PrepareRead /
  // PrepareWrite are; refused (kNotTheKeyboard, or the permission text) when
  // that path is not a keyboard that opens now.
  [[nodiscard]] TransferJob PrepareReadFrom(const std::string& path);
  [[nodiscard]] TransferJob PrepareWriteTo(const std::string& path, const ImageSource& source);

  [[nodiscard]] bool PortChosen() const { return m_portChosen; }
  [[nodiscard]] PortKind Kind() const { return m_kind; }
  [[nodiscard]] const std::string& PortName() const { return m_portName; }  // "PS2", "USB" or empty
  // USB: the last search (at the port choice or a transfer) found no keyboard.
  [[nodiscard]] bool NoKeyboard() const { return m_noKeyboard; }
  [[nodiscard]] int SystemKind() const { return m_systemKind; }  // PS/2 only: 1 or 2
  CKBIO* DriverPort() { return m_driverPort.get(); }
  CUSBport* UsbPort() { return m_usbPort.get(); }

 private:
  [[nodiscard]] Outcome NoKeyboardMessage() const;
  // Why `port` (bound to one path when `bound`) found no keyboard.
  [[nodiscard]] static Outcome NoKeyboardMessage(const CUSBport& port, bool bound);
  [[nodiscard]] static TransferJob Refused(Outcome outcome);
  // A USB port configured with the keyboard's identity and this environment.
  [[nodiscard]] std::unique_ptr<CUSBport> MakeUsbPort() const;
  [[nodiscard]] TransferJob UsbWriteJob(std::shared_ptr<CUSBport> port, const ImageSource& source);
  // Opens the USB keyboard for a transfer; false when there is none.
  [[nodiscard]] bool OpenUsb();
  // A write that reached the keyboard at `path` (empty: PS/2): the
  // environment's afterWrite step.
  void AfterWrite(TransferResult& result, const std::string& path) const;

  DeviceEnvironment m_env;
  bool m_portChosen = false;
  PortKind m_kind = PortKind::kPs2;
  std::string m_portName;
  bool m_noKeyboard = false;
  int m_systemKind = 0;
  std::unique_ptr<CKBIO> m_driverPort;
  std::unique_ptr<CUSBport> m_usbPort;
  bool m_usbBound = false;
};

}  // namespace vexa
