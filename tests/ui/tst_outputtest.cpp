// The keyboard output test window: key names for real key events (as X11
// delivers them), the Quit box, reopening, and the key editor getting no key
// while the test is open.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QtTest>
#include <initializer_list>

#include "device/ui/CKeyCodeOutEdit.h"
#include "device/ui/CKeyCodeOutView.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/ScriptedUserInterface.h"
#include "view/ui/CVEXAView.h"
#include "view/ui/ViewKeyHandler.h"

using namespace vexa;

namespace {

// X11 key codes (Linux key code + 8) and key symbols.
struct XKey {
  quint32 code;
  quint32 sym;
  quint32 shiftedSym;
};
constexpr XKey kA{38, 'a', 'A'};
constexpr XKey kOne{10, '1', '!'};
constexpr XKey kTwo{11, '2', '@'};
constexpr XKey kShift{50, 0xffe1, 0xffe1};
constexpr XKey kCapsLock{66, 0xffe5, 0xffe5};
constexpr XKey kF1{67, 0xffbe, 0xffbe};
constexpr XKey kF6{72, 0xffc3, 0xffc3};
constexpr XKey kEnter{36, 0xff0d, 0xff0d};
constexpr XKey kPadEnter{104, 0xff8d, 0xff8d};
constexpr XKey kEsc{9, 0xff1b, 0xff1b};

constexpr quint32 kShiftMask = 0x01, kLockMask = 0x02;

struct Stroke {
  enum Kind { Press, Repeat, Release } kind;
  XKey key;
  quint32 modifiers = 0;  // X modifier state before the event
};

void Send(QWidget* target, const Stroke& s, quint64 timestamp = 0) {
  const bool press = s.kind != Stroke::Release;
  const quint32 sym = (s.modifiers & kShiftMask) ? s.key.shiftedSym : s.key.sym;
  QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, 0, Qt::NoModifier, s.key.code, sym,
                  s.modifiers, QString(), s.kind == Stroke::Repeat);
  event.setTimestamp(timestamp);
  QApplication::sendEvent(target, &event);
}

class CountingKeyHandler : public ViewKeyHandler {
 public:
  bool KeyPress(QKeyEvent&) override { return ++presses, true; }
  bool KeyRelease(QKeyEvent&) override { return ++releases, true; }
  int presses = 0, releases = 0;
};

struct Rig {
  Rig() {
    doc.NewTemplate();
    view.State().ResetForInitialUpdate(doc);
    view.SetKeyHandler(&editor);
    view.resize(800, 600);
    view.show();
  }
  void Type(std::initializer_list<Stroke> strokes) {
    for (const Stroke& s : strokes) Send(&view, s);
  }
  QString Text() const { return test.TextArea()->toPlainText(); }

  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  CVEXADoc doc{settings, "."};
  CVEXAView view{doc, ui};
  CountingKeyHandler editor;
  CKeyCodeOutView test{&view};
};

}  // namespace

class OutputTestTest : public QObject {
  Q_OBJECT
 private slots:
  void keyNames();
  void quitBoxEdges_data();
  void quitBoxEdges();
  void reopeningStartsEmpty();
  void keysNeverReachTheEditorWhileOpen();
  void acceleratorsWaitWhileOpen();
  void newTemplateGivesAFreshTest();
  void windowIsDrawnInsideTheView();
  void escThreeTimesCloses_data();
  void escThreeTimesCloses();
  void openingKeyIsNotRecorded();
  void quitBoxFollowsTheZoom();
};

void OutputTestTest::keyNames() {
  using S = Stroke;
  struct Case {
    const char* name;
    std::initializer_list<Stroke> strokes;
    const char* text;
  };
  const Case cases[] = {
      {"a, Shift+a, F1",
       {{S::Press, kA},
        {S::Release, kA},
        {S::Press, kShift},
        {S::Repeat, kShift, kShiftMask},
        {S::Press, kA, kShiftMask},
        {S::Release, kA, kShiftMask},
        {S::Release, kShift, kShiftMask},
        {S::Press, kF1},
        {S::Release, kF1}},
       "a, [Shift], [Shift]A, [F1]"},
      {"a lost Shift release keeps digits shifted",
       {{S::Press, kShift}, {S::Press, kOne, kShiftMask}, {S::Press, kTwo}},
       ", [Shift]!@"},
      {"held digit once, held F1 every time",
       {{S::Press, kOne}, {S::Repeat, kOne}, {S::Repeat, kOne}, {S::Press, kF1}, {S::Repeat, kF1}},
       "1, [F1], [F1]"},
      {"held Caps Lock once", {{S::Press, kCapsLock}, {S::Repeat, kCapsLock}}, ", [CapsLock]"},
      {"F6 has no name", {{S::Press, kF6}, {S::Release, kF6}}, ""},
      {"Enter and keypad Enter", {{S::Press, kEnter}, {S::Press, kPadEnter}}, ", [Enter], [PADEnter]"},
      {"Caps Lock on", {{S::Press, kA, kLockMask}}, "A"},
      {"Caps Lock on with Shift",
       {{S::Press, kShift, kLockMask}, {S::Press, kA, kLockMask | kShiftMask}},
       ", [Shift]a"},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.test.Open();
    rig.Type(c.strokes);
    QVERIFY2(rig.Text() == QLatin1String(c.text),
             qPrintable(QStringLiteral("%1: got \"%2\"").arg(QLatin1String(c.name), rig.Text())));
  }
}

void OutputTestTest::quitBoxEdges_data() {
  QTest::addColumn<QPoint>("at");
  QTest::addColumn<bool>("closes");
  QTest::newRow("left edge") << QPoint(550, 15) << false;
  QTest::newRow("just inside top left") << QPoint(551, 6) << true;
  QTest::newRow("just inside bottom right") << QPoint(629, 24) << true;
  QTest::newRow("right edge") << QPoint(630, 15) << false;
  QTest::newRow("top edge") << QPoint(600, 5) << false;
  QTest::newRow("bottom edge") << QPoint(600, 25) << false;
  QTest::newRow("title") << QPoint(40, 12) << false;
}

void OutputTestTest::quitBoxEdges() {
  QFETCH(QPoint, at);
  QFETCH(bool, closes);
  Rig rig;
  rig.test.Open();
  QTest::mouseClick(&rig.test, Qt::LeftButton, Qt::NoModifier, at);
  QCOMPARE(rig.test.IsActive(), !closes);
  QCOMPARE(rig.test.isVisible(), !closes);
}

void OutputTestTest::reopeningStartsEmpty() {
  Rig rig;
  rig.test.Open();
  rig.Type({{Stroke::Press, kShift}, {Stroke::Press, kA, kShiftMask}});
  QCOMPARE(rig.Text(), QStringLiteral(", [Shift]A"));
  // Choosing the command again while open only clears the text.
  rig.test.Open();
  QVERIFY(rig.test.IsActive());
  QCOMPARE(rig.Text(), QString());
  QTest::mouseClick(&rig.test, Qt::LeftButton, Qt::NoModifier, QPoint(590, 15));
  QVERIFY(!rig.test.IsActive());
  rig.test.Open();
  QCOMPARE(rig.Text(), QString());
  // The shift flag outlives the reopening: no Shift release came.
  rig.Type({{Stroke::Press, kOne}});
  QCOMPARE(rig.Text(), QStringLiteral("!"));
}

void OutputTestTest::keysNeverReachTheEditorWhileOpen() {
  Rig rig;
  rig.test.Open();
  rig.Type({{Stroke::Press, kA}, {Stroke::Release, kA}, {Stroke::Press, kEnter}, {Stroke::Release, kEnter}});
  QCOMPARE(rig.editor.presses, 0);
  QCOMPARE(rig.editor.releases, 0);
  QCOMPARE(rig.Text(), QStringLiteral("a, [Enter]"));

  // With the focus on the text area itself the keys land there too.
  rig.test.TextArea()->setFocus();
  Send(rig.test.TextArea(), {Stroke::Press, kF1});
  QCOMPARE(rig.Text(), QStringLiteral("a, [Enter], [F1]"));

  QTest::mouseClick(&rig.test, Qt::LeftButton, Qt::NoModifier, QPoint(590, 15));
  rig.Type({{Stroke::Press, kA}, {Stroke::Release, kA}});
  QCOMPARE(rig.editor.presses, 1);
  QCOMPARE(rig.editor.releases, 1);
  QCOMPARE(rig.Text(), QStringLiteral("a, [Enter], [F1]"));
}

void OutputTestTest::acceleratorsWaitWhileOpen() {
  Rig rig;
  int cuts = 0;
  QAction cut(&rig.view);
  cut.setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
  cut.setShortcutContext(Qt::WindowShortcut);
  connect(&cut, &QAction::triggered, [&cuts] { ++cuts; });
  rig.view.addAction(&cut);
  rig.view.activateWindow();
  rig.view.setFocus();
  QVERIFY(QTest::qWaitForWindowActive(&rig.view));

  rig.test.Open();
  QTest::keyClick(&rig.view, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(cuts, 0);
  rig.test.Close();
  QTest::keyClick(&rig.view, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(cuts, 1);
}

void OutputTestTest::newTemplateGivesAFreshTest() {
  Rig rig;
  rig.test.Open();
  rig.Type({{Stroke::Press, kShift}, {Stroke::Press, kA, kShiftMask}});
  rig.test.Recreate();
  QVERIFY(!rig.test.IsActive());
  QVERIFY(!rig.test.isVisible());
  rig.Type({{Stroke::Press, kA}});
  QCOMPARE(rig.editor.presses, 1);
  rig.test.Open();
  rig.Type({{Stroke::Press, kOne}});
  QCOMPARE(rig.Text(), QStringLiteral("1"));  // shift flag cleared with the new window
}

void OutputTestTest::windowIsDrawnInsideTheView() {
  Rig rig;
  rig.test.Open();
  rig.Type({{Stroke::Press, kF1}});
  const QImage image = rig.view.grab().toImage();
  // The window sits at (50,50); its Quit box is lit white on the left and
  // shadowed black on the right; the title is drawn in black.
  QCOMPARE(image.pixelColor(50 + 550, 50 + 15), QColor(Qt::white));
  QCOMPARE(image.pixelColor(50 + 630, 50 + 15), QColor(Qt::black));
  QCOMPARE(image.pixelColor(50 + 540, 50 + 15), rig.test.palette().color(QPalette::Window));
  bool titleInk = false;
  for (int x = 60; x < 200 && !titleInk; ++x)
    for (int y = 55; y < 70 && !titleInk; ++y) titleInk = qGray(image.pixel(x, y)) < 100;
  QVERIFY(titleInk);
  // The title is the window's heading: taller than the 16-pixel cell of the
  // body text, within the band of the Quit box, and "Quit" fits its box.
  const QFontMetrics title(rig.test.TitleFont());
  QVERIFY2(title.height() > 16 && title.height() <= 20, qPrintable(QString::number(title.height())));
  QVERIFY(rig.test.TitleFont().bold());
  QVERIFY(550 + 30 + title.horizontalAdvance(QStringLiteral("Quit")) < 630);
  QVERIFY(10 + title.horizontalAdvance(QStringLiteral("Key Code Test Output:")) < 550);
  QCOMPARE(rig.test.geometry(), QRect(50, 50, 650, 300));
  QCOMPARE(rig.test.TextArea()->geometry(), QRect(10, 30, 620, 245));
  QVERIFY(rig.test.TextArea()->isReadOnly());
}

void OutputTestTest::escThreeTimesCloses_data() {
  QTest::addColumn<QList<quint64>>("times");
  QTest::addColumn<bool>("closes");
  QTest::newRow("three within a second") << QList<quint64>{5000, 5300, 5900} << true;
  QTest::newRow("twice") << QList<quint64>{5000, 5300} << false;
  QTest::newRow("three, too slow") << QList<quint64>{5000, 5600, 6100} << false;
}

// A keyboard-only user leaves the test with Esc, Esc, Esc; each is recorded.
void OutputTestTest::escThreeTimesCloses() {
  QFETCH(QList<quint64>, times);
  QFETCH(bool, closes);
  Rig rig;
  rig.test.Open();
  for (quint64 t : times) {
    Send(&rig.view, {Stroke::Press, kEsc}, t);
    Send(&rig.view, {Stroke::Release, kEsc}, t + 50);
  }
  QCOMPARE(rig.test.IsActive(), !closes);
  QCOMPARE(rig.test.isVisible(), !closes);
  QCOMPARE(rig.Text().count(QStringLiteral(", [ESC]")), times.size());
  QCOMPARE(rig.editor.presses, 0);  // not one of them reached the key editor
}

// Opened with Enter from the menu: the Enter key is still down; its repeats
// and its release are not the keyboard's answer.
void OutputTestTest::openingKeyIsNotRecorded() {
  Rig rig;
  rig.test.Open();
  rig.Type({{Stroke::Repeat, kEnter}, {Stroke::Release, kEnter}, {Stroke::Press, kA}, {Stroke::Release, kA}});
  QCOMPARE(rig.Text(), QStringLiteral("a"));
}

// Zoomed with the view (scale 2), the window and its Quit box are twice as
// large: a click is taken in the window's logical pixels.
void OutputTestTest::quitBoxFollowsTheZoom() {
  Rig rig;
  rig.view.resize(1600, 900);
  rig.test.Place(QRect(100, 100, 1300, 600), 2.0);
  rig.test.Open();
  QCOMPARE(rig.test.TextArea()->geometry(), QRect(QPoint(20, 60), QPoint(1259, 549)));
  QTest::mouseClick(&rig.test, Qt::LeftButton, Qt::NoModifier, QPoint(2 * 550 + 1, 2 * 15));  // the edge
  QVERIFY(rig.test.IsActive());
  QTest::mouseClick(&rig.test, Qt::LeftButton, Qt::NoModifier, QPoint(2 * 620, 2 * 20));
  QVERIFY(!rig.test.IsActive());
}

QTEST_MAIN(OutputTestTest)
#include "tst_outputtest.moc"
