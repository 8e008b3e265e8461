// A clock that only counts: every wait returns at once and is added to the
// virtual time. Used by the simulated keyboard's fast mode, the tests and the
// benchmarks.
//
// Reset() clears the elapsed time and the count of waits that tests look at;
// NowMs() keeps growing across it, so a keyboard emulator judging the waits
// never sees time go back.
//
// Several workers may wait on one virtual clock at once (several keyboards
// written together): each wait adds to the one shared time, so every
// keyboard sees at least the waits of its own worker.
#pragma once

#include <atomic>
#include <cstdint>

#include "device/Clock.h"

namespace vexa {

class VirtualClock : public Clock {
 public:
  void Sleep(int milliseconds) override {
    m_elapsed += milliseconds;
    m_now += milliseconds;
    ++m_waits;
  }
  [[nodiscard]] std::int64_t NowMs() const override { return m_now; }
  [[nodiscard]] std::int64_t ElapsedMs() const { return m_elapsed; }
  [[nodiscard]] int Waits() const { return m_waits; }
  void Reset() { m_elapsed = 0, m_waits = 0; }

 private:
  std::atomic<std::int64_t> m_now = 0;
  std::atomic<std::int64_t> m_elapsed = 0;
  std::atomic<int> m_waits = 0;
};

}  // namespace vexa
