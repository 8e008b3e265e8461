// Test support: the PS/2 port's platform over the emulated keyboard, with
// direct controller access (system kind 1) or the driver device (kind 2).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/KbioPlatform.h"
#include "device/PortByteLink.h"
#include "emulator/EmulatedController.h"
#include "emulator/EmulatedDriverDevice.h"
#include "emulator/KeyboardEmulator.h"

namespace vexa {

class EmulatedPlatform : public KbioPlatform {
 public:
  explicit EmulatedPlatform(KeyboardEmulator& keyboard) : controller(keyboard), m_keyboard(keyboard) {}
  bool QuerySystem() override { return systemKnown; }
  DirectAccess AcquireDirectAccess() override {
    if (!direct) return {nullptr, causes, {}};
    return {&link, {}, notice};
  }
  std::unique_ptr<DriverDevice> OpenDriverDevice(const std::string& path) override {
    openedPath = path;
    if (!driverPresent) return nullptr;
    auto d = std::make_unique<EmulatedDriverDevice>(m_keyboard);
    driver = d.get();
    return d;
  }
  EmulatedController controller;
  PortByteLink link{controller};
  EmulatedDriverDevice* driver = nullptr;
  bool direct = true, driverPresent = true, systemKnown = true;
  std::vector<std::string> causes;  // without direct access: why not
  std::string notice;               // with direct access: a notice to show
  std::string openedPath;

 private:
  KeyboardEmulator& m_keyboard;
};

}  // namespace vexa
