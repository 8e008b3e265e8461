#include "device/ui/CStationDialog.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>
#include <set>

#include "base/Messages.h"
#include "device/StationBackups.h"
#include "document/FileIo.h"
#include "i18n/Translations.h"

namespace vexa {
namespace {

QString Text(std::string_view text) { return i18n::FromBytes(text); }

enum Column { kSerial, kState, kProgress, kResult, kColumns };

}  // namespace

// The station's reports, handed to the dialog's thread. Each keyboard's
// progress sink lives as long as the observer.
class CStationDialog::Observer : public StationObserver {
 public:
  Observer(CStationDialog& dialog, std::string sha256, AuditLog* log)
      : m_dialog(dialog), m_sha256(std::move(sha256)), m_log(log) {}

  ProgressSink& KeyboardStarted(const KeyboardDevice& keyboard) override {
    const std::lock_guard lock(m_mutex);
    m_sinks.push_back(std::make_unique<RowProgress>(m_dialog, keyboard.path));
    const QString serial = Text(keyboard.serialNumber.empty() ? keyboard.path : keyboard.serialNumber);
    Post([path = keyboard.path, serial](CStationDialog& d) {
      d.SetRow(path, serial, Text(msg::Tr(msg::kStationStateWriting)), QStringLiteral("0%"), QString());
    });
    return *m_sinks.back();
  }
  void KeyboardFinished(const StationResult& result) override {
    const KeyboardWriteReport& r = result.report;
    Outcome logged = Outcome::Success();
    if (m_log)
      logged =
          m_log->Append(ProvisioningStation::ResultJson(r, result.startedMs, result.finishedMs, m_sha256));
    const QString state =
        Text(r.outcome.ok ? msg::Tr(msg::kStationStateDone) : msg::Tr(msg::kStationStateFailed));
    // A keyboard written shows the result word (kept English in the log) in
    // the user's language; a failure's message is translated already.
    const QString text = Text(r.outcome.ok ? msg::Tr(r.ResultText()) : std::string_view(r.ResultText()));
    Post([path = r.keyboard.path, state, text, logged](CStationDialog& d) {
      d.SetRow(path, QString(), state, QString(), text);
      if (!logged.ok) {
        // No keyboard is programmed without its record in the log.
        d.Stop();
        d.Show(logged);
      }
    });
  }
  void KeyboardUnplugged(const std::string& path) override {
    Post([path](CStationDialog& d) {
      if (const int row = d.RowOf(path); row >= 0) d.m_table->removeRow(row);
    });
  }
  void Notice(const std::string& text) override {
    Post([text = Text(text)](CStationDialog& d) { d.m_status->setText(text); });
  }

 private:
  class RowProgress : public ProgressSink {
   public:
    RowProgress(CStationDialog& dialog, std::string path) : m_dialog(dialog), m_path(std::move(path)) {}
    void Begin(std::string_view title) override {
      QMetaObject::invokeMethod(
          &m_dialog,
          [d = &m_dialog, path = m_path, title = Text(title)] {
            d->SetRow(path, QString(), title, QStringLiteral("0%"), QString());
          },
          Qt::QueuedConnection);
    }
    void Step(int, std::string_view percent) override {
      QMetaObject::invokeMethod(
          &m_dialog,
          [d = &m_dialog, path = m_path, percent = Text(percent)] {
            d->SetRow(path, QString(), QString(), percent, QString());
          },
          Qt::QueuedConnection);
    }
    void End() override {}

   private:
    CStationDialog& m_dialog;
    std::string m_path;
  };
  template <typename F>
  void Post(F f) {
    QMetaObject::invokeMethod(
        &m_dialog, [d = &m_dialog, f = std::move(f)] { f(*d); }, Qt::QueuedConnection);
  }

  CStationDialog& m_dialog;
  std::string m_sha256;
  AuditLog* m_log;
  std::mutex m_mutex;
  std::vector<std::unique_ptr<RowProgress>> m_sinks;
};

CStationDialog::CStationDialog(KeyboardConnection& connection, MonitorFactory makeMonitor,
                               std::function<Outcome(Image&)> currentTemplate, QWidget* parent)
    : QDialog(parent),
      m_connection(connection),
      m_makeMonitor(std::move(makeMonitor)),
      m_currentTemplate(std::move(currentTemplate)),
      m_useCurrent(new QRadioButton(Text(msg::Tr(msg::kStationTemplateCurrent)))),
      m_useFile(new QRadioButton(Text(msg::Tr(msg::kStationTemplateFile)))),
      m_file(new QLineEdit),
      m_verify(new QCheckBox(Text(msg::Tr(msg::kStationVerify)))),
      m_backup(new QCheckBox(Text(msg::Tr(msg::kStationBackup)))),
      m_backupDir(new QLineEdit),
      m_log(new QLineEdit),
      m_start(new QPushButton(Text(msg::Tr(msg::kStationStart)))),
      m_stop(new QPushButton(Text(msg::Tr(msg::kStationStop)))),
      m_table(new QTableWidget(0, kColumns)),
      m_status(new QLabel) {
  setWindowTitle(Text(msg::Tr(msg::kStationTitle)));
  m_useCurrent->setChecked(true);
  m_verify->setChecked(true);
  auto* browse = new QPushButton(QStringLiteral("..."));
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString file = QFileDialog::getOpenFileName(this, Text(msg::Tr(msg::kStationTemplateFile)),
                                                      QString(), QStringLiteral("*.bin"));
    if (!file.isEmpty()) {
      m_file->setText(file);
      m_useFile->setChecked(true);
    }
  });
  auto* options = new QGridLayout;
  options->addWidget(m_useCurrent, 0, 0, 1, 3);
  options->addWidget(m_useFile, 1, 0);
  options->addWidget(m_file, 1, 1);
  options->addWidget(browse, 1, 2);
  options->addWidget(m_verify, 2, 0, 1, 3);
  options->addWidget(m_backup, 3, 0);
  options->addWidget(m_backupDir, 3, 1, 1, 2);
  auto* logLabel = new QLabel(Text(msg::Tr(msg::kStationLog)));
  logLabel->setBuddy(m_log);
  options->addWidget(logLabel, 4, 0);
  options->addWidget(m_log, 4, 1, 1, 2);
  QStringList columns;
  for (std::string_view column : msg::kStationColumns) columns << Text(msg::Tr(column));
  m_table->setHorizontalHeaderLabels(columns);
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The fields beside a radio button or a check box have no label of their
  // own; the texts shown only as a "..." or without any caption get a name.
  m_file->setAccessibleName(tr("Template file"));
  browse->setAccessibleName(tr("Choose the template file"));
  m_backupDir->setAccessibleName(tr("Backup folder"));
  m_table->setAccessibleName(tr("Keyboards"));
  m_status->setAccessibleName(tr("Station status"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_status, 1);
  buttons->addWidget(m_start);
  buttons->addWidget(m_stop);
  m_stop->setEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(options);
  layout->addWidget(m_table, 1);
  layout->addLayout(buttons);
  resize(640, 420);
  connect(m_start, &QPushButton::clicked, this, &CStationDialog::Start);
  connect(m_stop, &QPushButton::clicked, this, &CStationDialog::Stop);
}

CStationDialog::~CStationDialog() {
  // A write is never cut off: the station ends its writes first.
  if (m_station) m_station->Stop();
  if (m_thread.joinable()) m_thread.join();
}

void CStationDialog::Show(const Outcome& outcome) {
  if (outcome.message.empty()) return;
  QMessageBox::warning(this, Text(msg::kAppTitle), Text(outcome.message));
}

void CStationDialog::Start() {
  if (Running()) return;
  Image image{};
  if (m_useCurrent->isChecked()) {
    if (Outcome built = m_currentTemplate(image); !built.ok) return Show(built);
  } else {
    const std::string path = m_file->text().toLocal8Bit().toStdString();
    const auto bytes = ReadFileBytes(path, kImageSize + 1);
    if (!bytes)
      return Show(Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateCannotOpen), path.c_str())));
    if (bytes->size() < static_cast<size_t>(kImageSize))
      return Show(Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTemplateTooShort), path.c_str(),
                                                      static_cast<int>(bytes->size()))));
    if (bytes->size() > static_cast<size_t>(kImageSize))
      return Show(Outcome::Failure(
          msg::FormatMessage(msg::Tr(msg::kTemplateTooLong), path.c_str(), static_cast<int>(bytes->size()))));
    std::copy(bytes->begin(), bytes->end(), image.begin());
  }
  ProvisioningStation::Options options;
  options.write.verify = m_verify->isChecked();
  if (m_backup->isChecked()) {
    Outcome ready;
    std::shared_ptr<StationBackups> backups =
        StationBackups::Open(m_backupDir->text().toLocal8Bit().toStdString(), ready);
    if (!ready.ok) return Show(ready);
    options.write.backup = [backups](const KeyboardDevice& keyboard, const Image& previous) {
      return backups->Save(keyboard, previous);
    };
  }
  const std::string logPath = m_log->text().toLocal8Bit().toStdString();
  if (!logPath.empty())
    if (Outcome opened = m_auditLog.Open(logPath); !opened.ok) return Show(opened);
  Outcome started = Outcome::Success();
  m_monitor = m_makeMonitor(started);
  if (!m_monitor || !started.ok) return Show(started);

  const QByteArray bytes(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
  const std::string sha256 =
      QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
  m_observer = std::make_unique<Observer>(*this, sha256, logPath.empty() ? nullptr : &m_auditLog);
  m_station = std::make_unique<ProvisioningStation>(m_connection, *m_monitor, image, options, *m_observer);
  m_table->setRowCount(0);
  m_status->setText(Text(msg::Tr(msg::kStationWaiting)));
  m_start->setEnabled(false);
  m_stop->setEnabled(true);
  m_thread = std::thread([this] {
    m_summary = m_station->Run();
    QMetaObject::invokeMethod(
        this, [this] { Stopped(); }, Qt::QueuedConnection);
  });
}

void CStationDialog::Stop() {
  if (!m_station || !Running()) return;
  m_station->Stop();
  m_stop->setEnabled(false);
  m_status->setText(Text(msg::Tr(msg::kStationStopping)));
}

void CStationDialog::Stopped() {
  if (m_thread.joinable()) m_thread.join();
  m_station.reset();
  m_monitor.reset();
  m_status->setText(
      QString::fromStdString(msg::FormatMessage(msg::Tr(msg::kStationSummary), m_summary.written,
                                                m_summary.verified, m_summary.unchanged, m_summary.failed)));
  m_start->setEnabled(true);
  m_stop->setEnabled(false);
  emit stopped();
  if (m_closePending) QDialog::reject();
}

void CStationDialog::reject() {
  if (!Running()) return QDialog::reject();
  // Closed while keyboards are in work: it closes when their writes ended.
  m_closePending = true;
  Stop();
}

int CStationDialog::RowOf(const std::string& path) {
  const QString key = QString::fromStdString(path);
  for (int row = 0; row < m_table->rowCount(); ++row)
    if (m_table->item(row, kSerial) && m_table->item(row, kSerial)->data(Qt::UserRole).toString() == key)
      return row;
  return -1;
}

void CStationDialog::SetRow(const std::string& path, const QString& serial, const QString& state,
                            const QString& progress, const QString& result) {
  int row = RowOf(path);
  if (row < 0) {
    row = m_table->rowCount();
    m_table->insertRow(row);
    for (int column = 0; column < kColumns; ++column) m_table->setItem(row, column, new QTableWidgetItem);
    m_table->item(row, kSerial)->setData(Qt::UserRole, QString::fromStdString(path));
  }
  const auto set = [&](int column, const QString& text) {
    if (!text.isNull()) m_table->item(row, column)->setText(text);
  };
  set(kSerial, serial);
  set(kState, state);
  set(kProgress, progress);
  set(kResult, result);
}

}  // namespace vexa
