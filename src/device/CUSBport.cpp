#include "device/CUSBport.h"

#include <cstdio>

namespace vexa {
namespace {

constexpr int kDataReports = 9;

std::string Format(const char* format, unsigned value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

}  // namespace

CUSBport::CUSBport(HidBackend& hid, Clock& clock, DiagnosticSink diagnostics)
    : m_hid(hid), m_clock(clock), m_diagnostics(std::move(diagnostics)) {}

CUSBport::~CUSBport() = default;

void CUSBport::Diagnose(const std::string& line) const {
  if (m_diagnostics) m_diagnostics(line);
}

std::string CUSBport::Narrow(const std::u16string& text) {
  std::string out;
  for (char16_t unit : text) {
    const auto low = static_cast<char>(unit & 0xFF);
    if (low == '\0' || static_cast<int>(out.size()) == kMaxStringChars) break;
    out.push_back(low);
  }
  return out;
}

bool CUSBport::MatchesIdentity(const std::string& product, int vendorId, int productId) const {
  // Only the beginning counts: "PX2400U" followed by more characters passes,
  // a shorter product string fails.
  return product.compare(0, m_expectedProduct.size(), m_expectedProduct) == 0 &&
         product.size() >= m_expectedProduct.size() && vendorId == m_vendorId && productId == m_productId;
}

bool CUSBport::DetectHIDDevice() {
  m_notPermitted = false;
  for (int index = 0; index < kInterfacesSearched; ++index) {
    Diagnose("DetectHIDDevice: HidDevice = " + std::to_string(index) + "\n");
    const auto list = m_hid.Enumerate();
    if (!list) break;
    if (index >= static_cast<int>(list->size())) continue;
    const HidInterfaceInfo& info = (*list)[static_cast<size_t>(index)];
    HidOpenResult opened = m_hid.Open(info.path);
    if (!opened.device) {
      // Skip it and go on: one interface closed to this user must not hide
      // the keyboard behind it.
      if (opened.error == HidOpenError::kPermissionDenied &&
          MatchesIdentity(Narrow(info.product), info.vendorId, info.productId))
        m_notPermitted = true;
      continue;
    }
    m_device = std::move(opened.device);
    const bool found = CheckHIDParam();
    CloseDevice();
    if (found) {
      m_devicePath = info.path;
      m_notPermitted = false;
      return true;
    }
  }
  m_devicePath.clear();
  return false;
}

bool CUSBport::CheckHIDParam() {
  if (!m_device) return false;
  if (const auto manufacturer = m_device->ManufacturerString())
    Diagnose("CheckHIDParam: Manufacturer=" + Narrow(*manufacturer) + "\n");
  const auto productText = m_device->ProductString();
  const std::string product = productText ? Narrow(*productText) : std::string();
  Diagnose("CheckHIDParam: Device Name=" + product + "\n");
  const auto attributes = m_device->Attributes();
  if (!attributes) return false;
  Diagnose(Format("CheckHIDParam: VendorID = 0%2X\n", attributes->vendorId));
  Diagnose(Format("CheckHIDParam: ProductID = %2X\n", attributes->productId));
  Diagnose(Format("CheckHIDParam: VersionNumber = %2X\n", attributes->version));
  return MatchesIdentity(product, attributes->vendorId, attributes->productId);
}

bool CUSBport::OpenDevice() {
  m_notPermitted = false;
  if (m_devicePath.empty()) return false;
  HidOpenResult opened = m_hid.Open(m_devicePath);
  if (!opened.device) {
    m_notPermitted = opened.error == HidOpenError::kPermissionDenied;
    return false;
  }
  m_device = std::move(opened.device);
  return true;
}

void CUSBport::CloseDevice() { m_device.reset(); }

FeatureReport CUSBport::CommandReport(std::uint8_t command, int blockNumber) {
  FeatureReport r{};
  r[1] = command;
  r[2] = static_cast<std::uint8_t>((blockNumber * kBlockBytes) & 0xFF);
  r[3] = static_cast<std::uint8_t>(blockNumber >> 3);
  return r;
}

bool CUSBport::SendCommand(std::uint8_t command, int blockNumber) {
  return m_device && m_device->SetFeature(CommandReport(command, blockNumber));
}

bool CUSBport::WriteBlock(int blockNumber) {
  if (!SendCommand(kWriteCommand, blockNumber)) return false;
  const NibbleStream stream =
      EncodeHostToKeyboard(std::span<const std::uint8_t, kBlockBytes>(m_buffer.data(), kBlockBytes));
  for (int report = 0; report < kDataReports; ++report) {
    // Stream position p travels in report p / 8 at payload byte 8 - p % 8;
    // positions 66..71 carry no data and are sent as 0xD0.
    FeatureReport r{};
    for (int j = 1; j <= 8; ++j) {
      const int p = report * 8 + 8 - j;
      r[static_cast<size_t>(j)] = p < kNibbleStreamLength ? stream[static_cast<size_t>(p)] : kNibbleTag;
    }
    if (!m_device->SetFeature(r)) return false;
  }
  return true;
}

bool CUSBport::ReadBlock(int blockNumber) {
  if (!SendCommand(kReadCommand, blockNumber)) return false;
  m_clock.Sleep(kReadWaitMs);
  (void)CheckHIDParam();
  NibbleStream stream{};
  for (int report = 0; report < kDataReports; ++report) {
    FeatureReport r{};
    r[0] = 0;
    if (!m_device->GetFeature(r)) return false;
    for (int j = 1; j <= 8; ++j) {
      const int p = report * 8 + 8 - j;
      if (p < kNibbleStreamLength) stream[static_cast<size_t>(p)] = r[static_cast<size_t>(j)];
    }
  }
  m_buffer = DecodeKeyboardToHost(stream);
  return BlockChecksum(m_buffer) == 0;
}

bool CUSBport::PollDevice() {
  if (!m_device) return false;
  FeatureReport r{};
  r[0] = 0;
  return m_device->GetFeature(r);
}

}  // namespace vexa
