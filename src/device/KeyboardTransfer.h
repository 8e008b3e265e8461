// The four transfer procedures: read and write of the whole 2048-byte memory
// image, each over the PS/2 port (CKBIO) or the USB port (CUSBport), as 64
// blocks of 32 bytes, block 0 first, with every retry, wait and message of
// the product.
//
// The procedures know images, not documents: a write is given the image the
// caller took from its ImageSource at the moment the product checks the
// selected key and builds the image (after the USB device was opened, before
// the PS/2 keyboard is identified; KeyboardConnection keeps that order), and
// a read hands back the image only when all 64 blocks arrived, so a failed
// read never reaches the document. Nothing here touches a document, so the
// procedures may run on any one thread while nothing else uses the port.
//
// What the caller does with a TransferResult: show `outcome.message` when it
// is not empty; when `started` is set, reset the view's editing state and
// repaint (the progress display was shown); after a read with an image, put
// the image into the document (see DocumentTransfer.h).
//
// A write that fails at block N leaves the keyboard with the new blocks
// 0..N-1 and its old blocks after them (the group index among them): a
// template that types garbage. Its message says so on a second line under
// "Data Written Error, Count=N".
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

  // Identifies the keyboard, writes `image`, sends the end of the write.
  [[nodiscard]] TransferResult DriverWrite(CKBIO& port, const Image& image);
  // `port` must be open (OpenDevice succeeded); it is closed at the end.
  [[nodiscard]] TransferResult UsbWrite(CUSBport& port, const Image& image);
  [[nodiscard]] TransferResult DriverRead(CKBIO& port);
  // `port` must be open (OpenDevice succeeded); it is closed at the end.
  [[nodiscard]] TransferResult UsbRead(CUSBport& port);

  // "1%" after block 0 ... "50%" after block 31 ... "100%" after block 63.
  [[nodiscard]] static std::string PercentText(int block);
  // "Data Written Error, Count=N" and the line that the keyboard now holds a
  // partly written template.
  [[nodiscard]] static std::string WriteFailedMessage(int block);

 private:
  void Stepped(int block);

  Clock& m_clock;
  ProgressSink& m_progress;
};

}  // namespace vexa
