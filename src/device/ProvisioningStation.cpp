#include "device/ProvisioningStation.h"

#include <chrono>
#include <cstdio>

#include "base/Messages.h"
#include "document/JsonWriter.h"

namespace vexa {

ProvisioningStation::ProvisioningStation(KeyboardConnection& connection, HotplugMonitor& monitor,
                                         const Image& image, Options options, StationObserver& observer)
    : m_connection(connection),
      m_monitor(monitor),
      m_options(std::move(options)),
      m_group(connection, image, m_options.write),
      m_observer(observer) {}

ProvisioningStation::~ProvisioningStation() {
  Stop();
  for (auto& worker : m_workers)
    if (worker->thread.joinable()) worker->thread.join();
}

std::int64_t ProvisioningStation::Now() const {
  if (m_options.wallClockMs) return m_options.wallClockMs();
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool ProvisioningStation::CountReached() const { return m_options.count > 0 && m_started >= m_options.count; }

void ProvisioningStation::Stop() {
  m_stop = true;
  m_monitor.Wake();
}

StationSummary ProvisioningStation::Run() {
  if (!m_options.newOnly) {
    // Listed once, before any worker runs: each one is polled once here, and
    // a keyboard in work is never asked for a report by the listing.
    for (const KeyboardListing& keyboard : m_connection.ListKeyboards()) {
      const std::lock_guard lock(m_mutex);
      if (m_stop || CountReached()) break;
      if (m_entries.count(keyboard.device.path) == 0) Start(keyboard);
    }
  }
  for (;;) {
    {
      const std::lock_guard lock(m_mutex);
      if (m_stop || (m_options.count > 0 && m_finished >= m_options.count)) break;
    }
    for (const HotplugEvent& event : m_monitor.Wait()) {
      if (m_stop) break;
      switch (event.kind) {
        case HotplugEvent::Kind::kAdded:
          Consider(event.path);
          break;
        case HotplugEvent::Kind::kRemoved:
          Removed(event.path);
          break;
        case HotplugEvent::Kind::kNotice: {
          const std::lock_guard lock(m_mutex);
          m_observer.Notice(event.path);
          break;
        }
      }
    }
    Reap();
  }
  // The waiting is over; the writes under way run to their end.
  // Only this thread adds workers, and it adds none from here on.
  for (auto& worker : m_workers)
    if (worker->thread.joinable()) worker->thread.join();
  const std::lock_guard lock(m_mutex);
  m_workers.clear();
  return m_summary;
}

void ProvisioningStation::Consider(const std::string& path) {
  {
    const std::lock_guard lock(m_mutex);
    if (CountReached()) return;
    const auto it = m_entries.find(path);
    if (it != m_entries.end()) {
      // Still plugged (done, failed or in work): not again. Back after an
      // unplug while its worker still runs: once that worker has ended.
      if (it->second.busy && it->second.unplugged) it->second.replugged = true;
      return;
    }
  }
  // Only the new path is opened; the keyboards in work are not disturbed.
  const std::optional<KeyboardListing> keyboard = m_connection.ListKeyboardAt(path);
  if (!keyboard) return;
  const std::lock_guard lock(m_mutex);
  if (m_stop || CountReached() || m_entries.count(path) != 0) return;
  Start(*keyboard);
}

// Under the lock.
void ProvisioningStation::Start(const KeyboardListing& target) {
  m_entries[target.device.path].busy = true;
  ++m_started;
  ProgressSink& progress = m_observer.KeyboardStarted(target.device);
  auto worker = std::make_unique<Worker>();
  Worker* self = worker.get();
  worker->path = target.device.path;
  const std::int64_t started = Now();
  worker->thread = std::thread([this, self, target, &progress, started] {
    StationResult result;
    result.startedMs = started;
    result.report = m_group.Write(target, progress);
    result.finishedMs = Now();
    {
      const std::lock_guard lock(m_mutex);
      const KeyboardWriteReport& r = result.report;
      if (!r.outcome.ok)
        ++m_summary.failed;
      else if (r.unchanged)
        ++m_summary.unchanged;
      else if (r.verified)
        ++m_summary.verified;
      else
        ++m_summary.written;
      ++m_finished;
      m_observer.KeyboardFinished(result);
      Entry& entry = m_entries[self->path];
      entry.busy = false;
      // Unplugged meanwhile: forgotten, so that its next plug-in is written.
      if (entry.unplugged && !entry.replugged) m_entries.erase(self->path);
      self->ended = true;
    }
    m_monitor.Wake();
  });
  m_workers.push_back(std::move(worker));
}

void ProvisioningStation::Removed(const std::string& path) {
  const std::lock_guard lock(m_mutex);
  const auto it = m_entries.find(path);
  if (it == m_entries.end()) return;
  if (it->second.busy) {
    it->second.unplugged = true;
    it->second.replugged = false;
  } else {
    m_entries.erase(it);
  }
  m_observer.KeyboardUnplugged(path);
}

void ProvisioningStation::Reap() {
  std::vector<std::thread> ended;
  std::vector<std::string> again;
  {
    const std::lock_guard lock(m_mutex);
    for (auto it = m_workers.begin(); it != m_workers.end();) {
      if (!(*it)->ended) {
        ++it;
        continue;
      }
      const auto entry = m_entries.find((*it)->path);
      if (entry != m_entries.end() && !entry->second.busy && entry->second.replugged) {
        // Unplugged and plugged in again while its worker still ran.
        m_entries.erase(entry);
        again.push_back((*it)->path);
      }
      ended.push_back(std::move((*it)->thread));
      it = m_workers.erase(it);
    }
  }
  for (std::thread& t : ended) t.join();
  for (const std::string& path : again)
    if (!m_stop) Consider(path);
}

std::string ProvisioningStation::IsoTime(std::int64_t msSinceEpoch) {
  using namespace std::chrono;
  const sys_time<milliseconds> at{milliseconds(msSinceEpoch)};
  const sys_days day = floor<days>(at);
  const year_month_day date{day};
  const hh_mm_ss<milliseconds> time{at - day};
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count()));
  return text;
}

std::string ProvisioningStation::ResultJson(const KeyboardWriteReport& report, std::int64_t startedMs,
                                            std::int64_t finishedMs, const std::string& sha256) {
  json::Object object;
  object.String("path", report.keyboard.path)
      .String("serial", report.keyboard.serialNumber)
      .String("product", report.keyboard.product);
  if (report.outcome.ok) {
    object.String("result", report.ResultText()).Null("error");
  } else {
    object.String("result", msg::kResultFailed).String("error", report.outcome.message);
  }
  object.String("started", IsoTime(startedMs)).String("finished", IsoTime(finishedMs));
  if (!sha256.empty()) object.String("sha256", sha256);
  return object.Text();
}

}  // namespace vexa
