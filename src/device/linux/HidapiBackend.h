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
//
// Threads: hid_init runs once, in the constructor, on the thread that makes
// the backend (the main thread), as hidapi asks when devices may be opened
// from several threads. hid_enumerate and hid_open_path keep library-wide
// state (the last error text), so this backend lets one thread at a time into
// them; an open device has its own descriptor and error text, so the workers
// of different keyboards exchange reports at the same time unhindered.
#pragma once

#include <mutex>

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
  std::mutex m_mutex;  // enumeration and opening, one thread at a time
};

}  // namespace vexa
