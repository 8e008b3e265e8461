// The system's HID interfaces through hidapi (hidraw backend).
//
// Traps: every feature report buffer starts with the report id (0 here) and
// hidapi counts it in the lengths it returns (9 for a whole report of the
// keyboard); enumeration may list one device path more than once (one entry
// per usage), so paths are made unique and sorted (hidraw2 before hidraw10)
// to give the stable order the search relies on.
//
// hid_enumerate is always called with the keyboard's vendor and product id:
// with (0, 0) hidapi would list, and callers would go on to open, every HID
// device of the system, which some of them (mice, headsets) do not survive
// unharmed.
#pragma once

#include "device/HidBackend.h"

namespace vexa {

class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();
  ~HidapiBackend() override;
  HidapiBackend(const HidapiBackend&) = delete;
  HidapiBackend& operator=(const HidapiBackend&) = delete;

  std::optional<std::vector<HidInterfaceInfo>> Enumerate(std::uint16_t vendorId,
                                                         std::uint16_t productId) override;
  HidOpenResult Open(const std::string& path) override;

 private:
  bool m_initialised = false;
};

}  // namespace vexa
