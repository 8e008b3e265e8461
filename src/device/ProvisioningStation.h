// A provisioning station: every keyboard plugged in gets the template, once
// per plug-in, several at once (one worker each, as a write into all
// connected keyboards), until the station is stopped.
//
// Safety, in the order of the checks:
//   - only a path the system lists as the keyboard's and that passes the
//     identity check on the open device is written (ListKeyboardAt, then the
//     transfer's own check on every open); nothing else is opened;
//   - a keyboard is written once per plug-in: its path stays "handled" until
//     the system reports it unplugged, so a keyboard that is done or failed
//     is left alone until it is unplugged and plugged in again, and a
//     repeated or late added event never starts a second write;
//   - Stop() only ends the waiting: the writes under way run to their end
//     (a write is never cut off), then Run returns.
//
// Threads: Run blocks its caller (the CLI's main thread, the editor's
// station thread). The observer's KeyboardStarted comes from Run's thread,
// the progress and KeyboardFinished from the keyboard's worker; the station
// makes no two observer calls at the same time except progress of different
// keyboards.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/HotplugMonitor.h"
#include "device/KeyboardGroupWrite.h"

namespace vexa {

struct StationResult {
  KeyboardWriteReport report;
  std::int64_t startedMs = 0;  // wall clock, milliseconds since 1970 (UTC)
  std::int64_t finishedMs = 0;
};

struct StationSummary {
  int written = 0;
  int verified = 0;
  int unchanged = 0;
  int failed = 0;
  [[nodiscard]] int Total() const { return written + verified + unchanged + failed; }
};

class StationObserver {
 public:
  virtual ~StationObserver() = default;
  // A keyboard's work begins; the sink shows its progress until it finishes.
  virtual ProgressSink& KeyboardStarted(const KeyboardDevice& keyboard) = 0;
  virtual void KeyboardFinished(const StationResult& result) = 0;
  // A keyboard that was handled (done, failed or still in work) was unplugged.
  virtual void KeyboardUnplugged(const std::string& path) = 0;
  // Something was seen and ignored (the monitor's notice).
  virtual void Notice(const std::string& text) = 0;
};

class ProvisioningStation {
 public:
  struct Options {
    KeyboardGroupWrite::Options write;  // verify, if-different, backup
    bool newOnly = false;               // leave the keyboards connected at the start alone
    int count = 0;                      // end after this many keyboards finished; 0: no limit
    // Wall clock for the started and finished times; the system's when empty.
    std::function<std::int64_t()> wallClockMs;
  };

  ProvisioningStation(KeyboardConnection& connection, HotplugMonitor& monitor, const Image& image,
                      Options options, StationObserver& observer);
  ~ProvisioningStation();
  ProvisioningStation(const ProvisioningStation&) = delete;
  ProvisioningStation& operator=(const ProvisioningStation&) = delete;

  // Writes the connected keyboards (unless newOnly), then each one plugged
  // in, until Stop() or `count` keyboards; returns once every write ended.
  StationSummary Run();
  // Ends the waiting (any thread; from a signal watcher, a Stop button).
  void Stop();
  [[nodiscard]] bool Stopping() const { return m_stop.load(); }

  // One JSON object for a finished keyboard: path, serial, product, result
  // ("written", "verified", "unchanged" or "failed"), error (the message, or
  // null), started and finished (UTC, ISO 8601 with milliseconds), sha256
  // (the template's, lowercase hex; left out when empty).
  [[nodiscard]] static std::string ResultJson(const KeyboardWriteReport& report, std::int64_t startedMs,
                                              std::int64_t finishedMs, const std::string& sha256);
  // "2026-03-01T09:30:00.250Z"
  [[nodiscard]] static std::string IsoTime(std::int64_t msSinceEpoch);

 private:
  struct Entry {
    bool busy = false;
    bool unplugged = false;  // while busy: the system reported it gone
    bool replugged = false;  // and back again: handle it anew when the work ends
  };
  void Consider(const std::string& path);
  void Start(const KeyboardListing& target);
  void Removed(const std::string& path);
  // Joins the workers that ended; handles paths plugged in again meanwhile.
  void Reap();
  [[nodiscard]] std::int64_t Now() const;
  [[nodiscard]] bool CountReached() const;

  KeyboardConnection& m_connection;
  HotplugMonitor& m_monitor;
  Options m_options;
  KeyboardGroupWrite m_group;
  StationObserver& m_observer;
  std::atomic<bool> m_stop{false};

  std::mutex m_mutex;  // guards everything below and serialises KeyboardFinished
  std::map<std::string, Entry> m_entries;
  struct Worker {
    std::string path;
    std::thread thread;
    bool ended = false;
  };
  std::vector<std::unique_ptr<Worker>> m_workers;
  int m_started = 0;
  int m_finished = 0;
  StationSummary m_summary;
};

}  // namespace vexa
