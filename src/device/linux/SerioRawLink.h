// The keyboard's byte link through a raw serio character device: the node
// /dev/serio_rawN that the kernel's serio_raw driver gives an i8042 port, or
// any node that behaves like it (a pseudo-terminal in raw mode). write() hands
// bytes to the kernel, which sends them through the controller under its own
// locking; read() returns every byte the keyboard sends, its 0xFA
// acknowledgements included.
//
// Traps:
//   - serio_raw keeps only 64 unread bytes and drops the rest, and a block's
//     read answer alone is 78. Every receive drains what the kernel holds
//     into this link's own buffer, so the ring never fills while the
//     protocol runs.
//   - A byte from the keyboard is waited for at most kReceiveTimeoutMs. The
//     controller access polled its status port 19,999 times for one byte,
//     some 20 ms on a PC's LPC bus; the timeout keeps that order (a PS/2
//     byte takes about 1 ms on the wire, a silent keyboard is given up on as
//     quickly as before).
//   - Bytes left over from before a transfer (keys typed while the port was
//     handed over) are discarded when the node is opened, and bytes still
//     unread when a byte is sent are discarded before it: nothing the
//     keyboard sent earlier answers a byte not yet sent. An answer that came
//     after its timeout (a busy machine) would otherwise be taken for the
//     next byte's and shift every answer after it; this way only the step
//     that timed out fails, and the protocol's own retries recover.
//   - A terminal node is put into raw mode while open (and back afterwards):
//     a line discipline would hold bytes back until a line feed and rewrite
//     some of them.
#pragma once

#include <termios.h>

#include <array>
#include <cstddef>
#include <string>

#include "device/KeyboardByteLink.h"

namespace vexa {

class SerioRawLink : public KeyboardByteLink {
 public:
  static constexpr int kReceiveTimeoutMs = 20;

  explicit SerioRawLink(std::string path = {}, int receiveTimeoutMs = kReceiveTimeoutMs)
      : m_path(std::move(path)), m_timeoutMs(receiveTimeoutMs) {}
  ~SerioRawLink() override;
  SerioRawLink(const SerioRawLink&) = delete;
  SerioRawLink& operator=(const SerioRawLink&) = delete;

  // Attach opens the node; Detach closes it.
  Outcome Attach() override;
  Outcome Detach() override;
  bool SendByte(std::uint8_t byte) override;
  std::optional<std::uint8_t> ReceiveByte() override;
  std::string Where() const override { return m_path; }

  void SetPath(std::string path) { m_path = std::move(path); }
  // Opens the node for reading and writing; the system's words in `error`.
  [[nodiscard]] bool Open(std::string& error);
  void Close();
  [[nodiscard]] bool IsOpen() const { return m_fd >= 0; }

 private:
  // Waits up to the timeout for the kernel to have bytes and takes them all.
  bool Fill();
  void DiscardUnread();

  std::string m_path;
  int m_timeoutMs;
  int m_fd = -1;
  bool m_terminal = false;
  termios m_savedTerminal{};
  std::array<std::uint8_t, 256> m_buffer{};
  std::size_t m_begin = 0;
  std::size_t m_end = 0;
};

}  // namespace vexa
