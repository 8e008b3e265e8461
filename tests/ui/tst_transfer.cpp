// Read From KB and Write Into KB in the editor, on both ports, against the
// simulated keyboard with virtual waits: the port choice, the document and
// view afterwards, every message, and the progress display as it is drawn.
#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "app/CMainFrame.h"
#include "app/CVEXAApp.h"
#include "base/Messages.h"
#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/DocumentCommands.h"
#include "commands/UndoHistory.h"
#include "device/EmulatedPlatform.h"
#include "device/ui/CKeyCodeOutView.h"
#include "device/ui/CSelectPort.h"
#include "device/ui/KeyboardCommands.h"
#include "device/ui/TransferProgressDisplay.h"
#include "document/CVEXADoc.h"
#include "document/KeyContent.h"
#include "document/SettingsStore.h"
#include "emulator/SimulatedKeyboard.h"
#include "emulator/VirtualClock.h"
#include "support/GateClock.h"
#include "support/PtyKeyboardServer.h"
#include "support/ScriptedUserInterface.h"
#include "view/ui/CVEXAView.h"

using namespace vexa;

Q_DECLARE_METATYPE(std::optional<PortKind>)

namespace {

struct Rig {
  QTemporaryDir dir;
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  CVEXADoc doc{settings, "."};
  CVEXAView view{doc, ui};
  SimulatedKeyboard sim{dir.filePath(QStringLiteral("kb.bin")).toStdString()};
  VirtualClock clock;
  KeyboardCommands commands{doc, view, ui, settings};
  DocumentEvents events;
  UndoHistory history{doc, view.State(), events};
  PortKind port;

  explicit Rig(PortKind kind) : port(kind) {
    if (!sim.Load().ok) qFatal("simulated keyboard file");
    doc.NewTemplate();
    view.State().ResetForInitialUpdate(doc);
    view.resize(800, 600);
    view.show();
    sim.Emulator().SetClock(&clock);
    commands.SetEnvironment(DeviceEnvironment{&sim.Hid(), &sim, &clock, {}, {}});
    commands.SetHistory(&history);
  }
  // Every test fails when the host broke the keyboard's protocol.
  ~Rig() {
    for (const std::string& v : sim.Hid().Violations())
      QTest::qFail(("protocol violation: " + v).c_str(), __FILE__, __LINE__);
  }
  bool Choose() {
    ui.portAnswers.push_back(port);
    return commands.ChoosePort(view.State());
  }
  // Selects a layout position as a click would.
  void Select(int position) {
    ViewState& s = view.State();
    s.selectedPosition = position;
    s.selectedKey = doc.KeyMap()[static_cast<size_t>(position)];
  }
  std::string& SelectedContent() { return doc.Content(view.State().selectedKey); }
  Image& Keyboard() { return sim.Emulator().Memory(); }
  // The command, then the event loop until its transfer (if one started) has
  // ended and been finished on this thread.
  [[nodiscard]] bool Write() { return Run(&KeyboardCommands::WriteIntoKeyboard); }
  [[nodiscard]] bool Read() { return Run(&KeyboardCommands::ReadFromKeyboard); }
  bool Run(void (KeyboardCommands::*command)()) {
    (commands.*command)();
    return QTest::qWaitFor([this] { return !commands.TransferRunning(); }, 20000);
  }
  // Makes every attempt at `block` fail on this port's read path.
  void FailReadsAt(int block) {
    KeyboardFaults& f = sim.Emulator().Faults();
    if (port == PortKind::kPs2)
      f.badChecksumBlock = block, f.badChecksumCount = -1;
    else
      f.failReadBlock = block, f.failReadCount = -1;
  }
};

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

bool HasInk(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 100) return true;
  return false;
}

void AddPorts() {
  QTest::addColumn<PortKind>("port");
  QTest::newRow("PS/2") << PortKind::kPs2;
  QTest::newRow("USB") << PortKind::kUsb;
}

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT
 private slots:
  void portChoice_data();
  void portChoice();
  void cancelledPortChoiceEndsTheProgramQuietly();
  void unusableSimulatedKeyboardEndsWithAnError();
  void writeSendsTheImage_data() { AddPorts(); }
  void writeSendsTheImage();
  void writeChecksOnlyTheSelectedKey_data() { AddPorts(); }
  void writeChecksOnlyTheSelectedKey();
  void writeFailureNamesTheBlock_data() { AddPorts(); }
  void writeFailureNamesTheBlock();
  void readTakesTheKeyboardImage_data() { AddPorts(); }
  void readTakesTheKeyboardImage();
  void failedReadLeavesTheDocumentAlone_data() { AddPorts(); }
  void failedReadLeavesTheDocumentAlone();
  void unpluggedKeyboardLeavesTheDocumentAlone_data();
  void unpluggedKeyboardLeavesTheDocumentAlone();
  void writeRefusesKeyDataThatDoNotFit_data() { AddPorts(); }
  void writeRefusesKeyDataThatDoNotFit();
  void usbKeyboardPluggedInAfterStartIsUsed();
  void usbDiagnosticsOnlyWhenAskedFor();
  void progressIsDrawnDuringTheTransfer_data() { AddPorts(); }
  void progressIsDrawnDuringTheTransfer();
  void theWindowLivesAndDropsInputDuringATransfer_data() { AddPorts(); }
  void theWindowLivesAndDropsInputDuringATransfer();
  void ps2DeviceReachesTheKeyboard();
  void missingPs2DeviceEndsTheProgramWithItsCause();
  void progressTextIsProportional();
  void portDialogOffersTheLastChoice();
  void dontAskAtStartRemembersThePort();
  void missingDriverIsAStop();
  void writeEndsWithAStatusLine_data() { AddPorts(); }
  void writeEndsWithAStatusLine();
  void readAsksAboutUnsavedWork_data();
  void readAsksAboutUnsavedWork();
};

void TransferTest::portChoice_data() {
  QTest::addColumn<std::optional<PortKind>>("answer");
  QTest::addColumn<QString>("fault");
  QTest::addColumn<bool>("keepsRunning");
  QTest::addColumn<QString>("portName");
  QTest::addColumn<QString>("message");
  const QString none;
  QTest::newRow("PS/2") << std::optional(PortKind::kPs2) << none << true << "PS2" << none;
  QTest::newRow("USB found") << std::optional(PortKind::kUsb) << none << true << "USB" << none;
  QTest::newRow("USB not found") << std::optional(PortKind::kUsb) << "absent" << true << "USB"
                                 << QString::fromLatin1(msg::kNoKeyboardConnected.data());
  QTest::newRow("USB not permitted") << std::optional(PortKind::kUsb) << "denied" << true << "USB"
                                     << QString::fromLatin1(msg::kKeyboardNotPermitted.data());
  // Cancel opens the editor without a port (Read and Write ask first).
  QTest::newRow("Cancel") << std::optional<PortKind>() << none << true << "" << none;
}

void TransferTest::portChoice() {
  QFETCH(std::optional<PortKind>, answer);
  QFETCH(QString, fault);
  QFETCH(bool, keepsRunning);
  QFETCH(QString, portName);
  QFETCH(QString, message);
  Rig rig(PortKind::kPs2);
  if (fault == "absent") rig.sim.Emulator().Faults().absent = true;
  if (fault == "denied")
    for (auto& iface : rig.sim.Hid().Interfaces())
      if (iface.isKeyboard) iface.openError = HidOpenError::kPermissionDenied;
  rig.ui.portAnswers.push_back(answer);

  QCOMPARE(rig.commands.ChoosePort(rig.view.State()), keepsRunning);
  QCOMPARE(rig.ui.portChoosers, 1);
  QCOMPARE(QString::fromStdString(rig.view.State().portName), portName);
  if (message.isEmpty()) {
    QVERIFY(rig.ui.messages.empty());
  } else {
    QCOMPARE(rig.ui.messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(rig.ui.messages.front()), message);
  }
  if (!keepsRunning) QCOMPARE(rig.commands.ExitStatus(), 0);
  // Asked once per run.
  QVERIFY(rig.commands.ChoosePort(rig.view.State()) || !keepsRunning);
  QCOMPARE(rig.ui.portChoosers, keepsRunning ? 1 : 2);
}

void TransferTest::cancelledPortChoiceEndsTheProgramQuietly() {
  // The name is historical: Cancel no longer ends the program. The editor
  // starts without a port, quietly; the first transfer asks for one.
  QTemporaryDir dir;
  StartupOptions options;
  options.simulatedKeyboardFile = dir.filePath(QStringLiteral("kb.bin")).toStdString();
  MemorySettingsStore settings;
  ScriptedUserInterface ui;  // no answer: the port dialog is cancelled
  CVEXAApp app(settings, ui, dir.path().toStdString());
  QCOMPARE(app.Start(options), StartResult::Ok);
  QCOMPARE(ui.portChoosers, 1);
  QVERIFY(ui.messages.empty());
  QCOMPARE(app.View().State().portName, std::string());

  app.Keyboard().ReadFromKeyboard();  // cancelled again: nothing happens
  QCOMPARE(ui.portChoosers, 2);
  QVERIFY(!app.Keyboard().TransferRunning());
  QVERIFY(ui.messages.empty());

  qputenv("VEXA_SIM_NO_WAITS", "1");
  ui.portAnswers.push_back(PortKind::kUsb);
  app.Document().Content(app.View().State().selectedKey) = "usb";
  app.Keyboard().WriteIntoKeyboard();
  QCOMPARE(ui.portChoosers, 3);
  QVERIFY(QTest::qWaitFor([&] { return !app.Keyboard().TransferRunning(); }, 20000));
  qunsetenv("VEXA_SIM_NO_WAITS");
  QCOMPARE(app.View().State().portName, std::string("USB"));
  QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.front().c_str());
  QFile written(dir.filePath(QStringLiteral("kb.bin")));
  QVERIFY(written.open(QIODevice::ReadOnly));
  QVERIFY(written.readAll().contains(QByteArray("usb\0", 4)));
}

void TransferTest::unusableSimulatedKeyboardEndsWithAnError() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("short.bin"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("12345");
  file.close();
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  ui.portAnswers.push_back(PortKind::kUsb);
  CVEXAApp app(settings, ui, ".");
  StartupOptions options;
  options.simulatedKeyboardFile = path.toStdString();
  QCOMPARE(app.Start(options), StartResult::PortFailed);
  QCOMPARE(ui.messages.size(), size_t{1});
  QCOMPARE(ui.messages.front(),
           msg::FormatMessage(msg::kSimKeyboardWrongSize, path.toStdString().c_str(), 5));
}

void TransferTest::writeSendsTheImage() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  rig.Select(3);
  rig.SelectedContent() = "abc";
  rig.view.State().cursor = 2;
  rig.view.State().caretColumn = 2;
  rig.doc.SetModified(true);

  QVERIFY(rig.Write());

  QVERIFY2(rig.ui.messages.empty(), rig.ui.messages.empty() ? "" : rig.ui.messages.front().c_str());
  QVERIFY(rig.Keyboard() == rig.doc.MemoryImage());
  const std::string memory(rig.Keyboard().begin(), rig.Keyboard().end());
  QVERIFY(memory.find(std::string("abc\0", 4)) != std::string::npos);
  QVERIFY(rig.doc.IsModified());             // a write leaves the modified flag alone
  QVERIFY(rig.ui.keyboardChoosers.empty());  // one keyboard: nothing asked
  const ViewState& s = rig.view.State();
  QCOMPARE(s.selectedPosition, 0);
  QCOMPARE(s.selectedKey, rig.doc.KeyMap()[0]);
  QCOMPARE(s.cursor, 0);
  QCOMPARE(s.caretColumn, 0);
  QVERIFY(!rig.commands.Progress().isVisible());
}

void TransferTest::writeChecksOnlyTheSelectedKey() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  const Image before = rig.Keyboard();
  rig.Select(2);
  rig.SelectedContent() = "[NoSuchWord]";
  rig.view.State().cursor = 4;

  QVERIFY(rig.Write());
  QCOMPARE(rig.ui.messages.size(), size_t{1});
  QCOMPARE(rig.ui.messages.front(),
           std::string(msg::kWrongKeyWord) + "\n" +
               msg::FormatMessage(msg::kKeyWordUnknown, rig.doc.KeyName(rig.view.State().selectedKey).c_str(),
                                  "[NoSuchWord]"));
  QCOMPARE(rig.sim.Emulator().BlocksWritten(), 0);
  QVERIFY(rig.Keyboard() == before);
  QCOMPARE(rig.view.State().selectedPosition, 2);  // nothing started, nothing reset
  QCOMPARE(rig.view.State().cursor, 4);

  // The same invalid content on a key that is not selected doesn't stop the write.
  rig.ui.messages.clear();
  rig.Select(5);
  rig.SelectedContent() = "ok";
  QVERIFY(rig.Write());
  QVERIFY(rig.ui.messages.empty());
  QCOMPARE(rig.sim.Emulator().BlocksWritten(), kBlockCount);
}

void TransferTest::writeFailureNamesTheBlock() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  rig.sim.Emulator().Faults().failWriteBlock = 10;
  rig.sim.Emulator().Faults().failWriteCount = -1;
  rig.Select(4);

  QVERIFY(rig.Write());
  QCOMPARE(rig.ui.messages.size(), size_t{1});
  QCOMPARE(rig.ui.messages.front(), KeyboardTransfer::WriteFailedMessage(10));
  if (port == PortKind::kPs2) QCOMPARE(rig.sim.Emulator().EndWrites(), 1);  // the keyboard is told anyway
  QCOMPARE(rig.view.State().selectedPosition, 0);
  QVERIFY(!rig.commands.Progress().isVisible());
}

void TransferTest::readTakesTheKeyboardImage() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  // The keyboard holds a template with a scan code key at position 0.
  MemorySettingsStore otherSettings;
  CVEXADoc other(otherSettings, ".");
  other.NewTemplate();
  const int first = other.KeyMap()[0];
  const int third = other.KeyMap()[3];
  other.Content(first) = "[F1]";
  other.Content(third) = "hello";
  QVERIFY(IsScanCodeContent(other.Content(first)) && !IsAsciiContent(other.Content(first)));
  other.BuildImage();
  rig.Keyboard() = other.MemoryImage();
  rig.Select(3);
  rig.SelectedContent() = "ab";
  rig.view.State().cursor = 1;

  QVERIFY(rig.Read());

  QVERIFY(rig.ui.messages.empty());
  QVERIFY(rig.doc.MemoryImage() == other.MemoryImage());
  QCOMPARE(rig.doc.Content(first), std::string("[F1]"));
  QCOMPARE(rig.doc.Content(third), std::string("hello"));
  QCOMPARE(rig.doc.DefinedFlags()[static_cast<size_t>(third)], 1);
  QCOMPARE(rig.doc.BlankFlags()[static_cast<size_t>(third)], 0);
  QCOMPARE(rig.doc.BlankFlags()[static_cast<size_t>(other.KeyMap()[1])], 1);
  QVERIFY(rig.doc.IsModified());  // the template is no longer the one saved
  QCOMPARE(rig.ui.statusLines, std::vector<std::string>{std::string(msg::kReadFromKeyboard)});
  const ViewState& s = rig.view.State();
  QCOMPARE(s.selectedPosition, 0);
  QCOMPARE(s.cursor, 0);
  QVERIFY(!s.SelectedIsAscii());  // the selected key's mode follows its new content

  // The read is one step: Undo gives back the template and the selection.
  QCOMPARE(rig.history.StepCount(), size_t{1});
  QVERIFY(rig.history.Undo());
  QCOMPARE(rig.doc.Content(first), std::string());
  QCOMPARE(rig.doc.Content(third), std::string("ab"));
  QCOMPARE(s.selectedPosition, 3);
  QCOMPARE(s.cursor, 1);
}

void TransferTest::failedReadLeavesTheDocumentAlone() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  rig.Select(6);
  rig.SelectedContent() = "unsaved work";
  rig.doc.DefinedFlags()[static_cast<size_t>(rig.view.State().selectedKey)] = 0;
  rig.doc.SetModified(true);
  (void)rig.doc.SpaceLeft();  // the blank flags as the view's next paint refreshes them
  const KeyContents contents = rig.doc.Contents();
  const Image image = rig.doc.MemoryImage();
  const auto blank = rig.doc.BlankFlags();
  const auto defined = rig.doc.DefinedFlags();
  rig.Keyboard().fill(0x41);
  rig.FailReadsAt(5);

  QVERIFY(rig.Read());

  QCOMPARE(rig.ui.messages.size(), size_t{1});
  QCOMPARE(rig.ui.messages.front(), msg::FormatMessage(msg::kDataReadError, 5));
  QVERIFY(rig.doc.Contents() == contents);
  QVERIFY(rig.doc.MemoryImage() == image);
  QVERIFY(rig.doc.BlankFlags() == blank);
  QVERIFY(rig.doc.DefinedFlags() == defined);
  QVERIFY(rig.doc.IsModified());
  QCOMPARE(rig.view.State().selectedPosition, 0);
  QCOMPARE(rig.history.StepCount(), size_t{0});  // nothing of the template changed
}

void TransferTest::unpluggedKeyboardLeavesTheDocumentAlone_data() {
  QTest::addColumn<PortKind>("port");
  QTest::addColumn<int>("block");
  QTest::addColumn<bool>("write");
  for (PortKind port : {PortKind::kPs2, PortKind::kUsb})
    for (int block : {0, 63})
      for (bool write : {false, true})
        QTest::addRow("%s block %d %s", port == PortKind::kPs2 ? "PS/2" : "USB", block,
                      write ? "write" : "read")
            << port << block << write;
}

// The keyboard is unplugged in the middle of a transfer. A failed read keeps
// the template exactly as it was; a failed write keeps it but for what
// building the image for the write does, and neither touches the modified flag.
void TransferTest::unpluggedKeyboardLeavesTheDocumentAlone() {
  QFETCH(PortKind, port);
  QFETCH(int, block);
  QFETCH(bool, write);
  Rig rig(port);
  QVERIFY(rig.Choose());
  rig.Keyboard().fill(0x41);
  rig.Select(6);
  rig.SelectedContent() = "unsaved work";
  rig.doc.Content(121) = "lock";  // the PX2400 KeyLock, whose twin the build makes equal
  rig.doc.DefinedFlags()[static_cast<size_t>(rig.view.State().selectedKey)] = 0;
  rig.doc.MemoryImage()[offs::kInterCharDelay] = 9;  // a setting changed by its dialog
  rig.doc.SetModified(true);
  (void)rig.doc.SpaceLeft();  // the blank flags as the view's next paint refreshes them
  const KeyContents contents = rig.doc.Contents();
  const Image image = rig.doc.MemoryImage();
  const auto blank = rig.doc.BlankFlags();
  const auto defined = rig.doc.DefinedFlags();
  rig.sim.Emulator().Faults().unplugAtBlock = block;

  if (write)
    QVERIFY(rig.Write());
  else
    QVERIFY(rig.Read());

  QCOMPARE(rig.ui.messages.size(), size_t{1});
  QCOMPARE(rig.ui.messages.front(), write ? KeyboardTransfer::WriteFailedMessage(block)
                                          : msg::FormatMessage(msg::kDataReadError, block));
  if (write) {
    MemorySettingsStore twinSettings;
    CVEXADoc twin(twinSettings, ".");
    twin.NewTemplate();
    twin.Contents() = contents;
    twin.MemoryImage() = image;
    twin.BuildImage();
    QVERIFY(rig.doc.Contents() == twin.Contents());
    QVERIFY(rig.doc.MemoryImage() == twin.MemoryImage());
    QCOMPARE(int(rig.doc.MemoryImage()[offs::kInterCharDelay]), 9);
    // The blank flags follow the built contents (the twin key) once painted.
    (void)twin.SpaceLeft();
    (void)rig.doc.SpaceLeft();
    QVERIFY(rig.doc.BlankFlags() == twin.BlankFlags());
  } else {
    QVERIFY(rig.doc.Contents() == contents);
    QVERIFY(rig.doc.MemoryImage() == image);
    QVERIFY(rig.doc.BlankFlags() == blank);
  }
  QVERIFY(rig.doc.DefinedFlags() == defined);
  QVERIFY(rig.doc.IsModified());
  QVERIFY(!rig.commands.Progress().isVisible());
}

// Key data too long for the keyboard's memory: the build would drop the keys
// that overflow, so the write is refused before anything is sent, as a save is.
void TransferTest::writeRefusesKeyDataThatDoNotFit() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  const Image before = rig.Keyboard();
  for (int k = 0; k < 20; ++k)
    rig.doc.Content(rig.doc.KeyMap()[static_cast<size_t>(k)]) = std::string(100, 'x');
  const std::string refusal = rig.doc.CheckKeyDataFits();
  QVERIFY(!refusal.empty());
  const Image image = rig.doc.MemoryImage();
  rig.Select(3);

  QVERIFY(rig.Write());
  QCOMPARE(rig.ui.messages, std::vector<std::string>{refusal});
  QCOMPARE(rig.sim.Emulator().BlocksWritten(), 0);
  QVERIFY(rig.Keyboard() == before);
  QVERIFY(rig.doc.MemoryImage() == image);
  QCOMPARE(rig.view.State().selectedPosition, 3);  // nothing started, nothing reset
}

// Missing at start: reported then and by each transfer command while it is
// missing; plugged in later, the next command finds it without a restart.
void TransferTest::usbKeyboardPluggedInAfterStartIsUsed() {
  Rig rig(PortKind::kUsb);
  rig.sim.Emulator().Faults().absent = true;
  QVERIFY(rig.Choose());
  rig.Select(2);
  QVERIFY(rig.Read());
  QVERIFY(rig.Write());
  const std::string missing(msg::kNoKeyboardConnected);
  QCOMPARE(rig.ui.messages, (std::vector<std::string>{missing, missing, missing}));
  QCOMPARE(rig.sim.Emulator().BlocksWritten(), 0);
  QCOMPARE(rig.view.State().selectedPosition, 2);

  rig.sim.Emulator().Faults().absent = false;
  QVERIFY(rig.Write());
  QCOMPARE(rig.ui.messages.size(), size_t{3});
  QCOMPARE(rig.sim.Emulator().BlocksWritten(), kBlockCount);
  QVERIFY(rig.Keyboard() == rig.doc.MemoryImage());
}

namespace {
QStringList g_logged;
void Collect(QtMsgType, const QMessageLogContext& context, const QString& text) {
  if (QByteArray(context.category) == "vexa.usb") g_logged << text;
}
}  // namespace

void TransferTest::usbDiagnosticsOnlyWhenAskedFor() {
  g_logged.clear();
  const QtMessageHandler previous = qInstallMessageHandler(Collect);
  {
    Rig quiet(PortKind::kUsb);
    QVERIFY(quiet.Choose());
  }
  QVERIFY(g_logged.isEmpty());  // off by default
  QLoggingCategory::setFilterRules(QStringLiteral("vexa.usb.debug=true"));
  {
    Rig verbose(PortKind::kUsb);
    QVERIFY(verbose.Choose());
  }
  QLoggingCategory::setFilterRules(QString());
  qInstallMessageHandler(previous);
  QVERIFY(!g_logged.isEmpty());
  QVERIFY(g_logged.front().startsWith(QStringLiteral("DetectHIDDevice: HidDevice = ")));
  for (const QString& line : g_logged) QVERIFY(!line.endsWith(QLatin1Char('\n')));
}

void TransferTest::progressIsDrawnDuringTheTransfer() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  TransferProgressDisplay& progress = rig.commands.Progress();
  QStringList percents;
  QImage first, last;
  bool visibleEveryStep = true;
  progress.SetStepObserver([&](int block) {
    percents << progress.Percent();
    visibleEveryStep =
        visibleEveryStep && progress.isVisible() && progress.Bar() && progress.Bar()->value() == block + 1;
    if (block == 0) first = rig.view.grab().toImage();
    if (block == kBlockCount - 1) last = rig.view.grab().toImage();
  });

  QVERIFY(rig.Read());

  QVERIFY(rig.ui.messages.empty());
  QCOMPARE(percents.size(), kBlockCount);
  QCOMPARE(percents.front(), QStringLiteral("1%"));
  QCOMPARE(percents[31], QStringLiteral("50%"));
  QCOMPARE(percents.back(), QStringLiteral("100%"));
  QVERIFY(visibleEveryStep);
  const QRect title(250, 360, 150, 16), warning(200, 398, 250, 16), percent(460, 380, 30, 16);
  QVERIFY(HasInk(first, title));
  QVERIFY(HasInk(first, warning));
  QVERIFY(HasInk(first, percent));
  // The bar fills from the left: empty after block 0, full after block 63.
  QVERIFY(first.pixel(440, 387) != last.pixel(440, 387));

  // Afterwards the view is itself again.
  QVERIFY(!progress.isVisible());
  QVERIFY(progress.Bar() == nullptr);
  const QImage after = rig.view.grab().toImage();
  QVERIFY(!HasInk(after, warning));
}

// The whole editor while a write stands still in the middle: the window
// repaints, keys typed and clicks go nowhere (neither now nor after the
// write), the commands that change the template, a second transfer, the
// output test and Exit are refused, and closing the window waits for the end.
void TransferTest::theWindowLivesAndDropsInputDuringATransfer() {
  QFETCH(PortKind, port);
  QTemporaryDir dir;
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  ui.portAnswers.push_back(port);
  SimulatedKeyboard sim(dir.filePath(QStringLiteral("kb.bin")).toStdString());
  QVERIFY(sim.Load().ok);
  GateClock clock;
  sim.Emulator().SetClock(&clock);
  CVEXAApp app(settings, ui, dir.path().toStdString());
  app.Keyboard().SetEnvironment(DeviceEnvironment{&sim.Hid(), &sim, &clock, {}, {}});
  QCOMPARE(app.Start({}), StartResult::Ok);
  app.Show();
  CVEXADoc& doc = app.Document();
  CVEXAView& view = app.View();
  const int key0 = doc.KeyMap()[0];
  doc.Content(key0) = "ab";
  doc.SetModified(true);
  view.State().selectedPosition = 3;
  view.State().selectedKey = doc.KeyMap()[3];
  PaintCounter counter;
  view.installEventFilter(&counter);

  app.Frame().Dispatch(cmd::kWriteIntoKeyboard);
  QTRY_VERIFY(clock.Holding());
  QTRY_VERIFY(app.Keyboard().Progress().isVisible());

  // Repaints: the event loop runs.
  const int paints = counter.paints;
  view.update();
  QTRY_VERIFY(counter.paints > paints);

  // Dropped input: keys for the selected key and for key 0, a click on key 5.
  QTest::keyClicks(&view, QStringLiteral("qqq"));
  const KeyRect& r = doc.KeyRects()[5];
  QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(r.left + r.width / 2, r.top + r.height / 2));
  QCOMPARE(view.State().selectedPosition, 3);
  QCOMPARE(doc.Content(doc.KeyMap()[3]), std::string());

  // One place refuses the commands, for menus, toolbar and accelerators alike.
  for (int id : {cmd::kNew, cmd::kLoad, cmd::kSave, cmd::kImportText, cmd::kModelDV3500, cmd::kClearKey,
                 cmd::kInsertCaps, cmd::kConfigKeyboard, cmd::kReadFromKeyboard, cmd::kWriteIntoKeyboard,
                 cmd::kKeyboardOutput, cmd::kExit}) {
    QVERIFY2(!app.Router().IsEnabled(id), std::to_string(id).c_str());
    QVERIFY2(!app.Frame().Action(id)->isEnabled(), std::to_string(id).c_str());
  }
  for (int id : {cmd::kAbout, cmd::kKeyWordList, cmd::kToggleToolbar}) QVERIFY(app.Router().IsEnabled(id));
  app.Frame().Dispatch(cmd::kKeyboardOutput);
  QVERIFY(!app.OutputTest().IsActive());
  app.Frame().Dispatch(cmd::kClearKey);
  app.Frame().Dispatch(cmd::kWriteIntoKeyboard);  // no second transfer
  QVERIFY(ui.messages.empty());

  // Closing waits for the end of the write, then asks about the changes.
  QVERIFY(!app.Frame().close());
  QVERIFY(app.Frame().isVisible());
  QVERIFY(ui.saveQuestions.empty());
  ui.saveAnswers.push_back(SaveAnswer::No);

  clock.Open();
  QTRY_VERIFY_WITH_TIMEOUT(!app.Frame().isVisible(), 20000);
  QCOMPARE(ui.saveQuestions.size(), size_t{1});
  QVERIFY(ui.messages.empty());
  QVERIFY(!app.Keyboard().TransferRunning());
  QVERIFY(!view.InputBlocked());
  QCoreApplication::processEvents();  // nothing was queued to arrive now
  QCOMPARE(doc.Content(key0), std::string("ab"));
  QCOMPARE(doc.Content(doc.KeyMap()[3]), std::string());
  QVERIFY(sim.Emulator().Memory() == doc.MemoryImage());
  QCOMPARE(view.State().selectedPosition, 0);  // the reset after the write
  QVERIFY(app.Router().IsEnabled(cmd::kWriteIntoKeyboard));
  QVERIFY(app.Frame().Action(cmd::kNew)->isEnabled());
  for (const std::string& v : sim.Hid().Violations()) QFAIL(("protocol violation: " + v).c_str());
}

// The editor started with --ps2-device: both transfers go through that node
// (a pseudo-terminal served by the keyboard emulator) and nowhere else.
void TransferTest::ps2DeviceReachesTheKeyboard() {
  qputenv("VEXA_SIM_NO_WAITS", "1");
  qputenv("VEXA_SIM_PS2_BYTE_MS", "1000");  // the emulator is a thread a busy machine may run late
  KeyboardEmulator keyboard{Image{}};
  PtyKeyboardServer server(keyboard);
  QVERIFY(!server.NodePath().empty());
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  ui.portAnswers.push_back(PortKind::kPs2);
  CVEXAApp app(settings, ui, ".");
  StartupOptions options;
  options.ps2Device = server.NodePath();
  QCOMPARE(app.Start(options), StartResult::Ok);
  QCOMPARE(app.View().State().portName, std::string("PS2"));
  QCOMPARE(app.Keyboard().Connection()->SystemKind(), 1);

  app.Document().Content(app.View().State().selectedKey) = "ps2";
  app.Keyboard().WriteIntoKeyboard();
  QVERIFY(QTest::qWaitFor([&] { return !app.Keyboard().TransferRunning(); }, 20000));
  QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.front().c_str());
  server.WithKeyboard([&](KeyboardEmulator& k) {
    QVERIFY(k.Memory() == app.Document().MemoryImage());
    QCOMPARE(k.EndWrites(), 1);
  });

  app.Document().Content(app.View().State().selectedKey) = "edited";
  app.Keyboard().ReadFromKeyboard();
  QVERIFY(QTest::qWaitFor([&] { return !app.Keyboard().TransferRunning(); }, 20000));
  QVERIFY(ui.messages.empty());
  QCOMPARE(app.Document().Content(app.View().State().selectedKey), std::string("ps2"));
  qunsetenv("VEXA_SIM_NO_WAITS");
  qunsetenv("VEXA_SIM_PS2_BYTE_MS");
}

void TransferTest::missingPs2DeviceEndsTheProgramWithItsCause() {
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  ui.portAnswers.push_back(PortKind::kPs2);
  CVEXAApp app(settings, ui, ".");
  StartupOptions options;
  options.ps2Device = "/nonexistent/serio_raw0";
  QCOMPARE(app.Start(options), StartResult::Cancelled);  // exit status 0, as the product ends
  QCOMPARE(ui.messages.size(), size_t{1});
  QCOMPARE(ui.messages.front(),
           msg::WithCauses(msg::kCannotOpenDriver,
                           {msg::FormatMessage(msg::kPs2DeviceCannotOpen, "/nonexistent/serio_raw0",
                                               "No such file or directory")}));
}

// The title and the warning line are sentences: a proportional face, 16
// pixels, normal weight.
void TransferTest::progressTextIsProportional() {
  Rig rig(PortKind::kUsb);
  const QFont& font = rig.commands.Progress().TextFont();
  QCOMPARE(font.pixelSize(), 16);
  QCOMPARE(font.weight(), QFont::Normal);
  QVERIFY(!font.fixedPitch());
  const QFontInfo shown(font);
  if (QFontDatabase::families().size() > 1) QVERIFY2(!shown.fixedPitch(), qPrintable(shown.family()));
}

// The port dialog opens with the port chosen at the last start (PS/2 the
// first time), in the real dialog as well.
void TransferTest::portDialogOffersTheLastChoice() {
  // Without a USB keyboard: the port chosen at the last start (PS/2 the first time).
  {
    Rig rig(PortKind::kPs2);
    rig.sim.Emulator().Faults().absent = true;
    const PortKind answers[] = {PortKind::kUsb, PortKind::kUsb, PortKind::kPs2, PortKind::kPs2};
    const PortKind offered[] = {PortKind::kPs2, PortKind::kUsb, PortKind::kUsb, PortKind::kPs2};
    for (size_t run = 0; run < std::size(answers); ++run) {
      ScriptedUserInterface ui;
      ui.portAnswers.push_back(answers[run]);
      KeyboardCommands commands(rig.doc, rig.view, ui, rig.settings);
      commands.SetEnvironment(DeviceEnvironment{&rig.sim.Hid(), &rig.sim, &rig.clock, {}, {}});
      QVERIFY(commands.ChoosePort(rig.view.State()));
      QCOMPARE(ui.portInitials, std::vector<PortKind>{offered[run]});
    }
  }
  // A USB keyboard connected: USB, whatever was chosen last time.
  QTemporaryDir dir;
  StartupOptions options;
  options.simulatedKeyboardFile = dir.filePath(QStringLiteral("kb.bin")).toStdString();
  MemorySettingsStore settings;
  for (const std::optional<PortKind> answer :
       {std::optional(PortKind::kPs2), std::optional(PortKind::kPs2), std::optional<PortKind>()}) {
    ScriptedUserInterface ui;
    ui.portAnswers.push_back(answer);
    CVEXAApp app(settings, ui, dir.path().toStdString());
    (void)app.Start(options);
    QCOMPARE(ui.portInitials, std::vector<PortKind>{PortKind::kUsb});
  }

  for (PortKind kind : {PortKind::kPs2, PortKind::kUsb}) {
    CSelectPort dialog(kind);
    QCOMPARE(dialog.Choice(), kind);
    QCOMPARE(dialog.PortList()->currentText(), kind == PortKind::kUsb ? "USB" : "PS/2");
  }
}

// "Don't ask at start": the next start takes the port without a dialog;
// Configuration > Communication Port... shows the box set and changes both.
void TransferTest::dontAskAtStartRemembersThePort() {
  Rig rig(PortKind::kUsb);
  rig.ui.portAnswers.push_back(PortKind::kUsb);
  rig.ui.portDontAskAnswers.push_back(true);
  QVERIFY(rig.commands.ChoosePort(rig.view.State()));
  QCOMPARE(rig.ui.portDontAskShown, std::vector<bool>{false});

  ScriptedUserInterface ui;  // the next start
  KeyboardCommands commands(rig.doc, rig.view, ui, rig.settings);
  commands.SetEnvironment(DeviceEnvironment{&rig.sim.Hid(), &rig.sim, &rig.clock, {}, {}});
  rig.view.State().portName.clear();
  QVERIFY(commands.ChoosePort(rig.view.State()));
  QCOMPARE(ui.portChoosers, 0);
  QCOMPARE(rig.view.State().portName, std::string("USB"));

  CommandRouter router;
  commands.Register(router);
  ui.portAnswers.push_back(PortKind::kPs2);  // and the box cleared
  QVERIFY(router.IsEnabled(cmd::kCommunicationPort));
  (void)router.Execute(cmd::kCommunicationPort);
  QCOMPARE(ui.portInitials, std::vector<PortKind>{PortKind::kUsb});
  QCOMPARE(ui.portDontAskShown, std::vector<bool>{true});
  QCOMPARE(rig.view.State().portName, std::string("PS2"));
  QVERIFY(commands.UsbInUse() == false);

  ScriptedUserInterface third;  // asked again
  KeyboardCommands again(rig.doc, rig.view, third, rig.settings);
  again.SetEnvironment(DeviceEnvironment{&rig.sim.Hid(), &rig.sim, &rig.clock, {}, {}});
  third.portAnswers.push_back(PortKind::kPs2);
  QVERIFY(again.ChoosePort(rig.view.State()));
  QCOMPARE(third.portInitials, std::vector<PortKind>{PortKind::kUsb});  // the keyboard is connected
}

// Without the driver device the program cannot go on: the message has the
// stop icon.
void TransferTest::missingDriverIsAStop() {
  Rig rig(PortKind::kPs2);
  EmulatedPlatform platform(rig.sim.Emulator());
  platform.direct = false;
  platform.driverPresent = false;
  rig.commands.SetEnvironment(DeviceEnvironment{&rig.sim.Hid(), &platform, &rig.clock, {}, {}});
  QVERIFY(!rig.Choose());
  QCOMPARE(rig.ui.messages, std::vector<std::string>{std::string(msg::kCannotOpenDriver)});
  QCOMPARE(rig.ui.messageKinds, std::vector<MessageKind>{MessageKind::Stop});
  QCOMPARE(rig.commands.ExitStatus(), 0);
}

void TransferTest::writeEndsWithAStatusLine() {
  QFETCH(PortKind, port);
  Rig rig(port);
  QVERIFY(rig.Choose());
  QVERIFY(rig.Write());
  QVERIFY(rig.ui.messages.empty());
  QCOMPARE(rig.ui.statusLines, std::vector<std::string>{std::string(msg::kWrittenIntoKeyboard)});
}

void TransferTest::readAsksAboutUnsavedWork_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("read");
  QTest::addColumn<bool>("saved");
  QTest::newRow("Yes saves, then reads") << int(SaveAnswer::Yes) << true << true;
  QTest::newRow("No reads") << int(SaveAnswer::No) << true << false;
  QTest::newRow("Cancel reads nothing") << int(SaveAnswer::Cancel) << false << false;
}

void TransferTest::readAsksAboutUnsavedWork() {
  QFETCH(int, answer);
  QFETCH(bool, read);
  QFETCH(bool, saved);
  Rig rig(PortKind::kUsb);
  DocumentCommands files(rig.doc, rig.settings, rig.ui, rig.events);
  rig.commands.SetSaveModifiedQuery([&files] { return files.SaveModified(); });
  QVERIFY(rig.Choose());
  rig.Select(3);
  rig.SelectedContent() = "unsaved";
  rig.doc.SetModified(true);
  rig.ui.saveAnswers.push_back(static_cast<SaveAnswer>(answer));
  const std::string path = rig.dir.filePath(QStringLiteral("work.bin")).toStdString();
  rig.ui.fileAnswers.push_back(path);

  QVERIFY(rig.Read());
  QCOMPARE(rig.ui.saveQuestions.size(), size_t{1});
  QCOMPARE(rig.doc.Content(rig.doc.KeyMap()[3]).empty(), read);  // the keyboard's key 3 is empty
  QCOMPARE(QFile::exists(QString::fromStdString(path)), saved);
}

QTEST_MAIN(TransferTest)
#include "tst_transfer.moc"
