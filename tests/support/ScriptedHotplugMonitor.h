// Plug events as a test or a benchmark scripts them, for the provisioning
// station: Push() queues an event, the station's Wait() takes them all.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "device/HotplugMonitor.h"

namespace vexa {

class ScriptedHotplugMonitor : public HotplugMonitor {
 public:
  void Push(HotplugEvent::Kind kind, const std::string& path) {
    const std::lock_guard lock(m_mutex);
    m_events.push_back({kind, path});
    m_changed.notify_all();
  }
  std::vector<HotplugEvent> Wait() override {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_woken || !m_events.empty(); });
    m_woken = false;
    return std::exchange(m_events, {});
  }
  void Wake() override {
    const std::lock_guard lock(m_mutex);
    m_woken = true;
    m_changed.notify_all();
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<HotplugEvent> m_events;
  bool m_woken = false;
};

}  // namespace vexa
