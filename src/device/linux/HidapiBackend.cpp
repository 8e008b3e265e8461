#include "device/linux/HidapiBackend.h"

#include <hidapi/hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cwchar>

namespace vexa {
namespace {

std::u16string ToU16(const wchar_t* text) {
  std::u16string out;
  if (!text) return out;
  for (; *text; ++text) out.push_back(static_cast<char16_t>(static_cast<std::uint32_t>(*text) & 0xFFFF));
  return out;
}

// Orders "/dev/hidraw2" before "/dev/hidraw10".
bool NaturalLess(const std::string& a, const std::string& b) {
  const auto split = [](const std::string& s) {
    size_t i = s.size();
    while (i > 0 && s[i - 1] >= '0' && s[i - 1] <= '9') --i;
    return std::make_pair(s.substr(0, i), s.size() - i);
  };
  const auto [pa, na] = split(a);
  const auto [pb, nb] = split(b);
  if (pa != pb) return a < b;
  if (na != nb) return na < nb;
  return a < b;
}

class HidapiDevice : public HidDevice {
 public:
  explicit HidapiDevice(hid_device* device) : m_device(device) {}
  ~HidapiDevice() override { hid_close(m_device); }
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  int SetFeatureReport(const FeatureReport& report) override {
    return hid_send_feature_report(m_device, report.data(), report.size());
  }
  int GetFeatureReport(FeatureReport& report) override {
    report[0] = 0;
    return hid_get_feature_report(m_device, report.data(), report.size());
  }
  std::optional<std::u16string> ManufacturerString() override {
    return ReadString(&hid_get_manufacturer_string);
  }
  std::optional<std::u16string> ProductString() override { return ReadString(&hid_get_product_string); }
  std::optional<HidAttributes> Attributes() override {
    const hid_device_info* info = hid_get_device_info(m_device);
    if (!info) return std::nullopt;
    return HidAttributes{info->vendor_id, info->product_id, info->release_number};
  }

 private:
  using StringGetter = int (*)(hid_device*, wchar_t*, size_t);
  std::optional<std::u16string> ReadString(StringGetter getter) {
    wchar_t buffer[128] = {};
    if (getter(m_device, buffer, 128) != 0) return std::nullopt;
    buffer[127] = L'\0';
    return ToU16(buffer);
  }
  hid_device* m_device;
};

}  // namespace

HidapiBackend::HidapiBackend() : m_initialised(hid_init() == 0) {}

HidapiBackend::~HidapiBackend() {
  if (m_initialised) hid_exit();
}

std::optional<std::vector<HidInterfaceInfo>> HidapiBackend::Enumerate(std::uint16_t vendorId,
                                                                      std::uint16_t productId) {
  // hidapi takes 0 as "any"; an unfiltered list is never asked for.
  if (!m_initialised || vendorId == 0 || productId == 0) return std::nullopt;
  const std::lock_guard lock(m_mutex);
  hid_device_info* list = hid_enumerate(vendorId, productId);
  std::vector<HidInterfaceInfo> out;
  for (const hid_device_info* d = list; d; d = d->next) {
    if (!d->path) continue;
    const std::string path = d->path;
    if (std::any_of(out.begin(), out.end(), [&](const HidInterfaceInfo& i) { return i.path == path; }))
      continue;
    out.push_back({path, d->vendor_id, d->product_id, ToU16(d->product_string), ToU16(d->serial_number)});
  }
  hid_free_enumeration(list);
  std::sort(out.begin(), out.end(),
            [](const HidInterfaceInfo& a, const HidInterfaceInfo& b) { return NaturalLess(a.path, b.path); });
  return out;
}

HidOpenResult HidapiBackend::Open(const std::string& path) {
  if (!m_initialised) return {nullptr, HidOpenError::kOther};
  const std::lock_guard lock(m_mutex);
  if (hid_device* device = hid_open_path(path.c_str()))
    return {std::make_unique<HidapiDevice>(device), HidOpenError::kNone};
  // hidapi does not say why; ask the file system the same question it asked.
  const bool denied = ::access(path.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
  return {nullptr, denied ? HidOpenError::kPermissionDenied : HidOpenError::kOther};
}

}  // namespace vexa
