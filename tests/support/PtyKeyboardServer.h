// Test support: the keyboard emulator's PS/2 side served on a pseudo-terminal
// in raw mode, as the kernel's serio_raw node serves a real keyboard: every
// byte written to NodePath() reaches KeyboardEmulator::ReceiveByte, and every
// byte the emulator answers can be read from it, acknowledgements included.
//
// A thread reads the terminal's master side continuously and answers at
// once. The server keeps the node itself open too, so a client may open and
// close it for every transfer without hanging the terminal up.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "emulator/KeyboardEmulator.h"

namespace vexa {

class PtyKeyboardServer {
 public:
  // `afterBytes` runs on the server's thread after each batch of bytes was
  // answered (the emulator tool keeps the memory file up to date there).
  explicit PtyKeyboardServer(KeyboardEmulator& keyboard, std::function<void()> afterBytes = {});
  ~PtyKeyboardServer();
  PtyKeyboardServer(const PtyKeyboardServer&) = delete;
  PtyKeyboardServer& operator=(const PtyKeyboardServer&) = delete;

  // Empty when no pseudo-terminal could be had.
  [[nodiscard]] const std::string& NodePath() const { return m_nodePath; }
  // Runs `f` with the emulator while the server does not touch it.
  template <typename F>
  auto WithKeyboard(F f) {
    std::lock_guard lock(m_mutex);
    return f(m_keyboard);
  }
  // Bytes for the client that no command asked for (stale bytes, noise).
  void Inject(const std::string& bytes);
  // Waits until bytes written to the client can be read from the node.
  [[nodiscard]] bool NodeReadable(int timeoutMs) const;
  void Stop();

 private:
  void Serve();
  void WriteAll(const std::string& bytes);

  KeyboardEmulator& m_keyboard;
  std::function<void()> m_afterBytes;
  std::mutex m_mutex;
  std::string m_nodePath;
  int m_master = -1;
  int m_node = -1;
  int m_stop[2] = {-1, -1};
  std::thread m_thread;
};

}  // namespace vexa
