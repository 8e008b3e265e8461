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
#pragma once

#include <functional>
#include <memory>
#include <string>

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
// device/linux/LinuxDevices.h) or the simulated keyboard.
struct DeviceEnvironment {
  HidBackend* hid = nullptr;
  KbioPlatform* kbio = nullptr;
  Clock* clock = nullptr;
  DiagnosticSink diagnostics;
  // Runs after every write transfer that reached the keyboard (the simulated
  // keyboard saves its memory file here); a failure's text is shown.
  std::function<Outcome()> afterWrite;
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
  // isn't found is reported; each transfer looks for it again.
  [[nodiscard]] PortChoice ChoosePort(PortKind kind);

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
  [[nodiscard]] static TransferJob Refused(Outcome outcome);
  // Opens the USB keyboard for a transfer; false when there is none.
  [[nodiscard]] bool OpenUsb();
  // A write that reached the keyboard: the environment's afterWrite step.
  void AfterWrite(TransferResult& result);

  DeviceEnvironment m_env;
  bool m_portChosen = false;
  PortKind m_kind = PortKind::kPs2;
  std::string m_portName;
  bool m_noKeyboard = false;
  int m_systemKind = 0;
  std::unique_ptr<CKBIO> m_driverPort;
  std::unique_ptr<CUSBport> m_usbPort;
};

}  // namespace vexa
