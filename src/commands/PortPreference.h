// The communication port the user chose last time, kept in the settings store
// (section "TSYKeyboard", entry "Port": 0 for PS/2, 5 for USB), and the
// "Don't ask at start" choice (entry "PortDontAsk": 1 when set).
//
// At start the port dialog preselects USB when a USB keyboard is connected
// (found by the same detection as every transfer, which opens only the
// keyboard's own devices), else the port chosen last time (PS/2 the first time
// and for any other stored value). With "Don't ask at start" set, the port
// chosen last time is taken without a dialog; Configuration > Communication
// Port... changes both later.
#pragma once

#include "device/KeyboardConnection.h"

namespace vexa {

class SettingsStore;

class PortPreference {
 public:
  static constexpr const char* kEntry = "Port";
  static constexpr const char* kDontAskEntry = "PortDontAsk";

  struct AtStart {
    PortKind port = PortKind::kPs2;  // the dialog's preselection, or the port taken without it
    bool ask = true;                 // show the port dialog
  };

  explicit PortPreference(SettingsStore& settings) : m_settings(settings) {}

  // The port chosen last time.
  [[nodiscard]] PortKind Initial() const;
  [[nodiscard]] bool DontAsk() const;
  // The dialog's preselection: USB while a USB keyboard is connected, else
  // the port chosen last time.
  [[nodiscard]] PortKind Preselected(bool usbKeyboardConnected) const;
  // What the start does, given whether a USB keyboard is connected now.
  [[nodiscard]] AtStart Start(bool usbKeyboardConnected) const;
  // Keeps the port the user chose and the state of "Don't ask at start".
  void Remember(PortKind kind, bool dontAsk = false);

 private:
  SettingsStore& m_settings;
};

}  // namespace vexa
