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

std::optional<std::vector<HidInterfaceInfo>> CUSBport::Candidates() {
  return m_hid.Enumerate(static_cast<std::uint16_t>(m_vendorId), static_cast<std::uint16_t>(m_productId));
}

bool CUSBport::OpenChecked(const HidInterfaceInfo& info, int index, HidOpenError* error) {
  CloseDevice();
  if (index >= 0) Diagnose("DetectHIDDevice: HidDevice = " + std::to_string(index) + "\n");
  HidOpenResult opened = m_hid.Open(info.path);
  if (error) *error = opened.error;
  if (!opened.device) {
    if (opened.error == HidOpenError::kPermissionDenied &&
        MatchesIdentity(Narrow(info.product), info.vendorId, info.productId))
      m_notPermitted = true;
    return false;
  }
  m_device = std::move(opened.device);
  // The record said "keyboard"; the open device must say so too, or the path
  // now belongs to something else.
  if (CheckHIDParam()) return true;
  CloseDevice();
  return false;
}

std::vector<KeyboardDevice> CUSBport::FindKeyboards() {
  m_notPermitted = false;
  std::vector<KeyboardDevice> found;
  const auto list = Candidates();
  if (!list) return found;
  for (size_t i = 0; i < list->size(); ++i) {
    const HidInterfaceInfo& info = (*list)[i];
    if (!OpenChecked(info, static_cast<int>(i))) continue;
    const auto product = m_device->ProductString();
    found.push_back({info.path, product ? Narrow(*product) : std::string(), Narrow(info.serialNumber)});
    CloseDevice();
  }
  if (!found.empty()) m_notPermitted = false;
  return found;
}

std::optional<KeyboardListing> CUSBport::ListOne(const HidInterfaceInfo& info, int index) {
  HidOpenError error = HidOpenError::kNone;
  if (OpenChecked(info, index, &error)) {
    const auto product = m_device->ProductString();
    const bool answers = PollDevice();
    KeyboardListing listing{
        {info.path, product ? Narrow(*product) : std::string(), Narrow(info.serialNumber)},
        answers ? KeyboardState::kReady : KeyboardState::kNotAnswering};
    CloseDevice();
    return listing;
  }
  // Opened, but something else answers there: not a keyboard.
  if (error == HidOpenError::kNone) return std::nullopt;
  // Not opened: listed when its record is the keyboard's.
  const std::string product = Narrow(info.product);
  if (!MatchesIdentity(product, info.vendorId, info.productId)) return std::nullopt;
  return KeyboardListing{
      {info.path, product, Narrow(info.serialNumber)},
      error == HidOpenError::kPermissionDenied ? KeyboardState::kNoPermission : KeyboardState::kNotAnswering};
}

std::vector<KeyboardListing> CUSBport::ListKeyboards() {
  std::vector<KeyboardListing> found;
  const auto list = Candidates();
  if (!list) return found;
  for (size_t i = 0; i < list->size(); ++i)
    if (auto listing = ListOne((*list)[i], static_cast<int>(i))) found.push_back(std::move(*listing));
  m_notPermitted = false;
  return found;
}

std::optional<KeyboardListing> CUSBport::ListKeyboard(const std::string& path) {
  std::optional<KeyboardListing> found;
  if (const auto list = Candidates())
    for (size_t i = 0; i < list->size() && !found; ++i)
      if ((*list)[i].path == path) found = ListOne((*list)[i], static_cast<int>(i));
  m_notPermitted = false;
  return found;
}

bool CUSBport::DetectHIDDevice() {
  m_notPermitted = false;
  if (const auto list = Candidates()) {
    for (size_t i = 0; i < list->size(); ++i) {
      if (m_bound && (*list)[i].path != m_devicePath) continue;
      if (!OpenChecked((*list)[i], static_cast<int>(i))) continue;
      CloseDevice();
      m_devicePath = (*list)[i].path;
      m_notPermitted = false;
      return true;
    }
  }
  if (!m_bound) m_devicePath.clear();
  return false;
}

void CUSBport::BindToPath(std::string path) {
  m_devicePath = std::move(path);
  m_bound = true;
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
  CloseDevice();
  const auto list = Candidates();
  if (!list) return false;
  // The kept path first, as long as the system still lists it as the keyboard's.
  for (const HidInterfaceInfo& info : *list)
    if (!m_devicePath.empty() && info.path == m_devicePath && OpenChecked(info, -1)) return true;
  if (m_bound) return false;
  // Unplugged and back at another path, or plugged in after start: detect
  // again on the same list and keep the new path.
  for (size_t i = 0; i < list->size(); ++i) {
    const HidInterfaceInfo& info = (*list)[i];
    if (info.path == m_devicePath) continue;  // tried above
    if (OpenChecked(info, static_cast<int>(i))) {
      m_devicePath = info.path;
      m_notPermitted = false;
      return true;
    }
  }
  return false;
}

void CUSBport::CloseDevice() { m_device.reset(); }

FeatureReport CUSBport::CommandReport(std::uint8_t command, int blockNumber) {
  FeatureReport r{};
  r[1] = command;
  r[2] = static_cast<std::uint8_t>((blockNumber * kBlockBytes) & 0xFF);
  r[3] = static_cast<std::uint8_t>(blockNumber >> 3);
  return r;
}

bool CUSBport::SetFeature(const FeatureReport& report) {
  return m_device && m_device->SetFeatureReport(report) == kFeatureReportSize;
}

bool CUSBport::GetFeature(FeatureReport& report) {
  report[0] = 0;  // the report id asked for
  return m_device && m_device->GetFeatureReport(report) == kFeatureReportSize;
}

bool CUSBport::SendCommand(std::uint8_t command, int blockNumber) {
  return SetFeature(CommandReport(command, blockNumber));
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
    if (!SetFeature(r)) return false;
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
    if (!GetFeature(r)) return false;
    for (int j = 1; j <= 8; ++j) {
      const int p = report * 8 + 8 - j;
      if (p < kNibbleStreamLength) stream[static_cast<size_t>(p)] = r[static_cast<size_t>(j)];
    }
  }
  m_buffer = DecodeKeyboardToHost(stream);
  return BlockChecksum(m_buffer) == 0;
}

bool CUSBport::PollDevice() {
  FeatureReport r{};
  return GetFeature(r);
}

}  // namespace vexa
