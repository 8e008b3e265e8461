// The four transfer procedures: read and write of the whole 2048-byte memory
// image, each over the PS/2 port (CKBIO) or the USB port (CUSBport), as 64
// blocks of 32 bytes, block 0 first, with every retry, wait and message of
// the product.
//
// The procedures know images, not documents: a write asks its ImageSource for
// the image at the moment the product checks the selected key and builds the
// image (after the USB device was opened, before the PS/2 keyboard is
// identified), and a read hands back the image only when all 64 blocks
// arrived, so a failed read never reaches the document.
//
// What the caller does with a TransferResult: show `outcome.message` when it
// is not empty; when `started` is set, reset the view's editing state and
// repaint (the progress display was shown); after a read with an image, put
// the image into the document (see DocumentTransfer.h).
#pragma once

#include <functional>
#include <optional>

#include "base/Outcome.h"
#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "device/Clock.h"
#include "device/ProgressSink.h"
#include "document/MemoryImage.h"

namespace vexa {

// Fills the image to send; a failure refuses the write before anything is sent.
using ImageSource = std::function<Outcome(Image& image)>;

struct TransferResult {
  Outcome outcome;
  bool started = false;        // the progress display was shown
  int failedBlock = -1;        // the block that failed after every attempt, else -1
  std::optional<Image> image;  // read: the complete image; never set after a failure
};

class KeyboardTransfer {
 public:
  static constexpr int kAttempts = 5;
  static constexpr int kUsbWriteWaitMs = 250;
  static constexpr int kUsbReadRetryWaitMs = 200;
  static constexpr int kDirectAttemptWaitMs = 200;
  // How often one USB block may be sent again because the poll after it
  // failed. A keyboard that never answers the poll must not hang the editor:
  // after 20 repeats of the block the write ends as after its fifth failed
  // attempt (20 x 500 ms = 10 s on one block at most).
  static constexpr int kMaxPollRepeats = 20;

  KeyboardTransfer(Clock& clock, ProgressSink& progress) : m_clock(clock), m_progress(progress) {}

  [[nodiscard]] TransferResult DriverWrite(CKBIO& port, const ImageSource& source);
  [[nodiscard]] TransferResult UsbWrite(CUSBport& port, const ImageSource& source);
  [[nodiscard]] TransferResult DriverRead(CKBIO& port);
  [[nodiscard]] TransferResult UsbRead(CUSBport& port);

  // "1%" after block 0 ... "50%" after block 31 ... "100%" after block 63.
  [[nodiscard]] static std::string PercentText(int block);

 private:
  void Stepped(int block);

  Clock& m_clock;
  ProgressSink& m_progress;
};

}  // namespace vexa
