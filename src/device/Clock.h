// The waits of the keyboard protocols (200 ms after a read command, 250 ms
// after a USB block write, 200 ms after each controller block attempt). They
// go through this interface so tests and benchmarks can replace them with
// virtual time while the real program keeps every wait.
#pragma once

namespace vexa {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Sleep(int milliseconds) = 0;
};

}  // namespace vexa
