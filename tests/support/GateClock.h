// Test support: a clock whose waits hold the transfer until the test lets it
// go on. The workers stand still in the middle of a transfer for as long as
// the test needs. Time still advances by every wait, so the keyboards judge
// the waits as kept.
#pragma once

#include <condition_variable>
#include <mutex>

#include "device/Clock.h"

namespace vexa {

class GateClock : public Clock {
 public:
  void Sleep(int milliseconds) override {
    std::unique_lock lock(m_mutex);
    m_now += milliseconds;
    ++m_waiting;
    m_changed.wait(lock, [this] { return m_open; });
    --m_waiting;
  }
  std::int64_t NowMs() const override {
    std::lock_guard lock(m_mutex);
    return m_now;
  }
  bool Holding() const { return Waiting() > 0; }
  // How many workers stand still in a wait.
  int Waiting() const {
    std::lock_guard lock(m_mutex);
    return m_waiting;
  }
  void Open() {
    std::lock_guard lock(m_mutex);
    m_open = true;
    m_changed.notify_all();
  }

 private:
  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::int64_t m_now = 0;
  int m_waiting = 0;
  bool m_open = false;
};

}  // namespace vexa
