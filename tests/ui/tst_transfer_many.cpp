// Read From KB and Write Into KB in the editor with several USB keyboards
// connected (a simulated keyboard directory, one memory file per keyboard):
// the chooser, the write into all of them at once with their progress shown
// together, and each keyboard's result in the one message afterwards.
#include <QListWidget>
#include <QProgressBar>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>

#include "base/Messages.h"
#include "device/ui/CSelectConnectedKeyboard.h"
#include "device/ui/KeyboardCommands.h"
#include "device/ui/TransferProgressDisplay.h"
#include "document/CVEXADoc.h"
#include "document/FileIo.h"
#include "document/SettingsStore.h"
#include "emulator/SimulatedKeyboard.h"
#include "emulator/VirtualClock.h"
#include "support/GateClock.h"
#include "support/ScriptedUserInterface.h"
#include "view/ui/CVEXAView.h"

using namespace vexa;

namespace {

constexpr int kCancel = -2;  // a chooser answer: Cancel

// The memory of keyboard n: a blank template whose key 0 holds "kbN".
Image MemoryOf(int n) {
  MemorySettingsStore settings;
  CVEXADoc doc(settings, ".");
  doc.NewTemplate();
  doc.Content(0) = "kb" + std::to_string(n);
  doc.BuildImage();
  return doc.MemoryImage();
}

bool HasInk(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 100) return true;
  return false;
}

struct FleetRig {
  QTemporaryDir dir;
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  CVEXADoc doc{settings, "."};
  CVEXAView view{doc, ui};
  std::unique_ptr<SimulatedKeyboard> sim;
  VirtualClock virtualClock;
  GateClock gate;
  KeyboardCommands commands{doc, view, ui, settings};

  explicit FleetRig(int count, bool gated = false) {
    const std::string kbs = dir.filePath(QStringLiteral("kbs")).toStdString();
    QDir().mkpath(QString::fromStdString(kbs));
    for (int n = 1; n <= count; ++n) {
      const Image memory = MemoryOf(n);
      if (!WriteFileAtomically(kbs + "/kb" + std::to_string(n) + ".bin",
                               std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size())))
        qFatal("keyboard file");
    }
    sim = std::make_unique<SimulatedKeyboard>(kbs);
    if (!sim->Load().ok) qFatal("simulated keyboards");
    Clock& clock = gated ? static_cast<Clock&>(gate) : virtualClock;
    sim->SetClock(&clock);
    doc.NewTemplate();
    doc.Content(0) = "new";
    view.State().ResetForInitialUpdate(doc);
    view.resize(800, 600);
    view.show();
    commands.SetEnvironment(DeviceEnvironment{&sim->Hid(), sim.get(), &clock, {}, {}});
  }
  // Every test fails when the host broke a keyboard's protocol.
  ~FleetRig() {
    gate.Open();  // a test that failed while the workers stood still lets them end
    for (const std::string& v : sim->Hid().Violations())
      QTest::qFail(("protocol violation: " + v).c_str(), __FILE__, __LINE__);
  }
  bool Choose() {
    ui.portAnswers.push_back(PortKind::kUsb);
    return commands.ChoosePort(view.State());
  }
  Image& Keyboard(int n) { return sim->Emulator(static_cast<size_t>(n - 1)).Memory(); }
  [[nodiscard]] bool Run(void (KeyboardCommands::*command)()) {
    (commands.*command)();
    return QTest::qWaitFor([this] { return !commands.TransferRunning(); }, 20000);
  }
};

}  // namespace

class TransferManyTest : public QObject {
  Q_OBJECT
 private slots:
  void transfersAskWhichKeyboard_data();
  void transfersAskWhichKeyboard();
  void onlyUsableKeyboardsAreOffered();
  void writeIntoAllShowsTheirProgressTogether();
  void manyRowsScrollInsideTheView_data();
  void manyRowsScrollInsideTheView();
  void writeIntoAllKeepsEachKeyboardsResult();
  void chooserListsTheKeyboards();
};

void TransferManyTest::transfersAskWhichKeyboard_data() {
  QTest::addColumn<bool>("write");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QList<int>>("same");  // keyboards whose memory is the document's image afterwards
  QTest::addColumn<QString>("keyZero");  // the document's key 0 afterwards
  QTest::addColumn<QString>("message");
  const QString none;
  QTest::newRow("read from the second") << false << 1 << QList<int>{2} << "kb2" << none;
  QTest::newRow("read cancelled") << false << kCancel << QList<int>{} << "new" << none;
  QTest::newRow("write into the third") << true << 2 << QList<int>{3} << "new" << none;
  QTest::newRow("write into all") << true << UserInterface::kAllKeyboards << QList<int>{1, 2, 3} << "new"
                                  << "The template was written into all 3 keyboards.";
  QTest::newRow("write cancelled") << true << kCancel << QList<int>{} << "new" << none;
}

void TransferManyTest::transfersAskWhichKeyboard() {
  QFETCH(bool, write);
  QFETCH(int, answer);
  QFETCH(QList<int>, same);
  QFETCH(QString, keyZero);
  QFETCH(QString, message);
  FleetRig rig(3);
  QVERIFY(rig.Choose());
  rig.view.State().selectedPosition = 4;
  if (answer != kCancel) rig.ui.keyboardAnswers.push_back(answer);

  QVERIFY(rig.Run(write ? &KeyboardCommands::WriteIntoKeyboard : &KeyboardCommands::ReadFromKeyboard));

  QCOMPARE(rig.ui.keyboardChoosers.size(), size_t{1});
  QCOMPARE(rig.ui.keyboardChoosers[0],
           (std::vector<std::string>{rig.sim->HidPath(0), rig.sim->HidPath(1), rig.sim->HidPath(2)}));
  QCOMPARE(rig.ui.keyboardChoosersOfferedAll[0], write);  // "All" for Write only
  QCOMPARE(QString::fromStdString(rig.doc.Content(0)), keyZero);
  for (int n = 1; n <= 3; ++n) {
    const bool holdsDocument = rig.Keyboard(n) == rig.doc.MemoryImage();
    QVERIFY2(holdsDocument == same.contains(n), ("keyboard " + std::to_string(n)).c_str());
    if (!holdsDocument || !write) QVERIFY(rig.Keyboard(n) == MemoryOf(n));  // untouched
  }
  QCOMPARE(QString::fromStdString(rig.ui.messages.empty() ? std::string() : rig.ui.messages.front()),
           message);
  if (!message.isEmpty()) QCOMPARE(rig.ui.messageKinds.front(), MessageKind::Information);
  // A transfer that ran leaves position 0 selected; a cancelled one nothing.
  QCOMPARE(rig.view.State().selectedPosition, answer == kCancel ? 4 : 0);
}

// The chooser offers only keyboards that open and are the keyboard; with one
// usable keyboard left nothing is asked and it is used.
void TransferManyTest::onlyUsableKeyboardsAreOffered() {
  for (int locked : {1, 2}) {
    FleetRig rig(3);
    for (int n = 2; n < 2 + locked; ++n)
      rig.sim->Hid().Interfaces()[static_cast<size_t>(n)].openError = HidOpenError::kPermissionDenied;
    QVERIFY(rig.Choose());
    rig.ui.keyboardAnswers.push_back(0);
    QVERIFY(rig.Run(&KeyboardCommands::WriteIntoKeyboard));
    if (locked == 1) {
      QCOMPARE(rig.ui.keyboardChoosers.size(), size_t{1});
      QCOMPARE(rig.ui.keyboardChoosers[0],
               (std::vector<std::string>{rig.sim->HidPath(0), rig.sim->HidPath(2)}));
    } else {
      QVERIFY(rig.ui.keyboardChoosers.empty());
    }
    QVERIFY(rig.Keyboard(1) == rig.doc.MemoryImage());
    QVERIFY(rig.Keyboard(2) == MemoryOf(2));
  }
}

// While the keyboards are written, the display has one row per keyboard,
// each with its bar, percentage and name, the warning below the last row.
void TransferManyTest::writeIntoAllShowsTheirProgressTogether() {
  FleetRig rig(3, /*gated=*/true);
  QVERIFY(rig.Choose());
  rig.ui.keyboardAnswers.push_back(UserInterface::kAllKeyboards);
  TransferProgressDisplay& display = rig.commands.Progress();
  std::vector<QStringList> seen;  // the rows' percentages after each step
  display.SetStepObserver([&](int) {
    seen.push_back({display.Percent(0), display.Percent(1), display.Percent(2)});
  });
  rig.commands.WriteIntoKeyboard();
  QTRY_COMPARE(rig.gate.Waiting(), 3);  // every keyboard's worker stands still in its first block
  QTRY_COMPARE(display.Title(), QString::fromLatin1(msg::kWritingTitle.data()));
  QVERIFY(display.isVisible());
  QCOMPARE(display.Rows(), 3);
  for (int row = 0; row < 3; ++row) {
    QVERIFY(display.Bar(row) != nullptr);
    QCOMPARE(display.Bar(row)->mapTo(&rig.view, QPoint(0, 0)), QPoint(200, 380 + row * 20));
    QCOMPARE(display.Bar(row)->size(), QSize(255, 15));
    // A screen reader names each row by the transfer and its keyboard.
    const QString name = display.Bar(row)->accessibleName();
    QVERIFY2(
        name.startsWith(display.Title() + QStringLiteral(": ")) && name.size() > display.Title().size() + 2,
        qPrintable(name));
    if (row > 0) QVERIFY(name != display.Bar(row - 1)->accessibleName());
  }
  const QImage during = rig.view.grab().toImage();
  QVERIFY(HasInk(during, QRect(250, 360, 150, 16)));  // the title
  QVERIFY(HasInk(during, QRect(510, 420, 150, 16)));  // the third keyboard's name
  QVERIFY(HasInk(during, QRect(200, 438, 250, 16)));  // the warning, below the third row

  rig.gate.Open();
  QTRY_VERIFY_WITH_TIMEOUT(!rig.commands.TransferRunning(), 20000);
  QVERIFY(!display.isVisible());
  QCOMPARE(display.Rows(), 0);
  QCOMPARE(seen.size(), size_t{3 * kBlockCount});  // every step of every keyboard
  for (int row = 0; row < 3; ++row)
    QVERIFY(std::any_of(seen.begin(), seen.end(), [row](const QStringList& p) { return p[row] == "100%"; }));
  QCOMPARE(rig.ui.messages, std::vector<std::string>{"The template was written into all 3 keyboards."});
  for (int n = 1; n <= 3; ++n) QVERIFY(rig.Keyboard(n) == rig.doc.MemoryImage());
  QVERIFY(!HasInk(rig.view.grab().toImage(), QRect(200, 438, 250, 16)));
}

void TransferManyTest::manyRowsScrollInsideTheView_data() {
  QTest::addColumn<int>("keyboards");
  QTest::addColumn<QSize>("view");
  QTest::newRow("3 in the smallest view") << 3 << QSize(760, 420);
  QTest::newRow("16 in 1024 x 740") << 16 << QSize(1024, 640);
  QTest::newRow("16 maximised on 1920 x 1080") << 16 << QSize(1920, 990);
}

// Rows that would reach below the view sit in a list that scrolls: the
// warning line stays inside the view and every row can be scrolled to.
void TransferManyTest::manyRowsScrollInsideTheView() {
  QFETCH(int, keyboards);
  QFETCH(QSize, view);
  FleetRig rig(keyboards, /*gated=*/true);
  rig.view.resize(view);
  QVERIFY(rig.Choose());
  rig.ui.keyboardAnswers.push_back(UserInterface::kAllKeyboards);
  TransferProgressDisplay& display = rig.commands.Progress();
  display.Place(rig.view.ToDevice(TransferProgressDisplay::LogicalOrigin()), rig.view.height(),
                rig.view.Zoom().Scale());
  rig.commands.WriteIntoKeyboard();
  QTRY_COMPARE(rig.gate.Waiting(), keyboards);
  QCOMPARE(display.Rows(), keyboards);
  QVERIFY2(display.geometry().bottom() < rig.view.height(),
           qPrintable(QStringLiteral("display reaches y = %1").arg(display.geometry().bottom())));
  const QImage during = rig.view.grab().toImage();
  const QRect warning(display.x(), display.geometry().bottom() - 16, 250, 16);
  QVERIFY(HasInk(during, warning));
  QScrollArea* list = display.RowList();
  for (int row = 0; row < keyboards; ++row) {
    list->ensureWidgetVisible(display.Bar(row), 0, 0);
    const QRect shown(display.Bar(row)->mapTo(list->viewport(), QPoint(0, 0)), display.Bar(row)->size());
    QVERIFY2(list->viewport()->rect().contains(shown), qPrintable(QStringLiteral("row %1").arg(row)));
  }
  rig.gate.Open();
  QTRY_VERIFY_WITH_TIMEOUT(!rig.commands.TransferRunning(), 20000);
}

// A keyboard unplugged half-way: the others are written, the message names
// each keyboard that failed with its own text.
void TransferManyTest::writeIntoAllKeepsEachKeyboardsResult() {
  FleetRig rig(3);
  rig.sim->Emulator(1).Faults().unplugAtBlock = 30;
  QVERIFY(rig.Choose());
  rig.ui.keyboardAnswers.push_back(UserInterface::kAllKeyboards);
  QVERIFY(rig.Run(&KeyboardCommands::WriteIntoKeyboard));
  QCOMPARE(rig.ui.messages.size(), size_t{1});
  const std::string expected = "The template was written into 2 of 3 keyboards:\nPX2400U   serial kb2   " +
                               rig.sim->HidPath(1) + ": " + msg::FormatMessage(msg::kDataWrittenError, 30) +
                               " " + std::string(msg::kPartlyWritten);
  QCOMPARE(rig.ui.messages.front(), expected);
  QCOMPARE(rig.ui.messageKinds.front(), MessageKind::Warning);
  QVERIFY(rig.Keyboard(1) == rig.doc.MemoryImage());
  QVERIFY(rig.Keyboard(3) == rig.doc.MemoryImage());
  QVERIFY(std::equal(rig.Keyboard(2).begin(), rig.Keyboard(2).begin() + 30 * kBlockSize,
                     rig.doc.MemoryImage().begin()));
  QCOMPARE(rig.view.State().selectedPosition, 0);
}

// The real dialog: one entry per keyboard, "All connected keyboards" for Write
// only, the first entry selected.
void TransferManyTest::chooserListsTheKeyboards() {
  const std::vector<KeyboardDevice> keyboards = {{"/dev/hidraw3", "PX2400U", "A0001"},
                                                 {"/dev/hidraw5", "PX2400U", ""}};
  CSelectConnectedKeyboard read(keyboards, false);
  QCOMPARE(read.List()->count(), 2);
  QCOMPARE(read.List()->item(0)->text(), QStringLiteral("PX2400U   serial A0001   /dev/hidraw3"));
  QCOMPARE(read.List()->item(1)->text(), QStringLiteral("PX2400U   no serial number   /dev/hidraw5"));
  QCOMPARE(read.Choice(), 0);
  // On the progress display the serial number is name enough.
  QCOMPARE(CSelectConnectedKeyboard::ShortName(keyboards[0]), QStringLiteral("PX2400U   serial A0001"));
  QCOMPARE(CSelectConnectedKeyboard::ShortName(keyboards[1]),
           QStringLiteral("PX2400U   no serial number   /dev/hidraw5"));
  CSelectConnectedKeyboard write(keyboards, true);
  QCOMPARE(write.List()->count(), 3);
  QCOMPARE(write.List()->item(2)->text(), QStringLiteral("All connected keyboards"));
  write.List()->setCurrentRow(2);
  QCOMPARE(write.Choice(), UserInterface::kAllKeyboards);
  write.List()->setCurrentRow(1);
  QCOMPARE(write.Choice(), 1);
}

QTEST_MAIN(TransferManyTest)
#include "tst_transfer_many.moc"
