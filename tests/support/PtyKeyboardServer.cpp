#include "support/PtyKeyboardServer.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace vexa {

PtyKeyboardServer::PtyKeyboardServer(KeyboardEmulator& keyboard, std::function<void()> afterBytes)
    : m_keyboard(keyboard), m_afterBytes(std::move(afterBytes)) {
  m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return;
  const char* name = ::ptsname(m_master);
  if (!name) return;
  m_node = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_node < 0) return;
  termios raw{};
  ::tcgetattr(m_node, &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(m_node, TCSANOW, &raw);
  if (::pipe2(m_stop, O_CLOEXEC) != 0) return;
  m_nodePath = name;
  m_thread = std::thread([this] { Serve(); });
}

PtyKeyboardServer::~PtyKeyboardServer() {
  Stop();
  for (int fd : {m_master, m_node, m_stop[0], m_stop[1]})
    if (fd >= 0) ::close(fd);
}

void PtyKeyboardServer::Stop() {
  if (!m_thread.joinable()) return;
  const char b = 0;
  // The serving thread wakes on this byte; a pipe of our own with room for it.
  [[maybe_unused]] const ssize_t woken = ::write(m_stop[1], &b, 1);
  m_thread.join();
}

void PtyKeyboardServer::WriteAll(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

void PtyKeyboardServer::Inject(const std::string& bytes) {
  std::lock_guard lock(m_mutex);
  WriteAll(bytes);
}

bool PtyKeyboardServer::NodeReadable(int timeoutMs) const {
  pollfd p{m_node, POLLIN, 0};
  return ::poll(&p, 1, timeoutMs) == 1 && (p.revents & POLLIN);
}

void PtyKeyboardServer::Serve() {
  for (;;) {
    pollfd fds[2] = {{m_master, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) return;
    if (!(fds[0].revents & POLLIN)) continue;
    std::uint8_t in[256];
    const ssize_t n = ::read(m_master, in, sizeof in);
    if (n <= 0) continue;
    {
      std::lock_guard lock(m_mutex);
      std::string answer;
      for (ssize_t i = 0; i < n; ++i) {
        m_keyboard.ReceiveByte(in[i]);
        while (m_keyboard.HasOutput()) answer.push_back(static_cast<char>(m_keyboard.TakeOutput()));
      }
      WriteAll(answer);
    }
    if (m_afterBytes) m_afterBytes();
  }
}

}  // namespace vexa
