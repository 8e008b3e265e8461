#include <sys/ioctl.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "base/Messages.h"
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/ProgressBoard.h"
#include "cli/StationTable.h"
#include "device/BlockCodec.h"
#include "device/KeyboardConnection.h"
#include "device/KeyboardGroupWrite.h"
#include "device/ProvisioningStation.h"
#include "device/RealPortGuard.h"
#include "device/StationBackups.h"
#include "device/linux/DeviceSetup.h"
#include "device/linux/SimulatedHotplugMonitor.h"
#include "device/linux/TerminationWatcher.h"
#include "device/linux/UdevHotplugMonitor.h"
#include "document/AuditLog.h"
#include "document/FileIo.h"
#include "document/JsonWriter.h"
#include "document/KeyContent.h"
#include "document/MemoryImage.h"

namespace vexa::cli {

const char* const kKeyboardHelp =
    VEXA_TR_NOOP("vexa",
                 "Usage: vexa-cli keyboard list [--port usb] [--json] [--verbose]\n"
                 "                              [--simulate-keyboard FILE|DIR]\n"
                 "       vexa-cli keyboard detect [--port usb|ps2] [--device PATH]\n"
                 "                                [--ps2-device NODE] [--json] [--verbose]\n"
                 "                                [--simulate-keyboard FILE|DIR]\n"
                 "       vexa-cli keyboard read OUT.bin [--port usb|ps2] [--device PATH]\n"
                 "                                      [--ps2-device NODE] [--verbose]\n"
                 "                                      [--simulate-keyboard FILE|DIR]\n"
                 "       vexa-cli keyboard write IN.bin [--port usb|ps2] [--device PATH]\n"
                 "                                      [--ps2-device NODE] [--verify]\n"
                 "                                      [--if-different] [--backup FILE]\n"
                 "                                      [--verbose]\n"
                 "                                      [--simulate-keyboard FILE|DIR]\n"
                 "       vexa-cli keyboard write IN.bin --all [--port usb] [--verify]\n"
                 "                                      [--if-different] [--backup DIR]\n"
                 "                                      [--json] [--verbose]\n"
                 "                                      [--simulate-keyboard FILE|DIR]\n"
                 "       vexa-cli keyboard watch IN.bin [--verify] [--if-different]\n"
                 "                                      [--backup DIR] [--log FILE] [--json]\n"
                 "                                      [--count N] [--new-only] [--verbose]\n"
                 "                                      [--simulate-keyboard DIR]\n"
                 "\n"
                 "Talks to a connected PX series keyboard and moves its template (the 2048-byte\n"
                 "memory image) as 64 blocks of 32 bytes.\n"
                 "\n"
                 "  list    prints one line per connected USB keyboard:\n"
                 "          PATH<TAB>PRODUCT<TAB>SERIAL<TAB>STATE, STATE being \"ready\",\n"
                 "          \"no permission\" (see the README, \"USB permissions\") or \"not\n"
                 "          answering\"; SERIAL is empty when the keyboard has none. With no\n"
                 "          keyboard it prints nothing (stderr says so) and exits 0. Each usable\n"
                 "          keyboard is asked for one report: don't list while another program\n"
                 "          transfers with a keyboard\n"
                 "  detect  looks for the keyboard and prints \"found\" with the device path\n"
                 "  read    reads the keyboard's template and writes it to OUT.bin; when any\n"
                 "          block fails nothing is written\n"
                 "  write   writes the template file IN.bin into the keyboard. The file is\n"
                 "          checked before the keyboard is touched: 2048 bytes, key data that\n"
                 "          decode, are valid and fit. A write that fails half-way leaves the\n"
                 "          keyboard with a partly written template: write it again before use\n"
                 "  watch   a provisioning station: checks IN.bin once, writes every keyboard\n"
                 "          connected (unless --new-only), then every keyboard plugged in, each\n"
                 "          once per plug-in, several at once. Plugged keyboards are found\n"
                 "          through the system's device events (udev), each checked as\n"
                 "          detection checks it; a keyboard done or failed is left alone until\n"
                 "          it is unplugged and plugged in again. One line per finished\n"
                 "          keyboard on stdout, as 'write --all' prints it; on a terminal a\n"
                 "          live table of the keyboards in work on stderr. Ctrl+C (SIGINT,\n"
                 "          SIGTERM) stops the waiting, lets the writes under way finish,\n"
                 "          prints the summary (written, verified, unchanged, failed) and\n"
                 "          exits 0 only when none failed\n"
                 "\n"
                 "Over USB only the keyboard is opened: the system is asked for the HID devices\n"
                 "with the keyboard's vendor and product id (0fa8:c280), and each is checked\n"
                 "before anything is sent to it. A keyboard unplugged and plugged in again is\n"
                 "found again, also within one command (write --verify). Without --device the\n"
                 "first keyboard found is used.\n"
                 "\n"
                 "Several keyboards (USB): 'list' shows them, --device PATH picks one, and\n"
                 "'write --all' writes every connected keyboard at the same time, one worker\n"
                 "per keyboard, in about the time of one. It ends with one line per keyboard\n"
                 "on stdout: PATH<TAB>SERIAL<TAB>RESULT, RESULT being \"written\", \"verified\"\n"
                 "or the error (\"Data Written Error, Count=N\" and what it means). A keyboard\n"
                 "that fails never stops the others; the exit status is 0 only when every\n"
                 "keyboard succeeded. The PS/2 port stays one keyboard: a PC has one keyboard\n"
                 "port, so --device and --all are for USB only.\n"
                 "\n"
                 "Options:\n"
                 "  --port usb|ps2           USB (default) or the PS/2 keyboard port: the\n"
                 "                           kernel's serio_raw driver takes the i8042\n"
                 "                           keyboard port for the transfer and gives it\n"
                 "                           back to the keyboard driver afterwards (as\n"
                 "                           root, or through pkexec and an administrator's\n"
                 "                           password); see the README, \"PS/2 on Linux\"\n"
                 "  --device PATH            USB: use the keyboard at PATH (a hidraw node as\n"
                 "                           'list' prints it), checked before anything is\n"
                 "                           sent; a path that is not a connected keyboard\n"
                 "                           is refused\n"
                 "  --all                    write: every connected USB keyboard at once\n"
                 "  --ps2-device NODE        PS/2 through NODE, an already bound serio_raw\n"
                 "                           device (/dev/serio_rawN) or anything that\n"
                 "                           speaks like one; nothing is bound; implies\n"
                 "                           --port ps2\n"
                 "  --if-different           read the keyboard's template first and write only\n"
                 "                           when it differs; otherwise the result is\n"
                 "                           \"unchanged\" (exit status 0)\n"
                 "  --json                   stdout holds JSON only (messages stay on stderr):\n"
                 "                           list one array of {path, product, serial,\n"
                 "                           state}; detect one {found, port, path}; write\n"
                 "                           --all and watch one object per keyboard and line:\n"
                 "                           {path, serial, product, result, error, started,\n"
                 "                           finished, sha256}, result being \"written\",\n"
                 "                           \"verified\", \"unchanged\" or \"failed\" (then error\n"
                 "                           holds the message, else it is null); times in UTC\n"
                 "  --log FILE               watch: append each keyboard's JSON object to FILE,\n"
                 "                           synced to the disk as it is written\n"
                 "  --count N                watch: end after N keyboards\n"
                 "  --new-only               watch: leave the keyboards connected at the start\n"
                 "                           alone\n"
                 "  --verify                 after writing, read the whole template back and\n"
                 "                           compare; the blocks that differ are named\n"
                 "  --backup FILE            before writing, read the keyboard's template and\n"
                 "                           save it in FILE; nothing is written if that fails\n"
                 "  --backup DIR             with --all: one backup per keyboard in DIR\n"
                 "                           (created when missing), named after the\n"
                 "                           keyboard's serial number, or its path when it\n"
                 "                           has none or shares it: DIR/SERIAL.bin\n"
                 "  --verbose                print the USB port's diagnostic lines (detection,\n"
                 "                           identity checks) on stderr\n"
                 "  --simulate-keyboard FILE use a simulated keyboard whose memory is kept in\n"
                 "                           FILE (created with an empty template when missing)\n"
                 "  --simulate-keyboard DIR  several simulated USB keyboards, one per .bin file\n"
                 "                           in DIR, each with the file's name as its serial\n"
                 "                           number (the first one is also on PS/2); with\n"
                 "                           watch a .bin file that appears in DIR is a\n"
                 "                           keyboard plugged in, one that goes is unplugged\n"
                 "\n"
                 "Progress goes to stderr: on a terminal a bar (one line per keyboard with\n"
                 "--all), else plain percentages. A write takes about 16 seconds over USB;\n"
                 "don't unplug the keyboard meanwhile.\n"
                 "\n"
                 "Examples:\n"
                 "  vexa-cli keyboard detect\n"
                 "  vexa-cli keyboard list\n"
                 "  vexa-cli keyboard read shop.bin\n"
                 "  vexa-cli keyboard write shop.bin --verify --backup before.bin\n"
                 "  vexa-cli keyboard write shop.bin --device /dev/hidraw5 --verify\n"
                 "  vexa-cli keyboard write shop.bin --all --verify --backup before/\n"
                 "  vexa-cli keyboard write shop.bin --all --if-different --json\n"
                 "  vexa-cli keyboard watch shop.bin --verify --backup before/ --log station.log\n"
                 "  vexa-cli keyboard write shop.bin --port ps2\n"
                 "  vexa-cli keyboard read shop.bin --ps2-device /dev/serio_raw0\n"
                 "  vexa-cli keyboard read sim.bin --simulate-keyboard ~/px2400-sim.bin\n");

namespace {

int Refused(Io& io, std::string_view message) {
  io.err << message;
  if (message.empty() || message.back() != '\n') io.err << '\n';
  return kExitRefused;
}

// Progress on stderr: a redrawn bar on a terminal, the percentages otherwise.
class StderrProgress : public ProgressSink {
 public:
  explicit StderrProgress(std::ostream& err) : m_err(err), m_tty(&err == &std::cerr && ::isatty(2) == 1) {}
  void Begin(std::string_view title) override {
    m_title = title;
    if (!m_tty) m_err << title << ":" << std::flush;
  }
  void Step(int block, std::string_view percent) override {
    if (m_tty) {
      const int filled = (block + 1) * 40 / kBlockCount;
      m_err << "\r" << m_title << " [" << std::string(static_cast<size_t>(filled), '#')
            << std::string(static_cast<size_t>(40 - filled), '.') << "] " << percent << std::flush;
    } else {
      m_err << " " << percent << std::flush;
    }
  }
  void End() override { m_err << "\n" << std::flush; }

 private:
  std::ostream& m_err;
  bool m_tty;
  std::string m_title;
};

const OptionInfo kKeyboardOptions[] = {
    {"port", "usb|ps2"},
    {"ps2-device", "NODE", "detect read write"},
    {"device", "PATH", "detect read write"},
    {"all", nullptr, "write"},
    {"simulate-keyboard", "FILE"},
    {"verbose", nullptr},
    {"verify", nullptr, "write watch"},
    {"backup", "FILE", "write watch"},
    {"if-different", nullptr, "write watch"},
    {"json", nullptr, "list detect write watch"},
    {"log", "FILE", "watch"},
    {"count", "N", "watch"},
    {"new-only", nullptr, "watch"},
};

struct Options {
  PortKind port = PortKind::kUsb;
  std::string simulate;
  bool verbose = false;
  std::string ps2Device;
  std::string device;  // --device: the one USB keyboard to use
};

// The port and the simulated keyboard; false on a usage error (already reported).
bool CommonOptions(const ParsedArguments& parsed, Io& io, Options& options, int& exitCode) {
  if (const std::string* port = parsed.Value("port")) {
    if (*port == "usb") {
      options.port = PortKind::kUsb;
    } else if (*port == "ps2") {
      options.port = PortKind::kPs2;
    } else {
      exitCode = UsageError(
          io, msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "--port takes usb or ps2, not '%s'")),
                                 port->c_str()));
      return false;
    }
  }
  if (const std::string* simulate = parsed.Value("simulate-keyboard")) {
    // An empty name (an unset shell variable) must not fall back to the real keyboard.
    if (simulate->empty()) {
      exitCode = UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "--simulate-keyboard needs a file name")));
      return false;
    }
    options.simulate = *simulate;
  }
  options.verbose = parsed.Has("verbose");
  if (const std::string* node = parsed.Value("ps2-device")) {
    std::string problem;
    if (node->empty())
      problem = msg::Tr(VEXA_TR_NOOP("vexa", "--ps2-device needs a device node"));
    else if (parsed.Has("port") && options.port != PortKind::kPs2)
      problem = msg::Tr(VEXA_TR_NOOP("vexa", "--ps2-device goes with --port ps2"));
    else if (!options.simulate.empty())
      problem = msg::Tr(VEXA_TR_NOOP("vexa", "--ps2-device and --simulate-keyboard exclude each other"));
    if (!problem.empty()) {
      exitCode = UsageError(io, problem);
      return false;
    }
    options.port = PortKind::kPs2;
    options.ps2Device = *node;
  }
  if (const std::string* device = parsed.Value("device")) {
    std::string problem;
    if (device->empty())
      problem = msg::Tr(
          VEXA_TR_NOOP("vexa", "--device needs a device path ('vexa-cli keyboard list' prints them)"));
    else if (options.port != PortKind::kUsb)
      problem =
          msg::Tr(VEXA_TR_NOOP("vexa", "--device names a USB keyboard: the PS/2 port has one keyboard"));
    if (!problem.empty()) {
      exitCode = UsageError(io, problem);
      return false;
    }
    options.device = *device;
  }
  return true;
}

// An open keyboard connection for one command.
struct Session {
  explicit Session(Io& io) : io(io) {}

  Io& io;
  DeviceSetup setup;
  std::unique_ptr<KeyboardConnection> connection;
  std::mutex diagnosticsMutex;  // the workers of several keyboards print at once

  // Opens the devices and makes the connection, without choosing a port
  // (list and write --all use the USB keyboards one by one).
  Outcome OpenDevices(const Options& options, bool watching = false) {
    // A normal PS/2 run is the only one that may reach the real controller;
    // a named node is all a --ps2-device run may touch.
    if (options.port == PortKind::kPs2 && options.simulate.empty() && options.ps2Device.empty())
      RealPortGuard::GrantFromMain();
    setup.SetPs2Device(options.ps2Device);
    if (Outcome opened = setup.Open(options.simulate, watching); !opened.ok) return opened;
    DiagnosticSink diagnostics;
    if (options.verbose)
      diagnostics = [this](std::string_view line) {
        const std::lock_guard lock(diagnosticsMutex);
        this->io.err << line << std::flush;
      };
    connection = std::make_unique<KeyboardConnection>(setup.Environment(std::move(diagnostics)));
    return Outcome::Success();
  }

  // Opens the devices and chooses the port; a refusal's text in `outcome`.
  // A notice that goes with an opened port is printed at once.
  Outcome Open(const Options& options) {
    if (Outcome opened = OpenDevices(options); !opened.ok) return opened;
    PortChoice choice = connection->ChoosePort(options.port, options.device);
    if (!choice.outcome.ok && !options.device.empty() && !connection->UsbPort()->KeyboardNotPermitted())
      choice.outcome.message += "\n" + std::string(msg::Tr(msg::kKeyboardListHint));
    if (!choice.outcome.ok) return choice.outcome;
    if (!choice.outcome.message.empty()) io.err << choice.outcome.message << "\n";
    // The first keyboard found is not the only one: say which is used.
    if (options.port == PortKind::kUsb && options.device.empty()) {
      const auto keyboards = connection->ConnectedKeyboards();
      if (keyboards.size() > 1)
        io.err << msg::FormatMessage(msg::Tr(msg::kSeveralKeyboards), static_cast<int>(keyboards.size()),
                                     connection->UsbPort()->DevicePath().c_str())
               << "\n";
    }
    return Outcome::Success();
  }

  // The command's exit status, made a failure when the simulated keyboard saw
  // the host break its protocol (each breach is printed).
  int Checked(int exitCode) {
    if (!setup.Simulated()) return exitCode;
    const auto violations = setup.Simulated()->TakeViolations();
    for (const std::string& v : violations)
      io.err << msg::FormatMessage(msg::Tr(msg::kSimProtocolViolation), v.c_str()) << "\n";
    return violations.empty() || exitCode != kExitOk ? exitCode : kExitRefused;
  }
};

std::string_view AsBytes(const Image& image) {
  return {reinterpret_cast<const char*>(image.data()), image.size()};
}

// The checks before anything is sent: exactly 2048 bytes, then key data that
// decode back to the same bytes, are valid key contents and fit.
Outcome LoadTemplateForWrite(const std::string& path, Image& image) {
  const auto bytes = ReadFileBytes(path, kImageSize + 1);
  if (!bytes) return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateCannotOpen), path.c_str()));
  const int size = static_cast<int>(bytes->size());
  if (size < kImageSize)
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateTooShort), path.c_str(), size));
  if (size > kImageSize) {
    std::error_code ec;
    const auto total = std::filesystem::file_size(path, ec);
    const int shown = ec ? size : static_cast<int>(std::min<std::uintmax_t>(total, 0x7FFFFFFF));
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateTooLong), path.c_str(), shown));
  }
  std::copy(bytes->begin(), bytes->end(), image.begin());

  int pos = 0;
  for (int slot = 0; slot < kKeyCount; ++slot) {
    const auto* begin = image.data() + pos;
    const auto* limit = image.data() + kContentAreaSize;
    const auto* end = std::find(begin, limit, 0);
    if (end == limit)
      return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateBadKeyData), path.c_str(), slot));
    const std::string_view keyString(reinterpret_cast<const char*>(begin), static_cast<size_t>(end - begin));
    const std::string content = DecodeKeyString(keyString);
    if (!IsValidContent(content)) return Outcome::Failure(std::string(msg::Tr(msg::kWrongKeyWord)));
    if (EncodeContent(content) != keyString)
      return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateBadKeyData), path.c_str(), slot));
    pos = static_cast<int>(end - image.data()) + 1;
  }
  return Outcome::Success();
}

std::string_view StateText(KeyboardState state) {
  switch (state) {
    case KeyboardState::kReady:
      return msg::kStateReady;
    case KeyboardState::kNoPermission:
      return msg::kStateNoPermission;
    case KeyboardState::kNotAnswering:
      return msg::kStateNotAnswering;
  }
  return msg::kStateNotAnswering;
}

int List(const Args& args, const ParsedArguments& parsed, Session& session) {
  Io& io = session.io;
  Options options;
  int code = kExitOk;
  if (!CommonOptions(parsed, io, options, code)) return code;
  if (options.port != PortKind::kUsb)
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP(
                "vexa",
                "list shows USB keyboards: the PS/2 port has one keyboard ('keyboard detect --port ps2')")));
  if (!args.empty()) return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "list takes no file")));
  if (Outcome opened = session.OpenDevices(options); !opened.ok) return Refused(io, opened.message);
  const std::vector<KeyboardListing> keyboards = session.connection->ListKeyboards();
  // None connected is an answer, not a failure.
  if (keyboards.empty()) io.err << msg::Tr(msg::kNoKeyboardConnected) << "\n";
  if (parsed.Has("json")) {
    std::vector<std::string> items;
    for (const KeyboardListing& k : keyboards)
      items.push_back(json::Object()
                          .String("path", k.device.path)
                          .String("product", k.device.product)
                          .String("serial", k.device.serialNumber)
                          .String("state", StateText(k.state))
                          .Text());
    io.out << json::Array(items) << '\n';
    return kExitOk;
  }
  for (const KeyboardListing& k : keyboards)
    io.out << k.device.path << '\t' << k.device.product << '\t' << k.device.serialNumber << '\t'
           << StateText(k.state) << '\n';
  return kExitOk;
}

int Detect(const Args& args, const ParsedArguments& parsed, Session& session) {
  Io& io = session.io;
  Options options;
  int code = kExitOk;
  if (!CommonOptions(parsed, io, options, code)) return code;
  if (!args.empty()) return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "detect takes no file")));
  // --json: {"found": true|false, "port": "usb"|"ps2", "path" or "error"}.
  const bool asJson = parsed.Has("json");
  const char* port = options.port == PortKind::kUsb ? "usb" : "ps2";
  const auto refused = [&](const std::string& message) {
    if (asJson)
      io.out << json::Object().Bool("found", false).String("port", port).String("error", message).Text()
             << '\n';
    return Refused(io, message);
  };
  const auto found = [&](const std::string& path) {
    if (asJson)
      io.out << json::Object().Bool("found", true).String("port", port).String("path", path).Text() << '\n';
    else
      io.out << "found " << path << "\n";
  };
  if (Outcome opened = session.Open(options); !opened.ok) return refused(opened.message);
  if (CUSBport* usb = session.connection->UsbPort()) {
    found(usb->DevicePath());
    return kExitOk;
  }
  const Outcome detected = session.connection->DetectPs2();
  if (!detected.ok) return refused(detected.message);
  found(session.connection->DriverPort()->Where());
  if (!detected.message.empty()) io.err << detected.message << "\n";
  return kExitOk;
}

// Reads the whole image; false (with the message shown) when any block failed.
bool ReadImage(Session& session, Io& io, Image& image) {
  StderrProgress progress(io.err);
  TransferResult result = session.connection->ReadFromKeyboard(progress);
  if (!result.image) {
    Refused(io, result.outcome.message);
    return false;
  }
  image = *result.image;
  return true;
}

// `mode`: a backup of the keyboard's template is the owner's alone (its keys
// may hold operator codes and passwords); a read template is saved as usual.
bool SaveImage(const std::string& path, const Image& image, Io& io, FileMode mode = FileMode::kAsUsual) {
  std::string error;
  if (WriteFileAtomically(path, AsBytes(image), &error, mode)) return true;
  const std::string why = error.empty()                               ? ""
                          : error == msg::Tr(msg::kLinkOfAnotherUser) ? "\n" + error
                                                                      : " (" + error + ")";
  Refused(io, msg::FormatMessage(msg::Tr(msg::kTemplateCannotWrite), path.c_str()) + why);
  return false;
}

int Read(const Args& args, const ParsedArguments& parsed, Session& session) {
  Io& io = session.io;
  Options options;
  int code = kExitOk;
  if (!CommonOptions(parsed, io, options, code)) return code;
  if (args.size() != 1) return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "read takes one output file")));
  if (Outcome opened = session.Open(options); !opened.ok) return Refused(io, opened.message);
  Image image{};
  if (!ReadImage(session, io, image)) return kExitRefused;
  return SaveImage(args[0], image, io) ? kExitOk : kExitRefused;
}

// The name of each keyboard on the progress board: its serial number, or its
// path when it has none or shares it with another.
std::vector<std::string> BoardLabels(const std::vector<KeyboardListing>& keyboards) {
  std::vector<std::string> labels;
  for (const KeyboardListing& k : keyboards) {
    const std::string& serial = k.device.serialNumber;
    const bool unique =
        !serial.empty() && std::count_if(keyboards.begin(), keyboards.end(),
                                         [&](const auto& o) { return o.device.serialNumber == serial; }) == 1;
    labels.push_back(unique ? serial : k.device.path);
  }
  return labels;
}

// The folder of the keyboards' backups (write --all --backup DIR), held open:
// the user's own, created with mode 0700 when missing, refused when someone
// else may write to it. Its names follow the serial numbers, so in a folder
// that others may write to, anyone could plant a link where a backup will be
// written, or swap a backup that the messages tell the user to write back.
// `outcome` holds the refusal's text.
std::optional<PrivateFolder> PrepareBackupDirectory(const std::string& dir, Outcome& outcome) {
  PrivateFolder::Refusal refusal = PrivateFolder::Refusal::kNone;
  std::optional<PrivateFolder> folder = PrivateFolder::Open(dir, &refusal);
  outcome = folder ? Outcome::Success()
                   : Outcome::Failure(msg::FormatMessage(refusal == PrivateFolder::Refusal::kNotPrivate
                                                             ? msg::Tr(msg::kBackupDirNotPrivate)
                                                             : msg::Tr(msg::kBackupsCannotBeWritten),
                                                         dir.c_str()));
  return folder;
}

// The template's SHA-256 in lowercase hex, as the JSON results name it.
std::string TemplateSha256(const Image& image) {
  const QByteArray bytes(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

std::int64_t WallClockMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// What the command line prints and logs of a keyboard's write.
struct WriteOutput {
  bool json = false;
  std::string sha256;
  [[nodiscard]] std::string Line(const KeyboardWriteReport& r, std::int64_t started,
                                 std::int64_t finished) const {
    if (json) return ProvisioningStation::ResultJson(r, started, finished, sha256);
    return r.keyboard.path + '\t' + r.keyboard.serialNumber + '\t' + r.ResultText();
  }
};

// write --all: every connected USB keyboard at once, one worker thread per
// keyboard, then one summary line per keyboard on stdout.
int WriteAll(const Image& image, const Options& options, bool verify, bool ifDifferent,
             const WriteOutput& output, const std::string* backupDir, Session& session) {
  Io& io = session.io;
  if (Outcome opened = session.OpenDevices(options); !opened.ok) return Refused(io, opened.message);
  KeyboardGroupWrite::Options groupOptions;
  groupOptions.verify = verify;
  groupOptions.ifDifferent = ifDifferent;
  std::vector<KeyboardListing> targets = session.connection->ListKeyboards();
  if (targets.empty()) return Refused(io, msg::Tr(msg::kNoKeyboardConnected));

  std::vector<KeyboardDevice> devices;
  for (const KeyboardListing& t : targets) devices.push_back(t.device);
  std::vector<std::string> backupNames;
  std::vector<std::string> backupFiles;
  std::optional<PrivateFolder> folder;
  if (backupDir) {
    Outcome ready;
    folder = PrepareBackupDirectory(*backupDir, ready);
    if (!ready.ok) return Refused(io, ready.message);
    backupNames = KeyboardGroupWrite::BackupNames(devices);
    for (const std::string& name : backupNames)
      backupFiles.push_back((std::filesystem::path(*backupDir) / name).string());
    groupOptions.backup = [&](const KeyboardDevice& keyboard, const Image& previous) {
      const auto at = std::find_if(devices.begin(), devices.end(),
                                   [&](const KeyboardDevice& d) { return d.path == keyboard.path; });
      const auto index = static_cast<size_t>(at - devices.begin());
      const std::string& file = backupFiles[index];
      std::string error;
      if (folder->WriteFile(backupNames[index], AsBytes(previous), &error)) return Outcome::Success();
      return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateCannotWrite), file.c_str()) +
                              (error.empty() ? "" : " (" + error + ")"));
    };
  }

  const KeyboardGroupWrite group(*session.connection, image, groupOptions);
  std::vector<KeyboardWriteReport> reports(targets.size());
  std::vector<std::int64_t> started(targets.size());
  std::vector<std::int64_t> finished(targets.size());
  {
    // Diagnostic lines would tear the redrawn lines apart: plain lines then.
    const bool terminal = &io.err == &std::cerr && ::isatty(2) == 1 && !options.verbose;
    winsize size{};
    const int columns = terminal && ::ioctl(2, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
    ProgressBoard board(io.err, terminal, BoardLabels(targets), columns);
    std::vector<std::jthread> workers;
    for (size_t i = 0; i < targets.size(); ++i)
      workers.emplace_back([&, i] {
        started[i] = WallClockMs();
        reports[i] = group.Write(targets[i], board.Row(i));
        finished[i] = WallClockMs();
        board.Done(i, reports[i].ResultText());
      });
  }  // joined

  bool allOk = true;
  bool tornWithoutBackup = false;
  for (size_t i = 0; i < reports.size(); ++i) {
    const KeyboardWriteReport& r = reports[i];
    io.out << output.Line(r, started[i], finished[i]) << '\n';
    allOk = allOk && r.outcome.ok;
  }
  io.out << std::flush;
  // A keyboard left torn: how to put its previous template back.
  for (size_t i = 0; i < reports.size(); ++i) {
    const KeyboardWriteReport& r = reports[i];
    if (r.failedBlock < 0) continue;
    if (r.backedUp) {
      const std::string again = backupFiles[i] + " --device " + r.keyboard.path;
      io.err << msg::FormatMessage(msg::Tr(msg::kBackupHoldsPrevious), backupFiles[i].c_str(), again.c_str())
             << "\n";
    } else {
      tornWithoutBackup = true;
    }
  }
  if (tornWithoutBackup) io.err << msg::Tr(msg::kBackupNextTime) << "\n";
  return allOk ? kExitOk : kExitRefused;
}

int Write(const Args& args, const ParsedArguments& parsed, Session& session) {
  Io& io = session.io;
  Options options;
  int code = kExitOk;
  if (!CommonOptions(parsed, io, options, code)) return code;
  const bool all = parsed.Has("all");
  const std::string* backup = parsed.Value("backup");
  // An empty name would silently skip the backup the user asked for.
  if (backup && backup->empty())
    return UsageError(io, all ? msg::Tr(VEXA_TR_NOOP("vexa", "--backup needs a directory"))
                              : msg::Tr(VEXA_TR_NOOP("vexa", "--backup needs a file name")));
  if (all && options.port != PortKind::kUsb)
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP("vexa", "--all writes USB keyboards: the PS/2 port has one keyboard")));
  if (all && !options.device.empty())
    return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "--all and --device exclude each other")));
  const bool verify = parsed.Has("verify");
  const bool ifDifferent = parsed.Has("if-different");
  WriteOutput output;
  output.json = parsed.Has("json");
  if (output.json && !all)
    return UsageError(io,
                      msg::Tr(VEXA_TR_NOOP("vexa", "--json goes with write --all: one object per keyboard")));
  if (args.size() != 1) return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "write takes one template file")));

  Image image{};
  if (Outcome checked = LoadTemplateForWrite(args[0], image); !checked.ok)
    return Refused(io, checked.message);
  output.sha256 = TemplateSha256(image);
  if (all) return WriteAll(image, options, verify, ifDifferent, output, backup, session);

  if (Outcome opened = session.Open(options); !opened.ok) return Refused(io, opened.message);
  if (backup || ifDifferent) {
    Image current{};
    if (!ReadImage(session, io, current)) return kExitRefused;
    if (ifDifferent && current == image) {
      io.err << msg::Tr(msg::kUnchangedNothingWritten) << "\n";
      return kExitOk;
    }
    if (backup && !SaveImage(*backup, current, io, FileMode::kOwnerOnly)) return kExitRefused;
  }
  StderrProgress progress(io.err);
  TransferResult written = session.connection->WriteIntoKeyboard(
      [&](Image& out) {
        out = image;
        return Outcome::Success();
      },
      progress);
  if (!written.outcome.ok) {
    Refused(io, written.outcome.message);
    // A write that failed after it began leaves the keyboard torn: say how to mend it.
    if (written.failedBlock >= 0) {
      const std::string again = options.device.empty() || !backup ? std::string(backup ? *backup : "")
                                                                  : *backup + " --device " + options.device;
      io.err << (backup
                     ? msg::FormatMessage(msg::Tr(msg::kBackupHoldsPrevious), backup->c_str(), again.c_str())
                     : std::string(msg::Tr(msg::kBackupNextTime)))
             << "\n";
    }
    return kExitRefused;
  }
  if (!verify) return kExitOk;

  Image back{};
  if (!ReadImage(session, io, back)) return kExitRefused;
  const std::string differing = KeyboardGroupWrite::DifferingBlocks(image, back);
  if (!differing.empty())
    return Refused(io, msg::FormatMessage(msg::Tr(msg::kVerifyMismatch), differing.c_str()));
  io.err << msg::Tr(msg::kVerifiedWritten) << "\n";
  return kExitOk;
}

// What watch prints and logs: the result line of each finished keyboard on
// stdout (and its JSON object in the log), the live table on stderr.
class WatchReporter : public StationObserver {
 public:
  WatchReporter(Io& io, StationTable& table, const WriteOutput& output, AuditLog* log,
                std::function<std::string(const std::string&)> backupOf)
      : m_io(io), m_table(table), m_output(output), m_log(log), m_backupOf(std::move(backupOf)) {}

  void SetStation(ProvisioningStation* station) { m_station = station; }
  [[nodiscard]] bool LogFailed() const { return m_logFailed; }

  ProgressSink& KeyboardStarted(const KeyboardDevice& k) override {
    return m_table.Add(k.path, k.serialNumber.empty() ? k.path : k.serialNumber);
  }
  void KeyboardFinished(const StationResult& result) override {
    const KeyboardWriteReport& r = result.report;
    m_table.Remove(r.keyboard.path);
    m_table.Print(m_io.out, m_output.Line(r, result.startedMs, result.finishedMs));
    if (r.failedBlock >= 0) {
      // A keyboard left torn: how to put its previous template back.
      const std::string backup = r.backedUp ? m_backupOf(r.keyboard.path) : std::string();
      const std::string again = backup + " --device " + r.keyboard.path;
      m_table.Print(m_io.err, backup.empty() ? std::string(msg::Tr(msg::kBackupNextTime))
                                             : msg::FormatMessage(msg::Tr(msg::kBackupHoldsPrevious),
                                                                  backup.c_str(), again.c_str()));
    }
    if (!m_log) return;
    const Outcome logged = m_log->Append(
        ProvisioningStation::ResultJson(r, result.startedMs, result.finishedMs, m_output.sha256));
    if (logged.ok) return;
    // No keyboard is programmed without its record in the audit trail.
    m_table.Print(m_io.err, logged.message);
    m_logFailed = true;
    if (m_station) m_station->Stop();
  }
  void KeyboardUnplugged(const std::string&) override {}
  void Notice(const std::string& text) override { m_table.Print(m_io.err, text); }

 private:
  Io& m_io;
  StationTable& m_table;
  const WriteOutput& m_output;
  AuditLog* m_log;
  std::function<std::string(const std::string&)> m_backupOf;
  ProvisioningStation* m_station = nullptr;
  bool m_logFailed = false;
};

// A positive count for --count.
bool ParseCount(const std::string& text, int& count) {
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, count);
  return error == std::errc() && at == end && count > 0;
}

// watch: a provisioning station (see ProvisioningStation.h).
int Watch(const Args& args, const ParsedArguments& parsed, Session& session) {
  Io& io = session.io;
  Options options;
  int code = kExitOk;
  if (!CommonOptions(parsed, io, options, code)) return code;
  if (options.port != PortKind::kUsb)
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP("vexa", "watch writes USB keyboards: the PS/2 port has one keyboard")));
  if (args.size() != 1) return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "watch takes one template file")));
  const std::string* backupDir = parsed.Value("backup");
  if (backupDir && backupDir->empty())
    return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "--backup needs a directory")));
  const std::string* logFile = parsed.Value("log");
  if (logFile && logFile->empty())
    return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "--log needs a file name")));
  ProvisioningStation::Options stationOptions;
  if (const std::string* count = parsed.Value("count"); count && !ParseCount(*count, stationOptions.count))
    return UsageError(
        io, msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "--count takes a positive number, not '%s'")),
                               count->c_str()));
  std::error_code ec;
  if (!options.simulate.empty() && !std::filesystem::is_directory(options.simulate, ec))
    return UsageError(
        io,
        msg::Tr(VEXA_TR_NOOP("vexa", "watch simulates keyboards with a directory: --simulate-keyboard DIR")));
  stationOptions.newOnly = parsed.Has("new-only");
  stationOptions.write.verify = parsed.Has("verify");
  stationOptions.write.ifDifferent = parsed.Has("if-different");
  stationOptions.wallClockMs = WallClockMs;
  WriteOutput output;
  output.json = parsed.Has("json");

  Image image{};
  if (Outcome checked = LoadTemplateForWrite(args[0], image); !checked.ok)
    return Refused(io, checked.message);
  output.sha256 = TemplateSha256(image);
  std::unique_ptr<StationBackups> backups;
  if (backupDir) {
    Outcome ready;
    backups = StationBackups::Open(*backupDir, ready);
    if (!ready.ok) return Refused(io, ready.message);
  }
  AuditLog log;
  if (logFile)
    if (Outcome opened = log.Open(*logFile); !opened.ok) return Refused(io, opened.message);
  if (Outcome opened = session.OpenDevices(options, true); !opened.ok) return Refused(io, opened.message);

  // Subscribed before the first listing: a keyboard plugged in meanwhile is
  // not missed (one listed and then reported again is written once).
  std::unique_ptr<HotplugMonitor> monitor;
  if (SimulatedKeyboard* simulated = session.setup.Simulated()) {
    auto files = std::make_unique<SimulatedHotplugMonitor>(*simulated);
    if (Outcome started = files->Start(); !started.ok) return Refused(io, started.message);
    monitor = std::move(files);
  } else {
    auto udev =
        std::make_unique<UdevHotplugMonitor>(KeyboardConnection::kVendorId, KeyboardConnection::kProductId);
    if (Outcome started = udev->Start(); !started.ok) return Refused(io, started.message);
    if (options.verbose) io.err << "watch: the " << udev->Source() << " device events\n";
    monitor = std::move(udev);
  }

  if (backups)
    stationOptions.write.backup = [&](const KeyboardDevice& keyboard, const Image& previous) {
      return backups->Save(keyboard, previous);
    };
  const auto backupOf = [&](const std::string& path) {
    return backups ? backups->FileOf(path) : std::string();
  };

  const bool terminal = &io.err == &std::cerr && ::isatty(2) == 1 && !options.verbose;
  winsize size{};
  const int columns = terminal && ::ioctl(2, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
  StationTable table(io.err, terminal, columns);
  WatchReporter reporter(io, table, output, logFile ? &log : nullptr, backupOf);
  ProvisioningStation station(*session.connection, *monitor, image, stationOptions, reporter);
  reporter.SetStation(&station);
  table.Print(io.err, std::string(msg::Tr(msg::kStationWaiting)));
  // Ctrl+C only ends the waiting: no write is cut off.
  TerminationWatcher::SetInterruptHandler([&station] { station.Stop(); });
  const StationSummary summary = station.Run();
  TerminationWatcher::SetInterruptHandler({});
  io.out << std::flush;
  io.err << msg::FormatMessage(msg::Tr(msg::kStationSummary), summary.written, summary.verified,
                               summary.unchanged, summary.failed)
         << "\n";
  return summary.failed == 0 && !reporter.LogFailed() ? kExitOk : kExitRefused;
}

}  // namespace

int RunKeyboard(const Args& arguments, Io& io) {
  const ParsedArguments parsed = ParseArguments({"keyboard", kKeyboardHelp, kKeyboardOptions}, arguments, io);
  if (parsed.exit) return *parsed.exit;
  const Args& words = parsed.positionals;
  if (words.empty())
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP("vexa", "keyboard needs a subcommand: list, detect, read, write or watch")));
  const std::string& sub = words[0];
  const Args files(words.begin() + 1, words.end());
  Session session(io);
  if (sub == "list") return session.Checked(List(files, parsed, session));
  if (sub == "detect") return session.Checked(Detect(files, parsed, session));
  if (sub == "read") return session.Checked(Read(files, parsed, session));
  if (sub == "write") return session.Checked(Write(files, parsed, session));
  if (sub == "watch") return session.Checked(Watch(files, parsed, session));
  return UsageError(
      io, msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "unknown keyboard subcommand '%s'")), sub.c_str()));
}

}  // namespace vexa::cli
