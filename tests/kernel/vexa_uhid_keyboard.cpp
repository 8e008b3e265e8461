// Test tool: the USB keyboard as the kernel sees it. Creates a HID device on
// /dev/uhid (bus USB, 0fa8:c280, name = the product string, uniq = the
// serial number, a vendor-defined report descriptor with one 8-byte feature
// report and no report id), so the kernel makes a real hidraw node for it,
// and answers the feature reports that reach it (UHID_GET_REPORT,
// UHID_SET_REPORT) from the keyboard emulator, judged by the real clock.
//
//   vexa_uhid_keyboard MEMORY [--serial S] [--product NAME] [--vid HEX] [--pid HEX]
//                      [--foreign] [--unplug-at-block N] [--back-as keyboard|foreign]
//                      [--back-after-ms MS] [--node-file FILE]
//
// MEMORY is the keyboard's memory, created with the initial image when
// missing and written after every block that changed it (while the keyboard
// stores the block and the host waits). --foreign makes a device that is not
// the keyboard (by default "HID Bridge" with the keyboard's vendor and
// product id, so only the identity check on the open device tells it apart):
// every report the host sends to it or asks of it is refused and recorded.
// --unplug-at-block: the device disappears when the host addresses that
// block, and with --back-as comes back after MS (default 1500) as the
// keyboard (its memory kept) or as a foreign device.
//
// Prints "node /dev/hidrawN" each time the device is there (and writes the
// node to FILE), "unplugged" when it leaves, and "written N" each time it
// has stored another 64 blocks (N whole templates, when nothing failed). Every breach of the protocol by
// the host is printed at once as "violation: ..." on stderr. SIGTERM or
// SIGINT remove the device; the exit status is 3 when anything was recorded,
// 1 on trouble, 0 otherwise.
#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "device/SystemClock.h"
#include "document/FileIo.h"
#include "document/MemoryImage.h"
#include "emulator/KeyboardEmulator.h"

namespace {

// Vendor-defined page 0xFF00, one application collection holding one feature
// report of 8 bytes without a report id: what the keyboard's interface has.
constexpr std::uint8_t kReportDescriptor[] = {
    0x06, 0x00, 0xFF,  // Usage Page (Vendor Defined 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x09, 0x01,        //   Usage (1)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x08,        //   Report Count (8)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0xC0,              // End Collection
};

struct Options {
  std::string memory;
  std::string serial = "UHID0001";
  std::string product = "PX2400U";
  std::uint32_t vendorId = 0x0FA8;
  std::uint32_t productId = 0xC280;
  bool foreign = false;
  int unplugAtBlock = -1;
  std::string backAs;  // empty: stays away
  int backAfterMs = 1500;
  std::string nodeFile;
};

bool ParseOptions(int argc, char** argv, Options& o) {
  if (argc < 2) return false;
  o.memory = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--foreign") {
      o.foreign = true;
      o.product = "HID Bridge";
    } else if (!hasValue) {
      return false;
    } else if (option == "--serial") {
      o.serial = argv[++i];
    } else if (option == "--product") {
      o.product = argv[++i];
    } else if (option == "--vid") {
      o.vendorId = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 16));
    } else if (option == "--pid") {
      o.productId = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 16));
    } else if (option == "--unplug-at-block") {
      o.unplugAtBlock = std::atoi(argv[++i]);
    } else if (option == "--back-as") {
      o.backAs = argv[++i];
      if (o.backAs != "keyboard" && o.backAs != "foreign") return false;
    } else if (option == "--back-after-ms") {
      o.backAfterMs = std::atoi(argv[++i]);
    } else if (option == "--node-file") {
      o.nodeFile = argv[++i];
    } else {
      return false;
    }
  }
  return true;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The kernel adds the HID device (and its hidraw node) after UHID_CREATE2
// returns: finds the node of the device whose phys is `phys`.
std::optional<std::string> WaitForNode(const std::string& phys) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/hidraw", ec)) {
      const std::string uevent = ReadText(entry.path() / "device" / "uevent");
      if (uevent.find("HID_PHYS=" + phys + "\n") == std::string::npos) continue;
      const std::string node = "/dev/" + entry.path().filename().string();
      if (::access(node.c_str(), F_OK) == 0) return node;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return std::nullopt;
}

class UhidKeyboard {
 public:
  explicit UhidKeyboard(Options options) : m_options(std::move(options)), m_keyboard(vexa::Image{}) {
    m_keyboard.SetClock(&m_clock);
    m_keyboard.SetLogging(false);
    m_foreign = m_options.foreign;
  }
  ~UhidKeyboard() { Destroy(); }
  UhidKeyboard(const UhidKeyboard&) = delete;
  UhidKeyboard& operator=(const UhidKeyboard&) = delete;

  bool LoadMemory() {
    m_keyboard.Faults().unplugAtBlock = m_options.unplugAtBlock;
    const std::string& path = m_options.memory;
    if (::access(path.c_str(), F_OK) != 0) {
      vexa::ResetImage(m_keyboard.Memory());
      m_saved = m_keyboard.Memory();
      return Save();
    }
    const auto bytes = vexa::ReadFileBytes(path, vexa::kImageSize + 1);
    if (!bytes || bytes->size() != static_cast<size_t>(vexa::kImageSize)) {
      std::cerr << "vexa_uhid_keyboard: " << path << " is not a 2048-byte memory file\n";
      return false;
    }
    std::copy(bytes->begin(), bytes->end(), m_keyboard.Memory().begin());
    m_saved = m_keyboard.Memory();
    return true;
  }

  bool Create() {
    m_fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (m_fd < 0) {
      std::cerr << "vexa_uhid_keyboard: /dev/uhid: " << std::strerror(errno) << "\n";
      return false;
    }
    uhid_event ev{};
    ev.type = UHID_CREATE2;
    auto& c = ev.u.create2;
    const std::string phys = "vexa-uhid-" + std::to_string(::getpid()) + "-" + std::to_string(++m_generation);
    std::snprintf(reinterpret_cast<char*>(c.name), sizeof c.name, "%s", m_options.product.c_str());
    std::snprintf(reinterpret_cast<char*>(c.phys), sizeof c.phys, "%s", phys.c_str());
    std::snprintf(reinterpret_cast<char*>(c.uniq), sizeof c.uniq, "%s", m_options.serial.c_str());
    c.rd_size = sizeof kReportDescriptor;
    c.bus = 0x03;  // BUS_USB
    c.vendor = m_options.vendorId;
    c.product = m_options.productId;
    c.version = 0x0105;
    std::memcpy(c.rd_data, kReportDescriptor, sizeof kReportDescriptor);
    if (!Send(ev)) return false;
    const auto node = WaitForNode(phys);
    if (!node) {
      std::cerr << "vexa_uhid_keyboard: the kernel made no hidraw node\n";
      return false;
    }
    std::cout << "node " << *node << std::endl;
    if (!m_options.nodeFile.empty()) (void)vexa::WriteFileAtomically(m_options.nodeFile, *node + "\n");
    return true;
  }

  // Runs until SIGTERM or SIGINT; the exit status (see above).
  int Run(int signals) {
    for (;;) {
      pollfd fds[2] = {{signals, POLLIN, 0}, {m_fd, POLLIN, 0}};
      const int timeout = m_comeBackAt ? 20 : -1;
      const int ready = ::poll(fds, m_fd >= 0 ? 2 : 1, timeout);
      if (ready < 0 && errno != EINTR) return 1;
      if (fds[0].revents & POLLIN) break;
      if (m_fd >= 0 && (fds[1].revents & POLLIN) && !HandleEvent()) return 1;
      if (m_comeBackAt && std::chrono::steady_clock::now() >= *m_comeBackAt && !ComeBack()) return 1;
    }
    Destroy();
    Save();
    return m_recorded ? 3 : 0;
  }

 private:
  bool Send(const uhid_event& ev) {
    if (::write(m_fd, &ev, sizeof ev) == static_cast<ssize_t>(sizeof ev)) return true;
    std::cerr << "vexa_uhid_keyboard: writing to /dev/uhid: " << std::strerror(errno) << "\n";
    return false;
  }

  void Destroy() {
    if (m_fd < 0) return;
    uhid_event ev{};
    ev.type = UHID_DESTROY;
    (void)Send(ev);
    ::close(m_fd);
    m_fd = -1;
    m_open = false;
  }

  bool Save() {
    if (m_keyboard.Memory() == m_saved && ::access(m_options.memory.c_str(), F_OK) == 0) return true;
    const vexa::Image& memory = m_keyboard.Memory();
    if (!vexa::WriteFileAtomically(
            m_options.memory,
            std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size()))) {
      std::cerr << "vexa_uhid_keyboard: can't write " << m_options.memory << "\n";
      return false;
    }
    m_saved = memory;
    return true;
  }

  void Record(const std::string& what) {
    std::cerr << "violation: " << m_options.serial << ": " << what << std::endl;
    m_recorded = true;
  }

  void ReportNewViolations() {
    const auto& all = m_keyboard.Violations();
    for (; m_violationsShown < all.size(); ++m_violationsShown) Record(all[m_violationsShown]);
  }

  bool HandleEvent() {
    uhid_event ev{};
    const ssize_t n = ::read(m_fd, &ev, sizeof ev);
    if (n < 0) return errno == EINTR || errno == EAGAIN;
    switch (ev.type) {
      case UHID_OPEN:
        m_open = true;
        return true;
      case UHID_CLOSE:
        m_open = false;
        return true;
      case UHID_GET_REPORT:
        return AnswerGet(ev.u.get_report);
      case UHID_SET_REPORT:
        return AnswerSet(ev.u.set_report);
      default:
        return true;
    }
  }

  // Reports asked while no program has the node open are the kernel's own
  // (none are expected); only a program's reports are judged.
  bool AnswerGet(const uhid_get_report_req& request) {
    uhid_event reply{};
    reply.type = UHID_GET_REPORT_REPLY;
    auto& r = reply.u.get_report_reply;
    r.id = request.id;
    if (request.rtype != UHID_FEATURE_REPORT || m_foreign) {
      if (m_open && m_foreign) Record("a feature report asked of the foreign device");
      r.err = EIO;
      return Send(reply);
    }
    // The report id byte leads, as the kernel's USB driver gives it.
    vexa::FeatureReport report{};
    report[0] = request.rnum;
    const int answered = m_keyboard.GetFeature(std::span<std::uint8_t>(report));
    ReportNewViolations();
    if (answered < 0) {
      r.err = EIO;
    } else {
      r.size = static_cast<std::uint16_t>(answered);
      std::memcpy(r.data, report.data(), static_cast<size_t>(answered));
    }
    const bool sent = Send(reply);
    CheckUnplugged();
    return sent;
  }

  bool AnswerSet(const uhid_set_report_req& request) {
    uhid_event reply{};
    reply.type = UHID_SET_REPORT_REPLY;
    auto& r = reply.u.set_report_reply;
    r.id = request.id;
    if (request.rtype != UHID_FEATURE_REPORT || m_foreign) {
      if (m_open && m_foreign) Record("a feature report sent to the foreign device");
      r.err = EIO;
      return Send(reply);
    }
    const int before = m_keyboard.BlocksWritten();
    const size_t size = std::min<size_t>(request.size, UHID_DATA_MAX);
    const int taken = m_keyboard.SetFeature(std::span<const std::uint8_t>(request.data, size));
    ReportNewViolations();
    r.err = taken < 0 ? EIO : 0;
    const bool sent = Send(reply);
    // The keyboard stores the block now; the host waits meanwhile.
    if (m_keyboard.BlocksWritten() != before) {
      if (!Save()) return false;
      if (m_keyboard.BlocksWritten() % vexa::kBlockCount == 0)
        std::cout << "written " << m_keyboard.BlocksWritten() / vexa::kBlockCount << std::endl;
    }
    CheckUnplugged();
    return sent;
  }

  void CheckUnplugged() {
    if (m_keyboard.Present() || m_fd < 0) return;
    Destroy();
    std::cout << "unplugged" << std::endl;
    if (!m_options.backAs.empty())
      m_comeBackAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_options.backAfterMs);
  }

  bool ComeBack() {
    m_comeBackAt.reset();
    m_keyboard.Faults().unplugAtBlock = -1;
    m_keyboard.Replug();
    if (m_options.backAs == "foreign") {
      m_foreign = true;
      m_options.product = "HID Bridge";
    }
    return Create();
  }

  Options m_options;
  vexa::SystemClock m_clock;
  vexa::KeyboardEmulator m_keyboard;
  vexa::Image m_saved{};
  bool m_foreign = false;
  int m_fd = -1;
  int m_generation = 0;
  bool m_open = false;
  bool m_recorded = false;
  size_t m_violationsShown = 0;
  std::optional<std::chrono::steady_clock::time_point> m_comeBackAt;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << "usage: vexa_uhid_keyboard MEMORY [--serial S] [--product NAME] [--vid HEX] [--pid HEX]\n"
                 "         [--foreign] [--unplug-at-block N] [--back-as keyboard|foreign]\n"
                 "         [--back-after-ms MS] [--node-file FILE]\n";
    return 1;
  }
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  sigprocmask(SIG_BLOCK, &ending, nullptr);
  const int signals = signalfd(-1, &ending, SFD_CLOEXEC);
  if (signals < 0) return 1;

  UhidKeyboard keyboard(options);
  if (!keyboard.LoadMemory() || !keyboard.Create()) return 1;
  return keyboard.Run(signals);
}
