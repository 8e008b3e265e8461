// The system's HID interfaces through hidapi (hidraw backend).
//
// Traps: every feature report buffer starts with the report id (0 here) and
// hidapi counts it in the lengths; enumeration may list one device path more
// than once (one entry per usage), so paths are made unique and sorted
// (hidraw2 before hidraw10) to give the stable order the search relies on.
#pragma once

#include "device/HidBackend.h"

namespace vexa {

class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();
  ~HidapiBackend() override;
  HidapiBackend(const HidapiBackend&) = delete;
  HidapiBackend& operator=(const HidapiBackend&) = delete;

  std::optional<std::vector<HidInterfaceInfo>> Enumerate() override;
  HidOpenResult Open(const std::string& path) override;

 private:
  bool m_initialised = false;
};

}  // namespace vexa
