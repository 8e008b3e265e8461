#include "device/KeyboardTransfer.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/Messages.h"

namespace vexa {
namespace {

// In system kind 1 every keyboard operation runs with the keyboard, mouse and
// serial interrupts masked, so the system's own handlers don't take the bytes.
template <typename Operation>
auto Bracketed(CKBIO& port, Operation operation) {
  const bool direct = port.SystemKind() == 1;
  if (direct) port.MaskInterrupts();
  auto result = operation();
  if (direct) port.UnmaskInterrupts();
  return result;
}

Outcome Failure(std::string_view text) { return Outcome::Failure(std::string(text)); }

// Turns a block that failed all its attempts into the user's message; returns
// whether one failed.
bool ReportFailedRead(TransferResult& result) {
  if (result.failedBlock < 0) return false;
  result.outcome = Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kDataReadError), result.failedBlock));
  return true;
}

void ReportFailedWrite(TransferResult& result) {
  if (result.failedBlock >= 0)
    result.outcome = Outcome::Failure(KeyboardTransfer::WriteFailedMessage(result.failedBlock));
}

// Identifies the keyboard on the driver port before a transfer starts. Returns
// the refusal to show when it is not there (1) or the driver request failed (2);
// a success when it answered.
Outcome IdentifyBeforeTransfer(CKBIO& port, std::string_view noKeyboard, std::string_view driverFailed) {
  switch (Bracketed(port, [&] { return port.Identify(); })) {
    case CKBIO::kNoKeyboard:
      return Failure(noKeyboard);
    case CKBIO::kDriverFailed:
      return Failure(driverFailed);
    default:
      return Outcome::Success();
  }
}

void CopyBlockOut(const Image& image, int block, BlockBuffer& buffer) {
  std::copy_n(image.begin() + block * kBlockSize, kBlockSize, buffer.begin());
}

void CopyBlockIn(const BlockBuffer& buffer, int block, Image& image) {
  std::copy_n(buffer.begin(), kBlockSize, image.begin() + block * kBlockSize);
}

}  // namespace

std::string KeyboardTransfer::PercentText(int block) { return std::to_string(BlockPercentage(block)) + "%"; }

std::string KeyboardTransfer::WriteFailedMessage(int block) {
  return msg::FormatMessage(msg::Tr(msg::kDataWrittenError), block) + "\n" +
         std::string(msg::Tr(msg::kPartlyWritten));
}

void KeyboardTransfer::Stepped(int block) { m_progress.Step(block, PercentText(block)); }

TransferResult KeyboardTransfer::DriverWrite(CKBIO& port, const Image& image) {
  TransferResult result;
  const bool direct = port.SystemKind() == 1;
  if (Outcome found =
          IdentifyBeforeTransfer(port, msg::Tr(msg::kWriteNoKeyboard), msg::Tr(msg::kWriteDriverFailed));
      !found.ok) {
    result.outcome = std::move(found);
    return result;
  }
  result.started = true;
  m_progress.Begin(msg::Tr(msg::kWritingTitle));
  for (int block = 0; block < kBlockCount && result.failedBlock < 0; ++block) {
    for (int attempt = 1;; ++attempt) {
      CopyBlockOut(image, block, port.Buffer());
      const bool written = Bracketed(port, [&] { return port.WriteBlock(block); });
      if (direct) m_clock.Sleep(kDirectAttemptWaitMs);
      if (written) {
        Stepped(block);
        (void)Bracketed(port, [&] { return port.Identify(); });
        break;
      }
      if (attempt == kAttempts) {
        result.failedBlock = block;
        break;
      }
    }
  }
  m_progress.End();
  // The keyboard is told the write ended even after a failed block, so it
  // leaves its programming state.
  (void)Bracketed(port, [&] { return port.EndWrite(); });
  ReportFailedWrite(result);
  return result;
}

TransferResult KeyboardTransfer::UsbWrite(CUSBport& port, const Image& image) {
  TransferResult result;
  result.started = true;
  m_progress.Begin(msg::Tr(msg::kWritingTitle));
  for (int block = 0; block < kBlockCount && result.failedBlock < 0; ++block) {
    int failures = 0;
    int pollRepeats = 0;
    for (;;) {
      CopyBlockOut(image, block, port.Buffer());
      if (!port.WriteBlock(block)) {
        if (++failures == kAttempts) {
          result.failedBlock = block;
          break;
        }
        m_clock.Sleep(kUsbWriteWaitMs);
        continue;
      }
      m_clock.Sleep(kUsbWriteWaitMs);
      (void)port.CheckHIDParam();
      if (port.PollDevice()) {
        Stepped(block);
        break;
      }
      // The keyboard did not answer after taking the block: send it again,
      // without counting an attempt, but not forever.
      if (++pollRepeats == kMaxPollRepeats) {
        result.failedBlock = block;
        break;
      }
      m_clock.Sleep(kUsbWriteWaitMs);
    }
  }
  m_progress.End();
  port.CloseDevice();
  ReportFailedWrite(result);
  return result;
}

TransferResult KeyboardTransfer::DriverRead(CKBIO& port) {
  TransferResult result;
  const bool direct = port.SystemKind() == 1;
  if (Outcome found =
          IdentifyBeforeTransfer(port, msg::Tr(msg::kReadNoKeyboard), msg::Tr(msg::kReadDriverFailed));
      !found.ok) {
    result.outcome = std::move(found);
    return result;
  }
  result.started = true;
  Image image{};
  m_progress.Begin(msg::Tr(msg::kReadingTitle));
  for (int block = 0; block < kBlockCount && result.failedBlock < 0; ++block) {
    for (int attempt = 1;; ++attempt) {
      const bool read = Bracketed(port, [&] { return port.ReadBlock(block); });
      if (direct) m_clock.Sleep(kDirectAttemptWaitMs);
      if (read) {
        CopyBlockIn(port.Buffer(), block, image);
        Stepped(block);
        break;
      }
      if (attempt == kAttempts) {
        result.failedBlock = block;
        break;
      }
    }
  }
  m_progress.End();
  if (!ReportFailedRead(result)) result.image = image;
  return result;
}

TransferResult KeyboardTransfer::UsbRead(CUSBport& port) {
  TransferResult result;
  result.started = true;
  Image image{};
  m_progress.Begin(msg::Tr(msg::kReadingTitle));
  for (int block = 0; block < kBlockCount && result.failedBlock < 0; ++block) {
    for (int attempt = 1;; ++attempt) {
      if (port.ReadBlock(block)) {
        CopyBlockIn(port.Buffer(), block, image);
        Stepped(block);
        break;
      }
      if (attempt == kAttempts) {
        result.failedBlock = block;
        break;
      }
      m_clock.Sleep(kUsbReadRetryWaitMs);
    }
  }
  m_progress.End();
  port.CloseDevice();
  if (!ReportFailedRead(result)) result.image = image;
  return result;
}

}  // namespace vexa
