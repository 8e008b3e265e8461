// Configuration > Program Keyboards as Plugged In...: the editor's
// provisioning station. The template (the current one or a file), Verify,
// Backup and Log, Start and Stop, and a table with one row per keyboard
// (serial number, state, progress, result).
//
// The station (ProvisioningStation) runs on a thread of its own; its workers
// report through queued calls, so the dialog stays responsive. A keyboard
// that is done (or failed) keeps its row until it is unplugged. Stop, and
// closing the dialog, only end the waiting: the writes under way are
// finished first (the dialog closes when they are).
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "base/Outcome.h"
#include "device/HotplugMonitor.h"
#include "device/ProvisioningStation.h"
#include "document/AuditLog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vexa {

class CStationDialog : public QDialog {
  Q_OBJECT
 public:
  // `makeMonitor`: the source of plug events, started (a failure's text in
  // the outcome). `currentTemplate`: the editor's template as an image,
  // checked as Write Into KB checks it.
  using MonitorFactory = std::function<std::unique_ptr<HotplugMonitor>(Outcome& outcome)>;
  CStationDialog(KeyboardConnection& connection, MonitorFactory makeMonitor,
                 std::function<Outcome(Image&)> currentTemplate, QWidget* parent = nullptr);
  ~CStationDialog() override;

  [[nodiscard]] bool Running() const { return m_thread.joinable(); }
  QPushButton* StartButton() const { return m_start; }
  QPushButton* StopButton() const { return m_stop; }
  QTableWidget* Table() const { return m_table; }
  QLineEdit* LogEdit() const { return m_log; }
  QCheckBox* VerifyCheck() const { return m_verify; }

 public slots:
  void Start();
  void Stop();
  void reject() override;

 signals:
  void stopped();

 private:
  class Observer;
  void Stopped();
  void Show(const Outcome& outcome);
  [[nodiscard]] int RowOf(const std::string& path);
  void SetRow(const std::string& path, const QString& serial, const QString& state, const QString& progress,
              const QString& result);

  KeyboardConnection& m_connection;
  MonitorFactory m_makeMonitor;
  std::function<Outcome(Image&)> m_currentTemplate;
  QRadioButton* m_useCurrent;
  QRadioButton* m_useFile;
  QLineEdit* m_file;
  QCheckBox* m_verify;
  QCheckBox* m_backup;
  QLineEdit* m_backupDir;
  QLineEdit* m_log;
  QPushButton* m_start;
  QPushButton* m_stop;
  QTableWidget* m_table;
  QLabel* m_status;

  std::unique_ptr<HotplugMonitor> m_monitor;
  std::unique_ptr<Observer> m_observer;
  std::unique_ptr<ProvisioningStation> m_station;
  AuditLog m_auditLog;
  std::thread m_thread;
  StationSummary m_summary;
  bool m_closePending = false;
};

}  // namespace vexa
