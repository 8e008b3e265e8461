// The keyboard driver device in front of the emulated keyboard.
#pragma once

#include <vector>

#include "device/DriverDevice.h"
#include "emulator/KeyboardEmulator.h"

namespace vexa {

class EmulatedDriverDevice : public DriverDevice {
 public:
  explicit EmulatedDriverDevice(KeyboardEmulator& keyboard) : m_keyboard(keyboard) {}
  bool Control(unsigned long code, DriverRecord& record) override {
    m_requests.push_back(record);
    if (code != kDriverControlCode) return false;
    return m_keyboard.DriverRequest(record);
  }
  // Every request as it arrived (input side), for tests.
  const std::vector<DriverRecord>& Requests() const { return m_requests; }

 private:
  KeyboardEmulator& m_keyboard;
  std::vector<DriverRecord> m_requests;
};

}  // namespace vexa
