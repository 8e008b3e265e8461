#include "device/linux/SerioRawLink.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "base/Messages.h"

namespace vexa {
namespace {

using SteadyClock = std::chrono::steady_clock;

int MillisecondsLeft(SteadyClock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for `events` on `fd` until the deadline; false on timeout, hang-up or error.
bool WaitFor(int fd, short events, SteadyClock::time_point deadline) {
  for (;;) {
    pollfd p{fd, events, 0};
    const int n = ::poll(&p, 1, MillisecondsLeft(deadline));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    return (p.revents & events) != 0;
  }
}

}  // namespace

SerioRawLink::~SerioRawLink() { Close(); }

Outcome SerioRawLink::Attach() {
  std::string error;
  if (Open(error)) return Outcome::Success();
  return Outcome::Failure(
      msg::FormatMessage(msg::Tr(msg::kPs2DeviceCannotOpen), m_path.c_str(), error.c_str()));
}

Outcome SerioRawLink::Detach() {
  Close();
  return Outcome::Success();
}

bool SerioRawLink::Open(std::string& error) {
  Close();
  m_fd = ::open(m_path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (m_fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  m_terminal = ::isatty(m_fd) == 1 && ::tcgetattr(m_fd, &m_savedTerminal) == 0;
  if (m_terminal) {
    termios raw = m_savedTerminal;
    ::cfmakeraw(&raw);
    (void)::tcsetattr(m_fd, TCSANOW, &raw);
  }
  // Whatever the keyboard sent before this transfer answers nothing of it.
  DiscardUnread();
  return true;
}

void SerioRawLink::DiscardUnread() {
  m_begin = m_end = 0;
  std::uint8_t stale[64];
  while (::read(m_fd, stale, sizeof stale) > 0) {
  }
}

void SerioRawLink::Close() {
  if (m_fd < 0) return;
  if (m_terminal) (void)::tcsetattr(m_fd, TCSANOW, &m_savedTerminal);
  ::close(m_fd);
  m_fd = -1;
  m_terminal = false;
  m_begin = m_end = 0;
}

bool SerioRawLink::SendByte(std::uint8_t byte) {
  if (m_fd < 0) return false;
  DiscardUnread();
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(m_timeoutMs);
  for (;;) {
    const ssize_t n = ::write(m_fd, &byte, 1);
    if (n == 1) return true;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN && WaitFor(m_fd, POLLOUT, deadline)) continue;
    return false;
  }
}

bool SerioRawLink::Fill() {
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(m_timeoutMs);
  for (;;) {
    const ssize_t n = ::read(m_fd, m_buffer.data(), m_buffer.size());
    if (n > 0) {
      m_begin = 0;
      m_end = static_cast<std::size_t>(n);
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    // Nothing yet (EAGAIN) is waited for; end of file or an error (the port
    // was taken away) ends the wait at once.
    if (n < 0 && errno == EAGAIN && WaitFor(m_fd, POLLIN, deadline)) continue;
    return false;
  }
}

std::optional<std::uint8_t> SerioRawLink::ReceiveByte() {
  if (m_fd < 0) return std::nullopt;
  if (m_begin == m_end && !Fill()) return std::nullopt;
  return m_buffer[m_begin++];
}

}  // namespace vexa
