#include "device/KeyboardGroupWrite.h"

#include <algorithm>
#include <map>

#include "base/Messages.h"

namespace vexa {
namespace {

// Letters, digits, '.', '_' and '-' kept, anything else (a '/' above all)
// made '_'; leading dots and underscores dropped, so no name is hidden or
// climbs out of the backup directory.
std::string FileSafe(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '_' || c == '-';
    out.push_back(plain ? c : '_');
  }
  const size_t start = out.find_first_not_of("._");
  return start == std::string::npos ? std::string() : out.substr(start);
}

}  // namespace

std::string KeyboardWriteReport::ResultText() const {
  if (!outcome.ok) {
    std::string line = outcome.message;
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
  }
  if (unchanged) return std::string(msg::kResultUnchanged);
  return std::string(verified ? msg::kResultVerified : msg::kResultWritten);
}

KeyboardGroupWrite::KeyboardGroupWrite(KeyboardConnection& connection, const Image& image, Options options)
    : m_connection(connection), m_image(image), m_options(std::move(options)) {}

std::vector<KeyboardListing> KeyboardGroupWrite::Targets() { return m_connection.ListKeyboards(); }

KeyboardWriteReport KeyboardGroupWrite::Write(const KeyboardListing& target, ProgressSink& progress) const {
  KeyboardWriteReport report;
  report.keyboard = target.device;
  const std::string& path = target.device.path;
  if (target.state == KeyboardState::kNoPermission) {
    report.outcome = Outcome::Failure(std::string(msg::Tr(msg::kKeyboardNotPermittedCause)));
    return report;
  }
  if (target.state == KeyboardState::kNotAnswering) {
    report.outcome = Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kKeyboardNotAnswering), path.c_str()));
    return report;
  }

  if (m_options.backup || m_options.ifDifferent) {
    TransferResult previous = m_connection.PrepareReadFrom(path).Run(progress);
    if (!previous.image) {
      report.outcome = previous.outcome;
      if (previous.started && m_options.backup)
        report.outcome.message += "\n" + std::string(msg::Tr(msg::kBackupReadFailed));
      return report;
    }
    if (m_options.ifDifferent && *previous.image == m_image) {
      report.unchanged = true;
      return report;
    }
    if (m_options.backup) {
      report.outcome = m_options.backup(target.device, *previous.image);
      if (!report.outcome.ok) return report;
      report.backedUp = true;
    }
  }

  const Image image = m_image;
  TransferResult written = m_connection
                               .PrepareWriteTo(path,
                                               [&image](Image& out) {
                                                 out = image;
                                                 return Outcome::Success();
                                               })
                               .Run(progress);
  report.started = written.started;
  report.failedBlock = written.failedBlock;
  report.outcome = written.outcome;
  if (!report.outcome.ok || !m_options.verify) return report;

  const TransferResult back = m_connection.PrepareReadFrom(path).Run(progress);
  if (!back.image) {
    report.outcome = back.outcome;
    if (back.started) report.outcome.message += "\n" + std::string(msg::Tr(msg::kVerifyReadFailed));
    return report;
  }
  if (const std::string differing = DifferingBlocks(m_image, *back.image); !differing.empty()) {
    report.outcome = Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kVerifyMismatch), differing.c_str()));
    return report;
  }
  report.verified = true;
  return report;
}

std::vector<std::string> KeyboardGroupWrite::BackupNames(const std::vector<KeyboardDevice>& keyboards) {
  std::map<std::string, int> serialUses;
  for (const KeyboardDevice& k : keyboards)
    if (!FileSafe(k.serialNumber).empty()) ++serialUses[FileSafe(k.serialNumber)];
  std::vector<std::string> names;
  for (const KeyboardDevice& k : keyboards) {
    // Two keyboards of one batch may well report the same serial number: the
    // second backup must not replace the first.
    const std::string serial = FileSafe(k.serialNumber);
    std::string base = !serial.empty() && serialUses[serial] == 1 ? serial : FileSafe(k.path);
    if (base.empty()) base = "keyboard";
    std::string name = base + ".bin";
    for (int n = 2; std::find(names.begin(), names.end(), name) != names.end(); ++n)
      name = base + "-" + std::to_string(n) + ".bin";
    names.push_back(std::move(name));
  }
  return names;
}

std::string KeyboardGroupWrite::DifferingBlocks(const Image& a, const Image& b) {
  std::string differing;
  for (int block = 0; block < kBlockCount; ++block) {
    const auto* x = a.data() + block * kBlockSize;
    if (!std::equal(x, x + kBlockSize, b.data() + block * kBlockSize))
      differing += (differing.empty() ? "" : ", ") + std::to_string(block);
  }
  return differing;
}

}  // namespace vexa
