// Test support: fails the running test when the host broke the USB protocol
// against the emulated keyboard or touched a foreign HID device (see
// EmulatedHidBackend.h). Declare it after the backend in a rig, so it checks
// when the rig goes away, after everything the test did.
#pragma once

#include <gtest/gtest.h>

#include "emulator/EmulatedHidBackend.h"

namespace vexa {

class ViolationGuard {
 public:
  explicit ViolationGuard(EmulatedHidBackend& hid) : m_hid(hid) {}
  ~ViolationGuard() {
    for (const std::string& v : m_hid.Violations()) ADD_FAILURE() << "protocol violation: " << v;
  }
  ViolationGuard(const ViolationGuard&) = delete;
  ViolationGuard& operator=(const ViolationGuard&) = delete;

 private:
  EmulatedHidBackend& m_hid;
};

}  // namespace vexa
