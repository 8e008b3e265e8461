// Configuration > Program Keyboards as Plugged In...: the station's dialog on
// simulated keyboards whose directory is watched (a file that appears is a
// keyboard plugged in, one that goes is unplugged). The rows, done until
// unplugged, the log, Stop, and closing while keyboards are in work.
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "AccessibleNames.h"
#include "base/Messages.h"
#include "device/linux/SimulatedHotplugMonitor.h"
#include "device/ui/CStationDialog.h"
#include "document/FileIo.h"
#include "document/MemoryImage.h"
#include "emulator/SimulatedKeyboard.h"
#include "emulator/VirtualClock.h"

using namespace vexa;

namespace {

Image Template() {
  Image image{};
  ResetImage(image);
  image[0] = 'H';
  image[1] = 'i';
  return image;
}

bool WriteKeyboard(const QString& file) {
  Image blank{};
  ResetImage(blank);
  return WriteFileAtomically(file.toStdString(),
                             std::string_view(reinterpret_cast<const char*>(blank.data()), blank.size()));
}

struct StationRig {
  QTemporaryDir dir;
  QString kbs = dir.filePath(QStringLiteral("kbs"));
  std::unique_ptr<SimulatedKeyboard> sim;
  VirtualClock clock;
  std::unique_ptr<KeyboardConnection> connection;
  std::unique_ptr<CStationDialog> dialog;

  StationRig() {
    QDir().mkpath(kbs);
    if (!WriteKeyboard(kbs + QStringLiteral("/kb1.bin"))) qFatal("keyboard file");
    sim = std::make_unique<SimulatedKeyboard>(kbs.toStdString());
    if (!sim->Load(true).ok) qFatal("simulated keyboards");
    sim->SetClock(&clock);
    SimulatedKeyboard* keyboards = sim.get();
    connection = std::make_unique<KeyboardConnection>(
        DeviceEnvironment{&sim->Hid(), sim.get(), &clock, {}, [keyboards](const std::string& path) {
                            return keyboards->Persist(path);
                          }});
    dialog = std::make_unique<CStationDialog>(
        *connection,
        [keyboards](Outcome& outcome) -> std::unique_ptr<HotplugMonitor> {
          auto monitor = std::make_unique<SimulatedHotplugMonitor>(*keyboards);
          outcome = monitor->Start();
          return monitor;
        },
        [](Image& image) {
          image = Template();
          return Outcome::Success();
        });
  }
  ~StationRig() {
    dialog.reset();  // waits for the station
    for (const std::string& v : sim->Hid().Violations())
      QTest::qFail(("protocol violation: " + v).c_str(), __FILE__, __LINE__);
  }
  QString Cell(int row, int column) const {
    const QTableWidgetItem* item = dialog->Table()->item(row, column);
    return item ? item->text() : QString();
  }
  bool RowsDone(int rows) const {
    if (dialog->Table()->rowCount() != rows) return false;
    for (int row = 0; row < rows; ++row)
      if (Cell(row, 1) != QString::fromLatin1(msg::kStationStateDone.data())) return false;
    return true;
  }
};

}  // namespace

class StationTest : public QObject {
  Q_OBJECT
 private slots:
  void keyboardsAreWrittenAsTheyArePluggedIn();
  void closingWaitsForTheWritesUnderWay();
};

void StationTest::keyboardsAreWrittenAsTheyArePluggedIn() {
  StationRig rig;
  const QString log = rig.dir.filePath(QStringLiteral("station.log"));
  rig.dialog->LogEdit()->setText(log);
  rig.dialog->show();
  const QStringList unnamed = UnnamedFields(*rig.dialog);  // for a screen reader
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
  QVERIFY(rig.dialog->VerifyCheck()->isChecked());
  QTest::mouseClick(rig.dialog->StartButton(), Qt::LeftButton);
  QVERIFY(rig.dialog->Running());
  QVERIFY(!rig.dialog->StartButton()->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(rig.RowsDone(1), 20000);
  QCOMPARE(rig.Cell(0, 0), QStringLiteral("kb1"));
  QCOMPARE(rig.Cell(0, 3), QStringLiteral("verified"));

  QVERIFY(WriteKeyboard(rig.kbs + QStringLiteral("/kb2.bin")));
  QTRY_VERIFY_WITH_TIMEOUT(rig.RowsDone(2), 20000);
  QCOMPARE(rig.Cell(1, 0), QStringLiteral("kb2"));
  // Done shows until the keyboard is unplugged.
  QVERIFY(QFile::remove(rig.kbs + QStringLiteral("/kb1.bin")));
  QTRY_COMPARE_WITH_TIMEOUT(rig.dialog->Table()->rowCount(), 1, 20000);
  QCOMPARE(rig.Cell(0, 0), QStringLiteral("kb2"));

  QTest::mouseClick(rig.dialog->StopButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!rig.dialog->Running(), 20000);
  QVERIFY(rig.dialog->StartButton()->isEnabled());
  QCOMPARE(rig.sim->Emulator(0).Memory(), Template());
  QCOMPARE(rig.sim->Emulator(1).Memory(), Template());
  QFile file(log);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  QCOMPARE(lines.size(), 3);  // two records and the end of the last line
  QVERIFY(lines[0].contains("\"serial\":\"kb1\",\"product\":\"PX2400U\",\"result\":\"verified\""));
  QVERIFY(lines[1].contains("\"serial\":\"kb2\""));
}

void StationTest::closingWaitsForTheWritesUnderWay() {
  StationRig rig;
  rig.dialog->show();
  QTest::mouseClick(rig.dialog->StartButton(), Qt::LeftButton);
  QTRY_COMPARE_WITH_TIMEOUT(rig.dialog->Table()->rowCount(), 1, 20000);
  rig.dialog->reject();
  // Closed only once the station has stopped: never in the middle of a write.
  QTRY_VERIFY_WITH_TIMEOUT(!rig.dialog->Running(), 20000);
  QTRY_VERIFY_WITH_TIMEOUT(!rig.dialog->isVisible(), 20000);
  QCOMPARE(rig.dialog->result(), static_cast<int>(QDialog::Rejected));
  QVERIFY(rig.RowsDone(1));
}

QTEST_MAIN(StationTest)
#include "tst_station.moc"
