// The waits of the keyboard protocols (200 ms after a read command, 250 ms
// after a USB block write, 200 ms after each controller block attempt). They
// go through this interface so tests and benchmarks can replace them with
// virtual time while the real program keeps every wait.
//
// NowMs() is the same clock's notion of time, for whoever must judge whether
// a wait was kept: the keyboard emulator records a protocol violation when the
// host asks it too early. It only ever grows, and the waits advance it.
#pragma once

#include <cstdint>

namespace vexa {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Sleep(int milliseconds) = 0;
  // Milliseconds since an arbitrary start; never goes back.
  [[nodiscard]] virtual std::int64_t NowMs() const = 0;
};

}  // namespace vexa
