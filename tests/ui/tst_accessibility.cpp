// The drawn keyboard as assistive technology sees it: the layout view's
// accessible tree for every model (one Button per key, named by its label,
// placed where the key is drawn, found by a hit test), the press action, and
// the events sent when the selection moves and when a key's content or mode
// changes.
#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "AccessibleNames.h"
#include "EditorFixture.h"
#include "device/ui/CSelectConnectedKeyboard.h"
#include "device/ui/CSelectPort.h"
#include "document/CardReaderSettings.h"
#include "document/FeatureSettings.h"
#include "document/ui/CMREdit.h"
#include "document/ui/CProperty.h"
#include "models/ModelTable.h"
#include "models/ui/CDelayTime.h"
#include "models/ui/CInputASCIICode.h"
#include "models/ui/CInputSCanCode.h"
#include "models/ui/CKeyWordTable.h"
#include "models/ui/CSelectKeyboard.h"
#include "models/ui/CShiftLevel.h"
#include "view/Cp1252.h"
#include "view/ui/ViewAccessible.h"

using namespace vexa;

namespace {

struct Seen {
  QAccessible::Event type;
  QObject* object;
  int child;
};
std::vector<Seen> g_events;

void Capture(QAccessibleEvent* event) {
  g_events.push_back({event->type(), event->object(), event->child()});
}

// The events of one type for children of `view`, by child index.
QList<int> ChildrenWith(const QObject* view, QAccessible::Event type) {
  QList<int> children;
  for (const Seen& s : g_events) {
    if (s.type == type && s.object == view && s.child >= 0) children.append(s.child);
  }
  return children;
}

QString Label(const CVEXADoc& doc, int position) {
  return QString::fromStdU16String(Cp1252ToUtf16(doc.Labels()[static_cast<size_t>(position)])).trimmed();
}

void ShowAndFocus(EditorFixture& e) {
  e.frame().show();
  e.frame().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&e.frame()));
  e.view().setFocus();
  QTRY_VERIFY(e.view().hasFocus());
  g_events.clear();
}

}  // namespace

Q_DECLARE_METATYPE(std::function<QWidget*()>)

class AccessibilityTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { SetAccessibilityEventSink(Capture); }
  void init() { g_events.clear(); }

  void treeOfEveryModel_data() {
    QTest::addColumn<int>("modelId");
    for (const ModelInfo& m : Models()) QTest::newRow(std::string(m.name).c_str()) << m.id;
  }
  void treeOfEveryModel() {
    QFETCH(int, modelId);
    EditorFixture e(modelId);
    ShowAndFocus(e);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&e.view());
    QVERIFY(view != nullptr);
    QCOMPARE(view->text(QAccessible::Name), QStringLiteral("Keyboard layout"));
    QVERIFY(view->text(QAccessible::Description).contains(Label(e.doc(), 0)));
    QCOMPARE(view->childCount(), e.doc().KeyCount());
    const QRect viewRect(e.view().mapToGlobal(QPoint(0, 0)), e.view().size());
    const bool lShaped = HasLShapedEnter(modelId) && e.doc().KeyCount() > 41;
    for (int p = 0; p < view->childCount(); ++p) {
      QAccessibleInterface* key = view->child(p);
      QVERIFY(key != nullptr);
      QCOMPARE(view->child(p), key);  // the same object each time
      QCOMPARE(view->indexOfChild(key), p);
      QCOMPARE(key->parent(), view);
      QCOMPARE(key->role(), QAccessible::Button);
      const QString expected = (lShaped && p == 28) ? Label(e.doc(), 41) : Label(e.doc(), p);
      QCOMPARE(key->text(QAccessible::Name), expected);
      const QAccessible::State state = key->state();
      QVERIFY(state.selectable && state.focusable);
      QCOMPARE(bool(state.selected), p == 0);
      QCOMPARE(bool(state.focused), p == 0);
      const QRect r = key->rect();
      QVERIFY2(viewRect.contains(r), qPrintable(QStringLiteral("position %1").arg(p)));
      QCOMPARE(view->childAt(r.center().x(), r.center().y()), key);
      QCOMPARE(view->focusChild(), view->child(0));
    }
    QCOMPARE(view->childAt(viewRect.left() + 2, viewRect.bottom() - 2), nullptr);
  }

  // A bigger window zooms the view: the keys' rectangles grow with it and the
  // hit test still finds each key.
  void rectanglesFollowTheZoom() {
    EditorFixture e;
    ShowAndFocus(e);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&e.view());
    const QSize before = view->child(5)->rect().size();
    e.frame().resize(e.view().width() * 2 + 100, e.view().height() * 2 + 200);
    QTRY_VERIFY(!e.view().Zoom().IsIdentity());
    const QRect after = view->child(5)->rect();
    QVERIFY2(after.width() >= before.width() * 2 - 1, qPrintable(QStringLiteral("%1").arg(after.width())));
    QCOMPARE(view->childAt(after.center().x(), after.center().y()), view->child(5));
  }

  void pressSelectsTheKey() {
    EditorFixture e;
    ShowAndFocus(e);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&e.view());
    QAccessibleActionInterface* action = view->child(30)->actionInterface();
    QVERIFY(action != nullptr);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(e.view().State().selectedPosition, 30);
    QVERIFY(view->child(30)->state().selected);
    QVERIFY(!view->child(0)->state().selected);
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::Focus).value(0, -1), 30);
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::Selection), QList<int>{30});

    // The upper block of the L-shaped Enter key selects the Enter key and is
    // drawn (and told) as selected with it.
    view->child(28)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(e.view().State().selectedPosition, 41);
    QVERIFY(view->child(28)->state().selected);
    QVERIFY(view->child(41)->state().selected);
  }

  // Without a mouse: the layout view has the keyboard focus when the window
  // comes up, Tab brings it back from elsewhere in the window, and taking it
  // back announces the selected key.
  void viewTakesTheFocusByKeyboard() {
    EditorFixture e;
    e.app->Show();
    e.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.frame()));
    QTRY_VERIFY(e.view().hasFocus());
    QCOMPARE(QAccessible::queryAccessibleInterface(&e.view())->focusChild(),
             QAccessible::queryAccessibleInterface(&e.view())->child(0));
    auto* scroller = e.frame().findChild<QWidget*>(QStringLiteral("viewScroller"));
    QVERIFY(scroller != nullptr);
    scroller->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(!e.view().hasFocus());
    g_events.clear();
    QWidget* from = QApplication::focusWidget();
    QVERIFY(from != nullptr);
    QTest::keyClick(from, Qt::Key_Tab);
    QTRY_VERIFY(e.view().hasFocus());
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::Focus), QList<int>{0});
    // Inside the view Tab (from a real keyboard: with its scan code) is a key
    // of the key editor, not a way out.
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent tab(type, Qt::Key_Tab, Qt::NoModifier, 15 + 8, 0xff09, 0, QStringLiteral("\t"));
      QApplication::sendEvent(&e.view(), &tab);
    }
    QVERIFY(e.view().hasFocus());
  }

  // Arrow keys move the selection: the newly selected key gets the focus and
  // the selection event; the state of both keys is told to have changed.
  void arrowMoveAnnouncesTheSelection() {
    EditorFixture e;
    ShowAndFocus(e);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&e.view());
    QTest::keyClick(&e.view(), Qt::Key_Right, Qt::ShiftModifier);
    const int now = e.view().State().selectedPosition;
    QVERIFY(now != 0);
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::Focus), QList<int>{now});
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::Selection), QList<int>{now});
    const QList<int> stateChanged = ChildrenWith(&e.view(), QAccessible::StateChanged);
    QVERIFY(stateChanged.contains(0) && stateChanged.contains(now));
    QVERIFY(view->child(now)->state().focused);
    QVERIFY(!view->child(0)->state().focused);

    // Without the focus the selection still moves and is told, the focus not.
    g_events.clear();
    e.frame().setFocus();
    QTRY_VERIFY(!e.view().hasFocus());
    e.view().MoveSelection(3);
    const int below = e.view().State().selectedPosition;
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::Selection), QList<int>{below});
    QVERIFY(ChildrenWith(&e.view(), QAccessible::Focus).isEmpty());
    QVERIFY(!view->child(below)->state().focused);
  }

  // Typing and pasting change the selected key: its value and description
  // are told to have changed and read the new content.
  void contentChangeAnnouncesTheKey() {
    EditorFixture e;
    ShowAndFocus(e);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&e.view());
    QAccessibleInterface* selected = view->child(0);
    QCOMPARE(selected->text(QAccessible::Description), QStringLiteral("ASCII mode"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Tea[CR]"));
    QTest::keyClick(&e.view(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e.doc().Content(e.view().State().selectedKey), std::string("Tea[CR]"));
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::ValueChanged), QList<int>{0});
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::DescriptionChanged), QList<int>{0});
    QCOMPARE(selected->text(QAccessible::Value), QStringLiteral("Tea[CR]"));
    QCOMPARE(selected->text(QAccessible::Description), QStringLiteral("Tea[CR], ASCII mode"));
    QVERIFY(ChildrenWith(&e.view(), QAccessible::Selection).isEmpty());

    // Undo gives the key back its old content, and says so.
    g_events.clear();
    QTest::keyClick(&e.view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(selected->text(QAccessible::Value), QString());
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::ValueChanged), QList<int>{0});
  }

  // Switching to scan code mode changes only the description.
  void modeChangeAnnouncesTheKey() {
    EditorFixture e;
    ShowAndFocus(e);
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(&e.view())->child(0);
    e.view().State().keyModes[static_cast<size_t>(e.view().State().selectedKey)] = 0;
    e.view().Repaint(Repaint::InformationArea);
    QCOMPARE(ChildrenWith(&e.view(), QAccessible::DescriptionChanged), QList<int>{0});
    QVERIFY(ChildrenWith(&e.view(), QAccessible::ValueChanged).isEmpty());
    QCOMPARE(key->text(QAccessible::Description), QStringLiteral("scan code mode"));
  }

  // Every field of every dialog is named for a screen reader, by its label
  // where it has one.
  void dialogFieldsAreNamed_data() {
    QTest::addColumn<std::function<QWidget*()>>("make");
    QTest::newRow("delay time") << std::function<QWidget*()>([] { return new CDelayTime; });
    QTest::newRow("shift level") << std::function<QWidget*()>([] { return new CShiftLevel; });
    QTest::newRow("ASCII code") << std::function<QWidget*()>([] { return new CInputASCIICode; });
    QTest::newRow("scan code") << std::function<QWidget*()>([] { return new CInputSCanCode; });
    QTest::newRow("key word table") << std::function<QWidget*()>([] { return new CKeyWordTable; });
    QTest::newRow("select keyboard") << std::function<QWidget*()>([] { return new CSelectKeyboard; });
    QTest::newRow("select port") << std::function<QWidget*()>([] { return new CSelectPort; });
    QTest::newRow("connected keyboards") << std::function<QWidget*()>([] {
      return new CSelectConnectedKeyboard({{"/dev/hidraw3", "PX2400U", "A0001"}}, true);
    });
    QTest::newRow("properties") << std::function<QWidget*()>([] { return new CProperty(FeatureSettings{}); });
    QTest::newRow("card reader") << std::function<QWidget*()>([] {
      static ScriptedUserInterface ui;
      return new CMREdit(CardReaderSettings{}, ui);
    });
  }
  void dialogFieldsAreNamed() {
    QFETCH(std::function<QWidget*()>, make);
    std::unique_ptr<QWidget> dialog(make());
    const QStringList unnamed = UnnamedFields(*dialog);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
  }

  // The status bar's panes are named, the empty lock indicators too.
  void statusBarIsNamed() {
    EditorFixture e;
    ShowAndFocus(e);
    const QStringList unnamed = UnnamedFields(e.frame());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QStringList names;
    for (QLabel* label : e.frame().statusBar()->findChildren<QLabel*>()) {
      names << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    }
    for (const char* name : {"Status", "Caps Lock", "Num Lock", "Scroll Lock"}) {
      QVERIFY2(names.contains(QString::fromLatin1(name)), qPrintable(names.join(QLatin1Char('|'))));
    }
  }

  // The view's own description reads the information area.
  void viewDescribesTheInformationArea() {
    EditorFixture e;
    ShowAndFocus(e);
    QGuiApplication::clipboard()->setText(QStringLiteral("Tea[CR]"));
    QTest::keyClick(&e.view(), Qt::Key_V, Qt::ControlModifier);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&e.view());
    const QString expected =
        QStringLiteral("Key name: %1, key content: Tea[CR], ASCII mode, total space left: %2 bytes")
            .arg(Label(e.doc(), 0))
            .arg(e.doc().SpaceLeft());
    QCOMPARE(view->text(QAccessible::Description), expected);
    bool told = false;
    for (const Seen& s : g_events) told |= s.type == QAccessible::DescriptionChanged && s.child < 0;
    QVERIFY(told);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
