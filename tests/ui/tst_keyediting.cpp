// Key editing in the whole editor: key events with their native X11 values
// sent to the layout view, the Key Edit commands through the main frame, and
// their menu items and toolbar buttons greyed together.
#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QToolBar>
#include <QtTest>

#include "EditorFixture.h"
#include "base/Messages.h"
#include "commands/CommandTable.h"
#include "models/KeyLayout.h"
#include "view/ui/KeyEditing.h"

using namespace vexa;

namespace {

// X modifier bits as the native key events carry them.
constexpr quint32 kShift = 0x01, kLock = 0x02, kAlt = 0x08, kNumLock = 0x10;

// A physical key: its evdev code, keysym and Qt key.
struct NativeKey {
  quint32 evdev;
  quint32 keysym;
  int qtKey;
  const char* text;
};
const NativeKey kA{30, 'a', Qt::Key_A, "a"};
const NativeKey kShiftedA{30, 'A', Qt::Key_A, "A"};
const NativeKey kEsc{1, 0xff1b, Qt::Key_Escape, "\x1b"};
const NativeKey kF1{59, 0xffbe, Qt::Key_F1, ""};
const NativeKey kF10{68, 0xffc7, Qt::Key_F10, ""};
const NativeKey kTab{15, 0xff09, Qt::Key_Tab, "\t"};
const NativeKey kEnter{28, 0xff0d, Qt::Key_Return, "\r"};
const NativeKey kBracket{26, '[', Qt::Key_BracketLeft, "["};
const NativeKey kPad7{71, 0xffb7, Qt::Key_7, "7"};
const NativeKey kPadHome{71, 0xff95, Qt::Key_Home, ""};
const NativeKey kLeftShift{42, 0xffe1, Qt::Key_Shift, ""};
const NativeKey kLeftArrow{105, 0xff51, Qt::Key_Left, ""};
const NativeKey kBackspace{14, 0xff08, Qt::Key_Backspace, "\b"};

void Send(QWidget& view, QEvent::Type type, const NativeKey& key, quint32 modifiers, bool repeat = false) {
  Qt::KeyboardModifiers qt;
  if (modifiers & kShift) qt |= Qt::ShiftModifier;
  if (modifiers & kAlt) qt |= Qt::AltModifier;
  QKeyEvent event(type, key.qtKey, qt, key.evdev + 8, key.keysym, modifiers, QString::fromLatin1(key.text),
                  repeat);
  QApplication::sendEvent(&view, &event);
}

void Click(QWidget& view, const NativeKey& key, quint32 modifiers = 0) {
  Send(view, QEvent::KeyPress, key, modifiers);
  Send(view, QEvent::KeyRelease, key, modifiers);
}

struct Stroke {
  NativeKey key;
  quint32 modifiers = 0;
};

}  // namespace

Q_DECLARE_METATYPE(QList<Stroke>)

class TestKeyEditing : public QObject {
  Q_OBJECT
 private slots:
  void typing_data() {
    QTest::addColumn<bool>("scanMode");
    QTest::addColumn<QList<Stroke>>("strokes");
    QTest::addColumn<QString>("content");
    QTest::newRow("letter") << false << QList<Stroke>{{kA}} << "a";
    QTest::newRow("Caps Lock and Shift") << false << QList<Stroke>{{kShiftedA, kShift | kLock}} << "a";
    QTest::newRow("Caps Lock") << false << QList<Stroke>{{kShiftedA, kLock}} << "A";
    QTest::newRow("Enter") << false << QList<Stroke>{{kEnter}} << "[CR]";
    QTest::newRow("Esc F1") << false << QList<Stroke>{{kEsc}, {kF1}} << "[F1]";
    QTest::newRow("Esc Tab reaches the view") << false << QList<Stroke>{{kEsc}, {kTab}} << "[Tab]";
    QTest::newRow("keypad 7, Num Lock on") << false << QList<Stroke>{{kPad7, kNumLock}} << "7";
    QTest::newRow("keypad 7, Num Lock off") << false << QList<Stroke>{{kA}, {kPadHome}, {kA}} << "aa";
    QTest::newRow("Alt+A is the window's") << false << QList<Stroke>{{kA, kAlt}} << "";
    QTest::newRow("F10 is the window's") << false << QList<Stroke>{{kEsc}, {kF10}, {kF1}} << "[F1]";
    QTest::newRow("scan letter") << true << QList<Stroke>{{kA}} << "[A]";
    QTest::newRow("scan bracket") << true << QList<Stroke>{{kBracket}} << "[{]";
    QTest::newRow("scan keypad 7") << true << QList<Stroke>{{kPad7, kNumLock}} << "[PAD7]";
  }
  void typing() {
    QFETCH(bool, scanMode);
    QFETCH(QList<Stroke>, strokes);
    QFETCH(QString, content);
    EditorFixture e;
    if (scanMode) e.frame().Dispatch(cmd::kSetScanCodeMode);
    for (const Stroke& s : strokes) Click(e.view(), s.key, s.modifiers);
    const ViewState& state = e.view().State();
    QCOMPARE(QString::fromStdString(e.doc().Content(state.selectedKey)), content);
  }

  void autoRepeatTypesAgain() {
    EditorFixture e;
    Send(e.view(), QEvent::KeyPress, kA, 0);
    Send(e.view(), QEvent::KeyRelease, kA, 0, true);  // dropped
    Send(e.view(), QEvent::KeyPress, kA, 0, true);
    Send(e.view(), QEvent::KeyRelease, kA, 0);
    QCOMPARE(e.doc().Content(e.view().State().selectedKey), std::string("aa"));
  }

  void shiftArrowMovesTheSelection() {
    EditorFixture e;
    Send(e.view(), QEvent::KeyPress, kLeftShift, 0);
    Click(e.view(), kLeftArrow, kShift);
    const int moved = Neighbour(2013, 0, 0);
    QCOMPARE(e.view().State().selectedPosition, moved);
    Send(e.view(), QEvent::KeyRelease, kLeftShift, kShift);
    QVERIFY(e.view().State().shiftReleased);
    Click(e.view(), kLeftArrow);
    QCOMPARE(e.view().State().selectedPosition, moved);
  }

  // Shift released while another window had the focus: the editor never
  // sees the release, but the next arrow reports no Shift and moves the cursor.
  void shiftReleasedElsewhereNoLongerCounts() {
    EditorFixture e;
    Click(e.view(), kA);
    Click(e.view(), kA);
    Send(e.view(), QEvent::KeyPress, kLeftShift, 0);  // the release goes to a dialog
    Click(e.view(), kLeftArrow);
    QCOMPARE(e.view().State().selectedPosition, 0);
    QCOMPARE(e.view().State().cursor, 1);
    // And Shift pressed elsewhere, held on return: Shift+Left moves the selection.
    Click(e.view(), kLeftArrow, kShift);
    QCOMPARE(e.view().State().selectedPosition, Neighbour(2013, 0, 0));
  }

  void editedKeyTurnsGreenAndTemplateModified() {
    EditorFixture e;
    const int key = e.view().State().selectedKey;
    QVERIFY(!e.doc().IsModified());
    Click(e.view(), kA);
    QVERIFY(e.doc().IsModified());
    QCOMPARE(e.doc().DefinedFlags()[static_cast<size_t>(key)], 0);
    Click(e.view(), kBackspace);
    QCOMPARE(e.doc().Content(key), std::string());
  }

  void commandsGreyMenuAndToolbarTogether() {
    EditorFixture e;
    CMainFrame& frame = e.frame();
    frame.show();
    auto enabled = [&](int id) {
      QAction* action = frame.Action(id);
      QWidget* button = frame.ToolBar()->widgetForAction(action);
      if (button) {
        // A toolbar button is greyed exactly when its menu item is.
        if (button->isEnabled() != action->isEnabled()) return -1;
      }
      return action->isEnabled() ? 1 : 0;
    };
    QCOMPARE(enabled(cmd::kShiftLevel), 1);
    QCOMPARE(enabled(cmd::kClearKey), 0);
    Click(e.view(), kA);
    QCOMPARE(enabled(cmd::kShiftLevel), 0);
    QCOMPARE(enabled(cmd::kClearKey), 1);
    frame.Dispatch(cmd::kSetScanCodeMode);
    QCOMPARE(enabled(cmd::kInsertCaps), 0);
    QCOMPARE(enabled(cmd::kSelectScanCode), 1);
    QCOMPARE(enabled(cmd::kSetAsciiMode), 1);
    QCOMPARE(enabled(cmd::kSetScanCodeMode), 0);
  }

  void commandsInsertThroughTheFrame() {
    EditorFixture e;
    e.ui.delayAnswers.push_back(5);
    e.frame().Dispatch(cmd::kInsertDelay);
    e.frame().Dispatch(cmd::kLevelSeparator);
    const ViewState& state = e.view().State();
    QCOMPARE(e.doc().Content(state.selectedKey), std::string("[Delay5][Separator]"));
    QCOMPARE(state.cursor, 19);
    e.frame().Dispatch(cmd::kClearKey);
    QCOMPARE(e.doc().Content(state.selectedKey), std::string());
  }

  // Typing into one key is one step; the accelerators of Undo and Redo reach
  // the history, never the key editor.
  void undoAndRedoKeys_data() {
    QTest::addColumn<QKeyCombination>("undo");
    QTest::addColumn<QKeyCombination>("redo");
    QTest::newRow("Ctrl+Z, Ctrl+Y") << QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
                                    << QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    QTest::newRow("Alt+Backspace, Ctrl+Shift+Z")
        << QKeyCombination(Qt::AltModifier, Qt::Key_Backspace)
        << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
  }
  void undoAndRedoKeys() {
    QFETCH(QKeyCombination, undo);
    QFETCH(QKeyCombination, redo);
    EditorFixture e;
    e.frame().show();
    e.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.frame()));
    e.view().setFocus();
    const int key = e.view().State().selectedKey;
    Click(e.view(), kA);
    Click(e.view(), kShiftedA, kShift);
    Click(e.view(), kEnter);
    QCOMPARE(e.doc().Content(key), std::string("aA[CR]"));

    QTest::keyClick(&e.view(), undo.key(), undo.keyboardModifiers());
    QCOMPARE(e.doc().Content(key), std::string());
    QCOMPARE(e.view().State().cursor, 0);
    QVERIFY(!e.doc().IsModified());
    QVERIFY(!e.frame().Action(cmd::kUndo)->isEnabled());
    QTest::keyClick(&e.view(), redo.key(), redo.keyboardModifiers());
    QCOMPARE(e.doc().Content(key), std::string("aA[CR]"));
    QCOMPARE(e.view().State().cursor, 6);
    QVERIFY(e.doc().IsModified());
    QVERIFY(e.frame().Action(cmd::kUndo)->isEnabled());
  }

  // Copy, Cut and Paste on the system clipboard with both sets of keys.
  void clipboardKeys() {
    EditorFixture e;
    e.frame().show();
    e.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.frame()));
    e.view().setFocus();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const int key = e.view().State().selectedKey;

    clipboard->setText(QStringLiteral("Tea[CR]\n"));  // as copied from a terminal line
    QTest::keyClick(&e.view(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&e.view(), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(e.doc().Content(key), std::string("Tea[CR]Tea[CR]"));
    QCOMPARE(e.view().State().cursor, 14);

    clipboard->clear();
    QTest::keyClick(&e.view(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("Tea[CR]Tea[CR]"));
    clipboard->clear();
    QTest::keyClick(&e.view(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("Tea[CR]Tea[CR]"));
    QCOMPARE(e.doc().Content(key), std::string());
    QTest::keyClick(&e.view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(e.doc().Content(key), std::string("Tea[CR]Tea[CR]"));

    // A scan code word does not go into an ASCII mode content.
    clipboard->setText(QStringLiteral("[F1]"));
    QTest::keyClick(&e.view(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e.doc().Content(key), std::string("Tea[CR]Tea[CR]"));
    QCOMPARE(e.ui.messages, std::vector<std::string>{std::string(msg::kWrongKeyWord)});
  }

  void diversionTakesEveryKey() {
    EditorFixture e;
    int taken = 0;
    e.app->Editing().KeyHandler().SetDiversion([&](const PcKeyEvent&) {
      ++taken;
      return true;
    });
    Click(e.view(), kA);
    Click(e.view(), kA, kAlt);
    QCOMPARE(taken, 4);
    QCOMPARE(e.doc().Content(e.view().State().selectedKey), std::string());
    QVERIFY(!e.doc().IsModified());
    e.app->Editing().KeyHandler().SetDiversion({});
    Click(e.view(), kA);
    QCOMPARE(e.doc().Content(e.view().State().selectedKey), std::string("a"));
  }

  // The caption's modified mark follows the template against its saved file.
  void captionMarksChangesSinceTheSave() {
    EditorFixture e;
    Click(e.view(), kTab);
    Click(e.view(), kLeftArrow, kShift);
    QVERIFY(!e.frame().isWindowModified());
    Click(e.view(), kA);
    QVERIFY(e.frame().isWindowModified());
    e.frame().Dispatch(cmd::kUndo);
    QVERIFY(!e.frame().isWindowModified());
    e.frame().Dispatch(cmd::kRedo);
    e.ui.fileAnswers.push_back(e.Path("shop.bin"));
    e.frame().Dispatch(cmd::kSave);
    QVERIFY(!e.frame().isWindowModified());
  }

  // Inserting and pasting after a shift level code are refused, with the reason
  // in the status bar.
  void shiftLevelCodeTakesNothingMore() {
    EditorFixture e;
    const int key = e.view().State().selectedKey;
    e.ui.shiftLevelAnswers.push_back(2);
    e.frame().Dispatch(cmd::kShiftLevel);
    e.frame().Dispatch(cmd::kLevelSeparator);
    QApplication::clipboard()->setText(QStringLiteral("Milk"));
    e.frame().Dispatch(cmd::kPaste);
    QCOMPARE(e.doc().Content(key), std::string("[ShiftLevel2]"));
    QCOMPARE(e.ui.statusLines, std::vector<std::string>(2, std::string(msg::kShiftLevelIsWhole)));
    QVERIFY(e.ui.messages.empty());
  }
};

QTEST_MAIN(TestKeyEditing)
#include "tst_keyediting.moc"
