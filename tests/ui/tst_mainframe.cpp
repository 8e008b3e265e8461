// The main window: menus, toolbar, accelerators, status bar and the command
// states, plus the small dialogs of the shell.
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolTip>
#include <QtTest>

#include "EditorFixture.h"
#include "commands/CommandTable.h"
#include "models/KeyWordDictionary.h"
#include "models/ui/CKeyWordTable.h"
#include "models/ui/CSelectKeyboard.h"
#include "models/ui/CTextFileNamePath.h"
#include "view/ui/ViewKeyHandler.h"

using namespace vexa;

namespace {

// Records what reaches the key editor.
struct KeySpy final : ViewKeyHandler {
  QList<QKeyCombination> pressed;
  bool KeyPress(QKeyEvent& e) override {
    pressed << e.keyCombination();
    return true;
  }
  bool KeyRelease(QKeyEvent&) override { return true; }
};

QStringList MenuTexts(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

QMenu* MenuAt(CMainFrame& frame, int index) { return frame.menuBar()->actions().at(index)->menu(); }

}  // namespace

class TestMainFrame : public QObject {
  Q_OBJECT
 private slots:
  void menusFollowTheTable() {
    EditorFixture e;
    QStringList titles;
    for (QAction* a : e.frame().menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{"&Template", "Key&board", "&Key Edit", "&Configuration", "T&esting",
                                  "&View", "&Help"}));
    QCOMPARE(MenuTexts(MenuAt(e.frame(), 0)),
             (QStringList{"&New\tCtrl+N", "&Load...\tCtrl+L", "&Save\tCtrl+S", "Save &As...", "-",
                          "Load &Default\tCtrl+D", "-", "&Import Text Data\tCtrl+I",
                          "&Export Text Data\tCtrl+E", "-", "E&xit"}));
    QCOMPARE(MenuTexts(MenuAt(e.frame(), 1)),
             (QStringList{"PX2100", "PX2200", "PX2400", "DV3300", "DV3500", "DV3100"}));
    // Shortcut texts are shown, but no menu item carries a real shortcut.
    for (QAction* a : MenuAt(e.frame(), 0)->actions()) QVERIFY(a->shortcut().isEmpty());
    QCOMPARE(e.frame().Action(cmd::kModelDV3100)->statusTip(), QStringLiteral("Select DV3100 Keyboard"));
    QCOMPARE(e.frame().Action(cmd::kSave)->toolTip(), QStringLiteral("Save Template"));
  }

  void recentFilesStandBeforeExit() {
    EditorFixture e;
    e.settings.SetRecentFiles({"/tmp/a.bin", "/tmp/b.bin"});
    emit MenuAt(e.frame(), 0)->aboutToShow();
    const QStringList texts = MenuTexts(MenuAt(e.frame(), 0));
    QCOMPARE(texts.mid(10), (QStringList{"&1 /tmp/a.bin", "&2 /tmp/b.bin", "-", "E&xit"}));
  }

  void toolbarButtonsAndGaps() {
    EditorFixture e;
    QList<int> ids;
    for (QAction* a : e.frame().ToolBar()->actions()) ids << (a->isSeparator() ? 0 : a->data().toInt());
    QCOMPARE(ids, (QList<int>{57600, 57601, 57603, 0,     32812, 32773, 32810, 0, 32771, 32772, 0,    32785,
                              32783, 32784, 0,     32788, 32789, 32790, 32791, 0, 32816, 32801, 32807}));
    for (QAction* a : e.frame().ToolBar()->actions()) {
      if (!a->isSeparator()) QVERIFY2(!a->icon().isNull(), qPrintable(a->toolTip()));
    }
    // Tool tips: the table's text, and none at all for Config KB Properties.
    e.frame().show();
    QVERIFY(QTest::qWaitForWindowExposed(&e.frame()));
    for (auto [id, tip] :
         {std::pair{cmd::kConfigKeyboard, QString()}, std::pair{cmd::kNew, QStringLiteral("New Template")}}) {
      QWidget* button = e.frame().ToolBar()->widgetForAction(e.frame().Action(id));
      QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
      QApplication::sendEvent(button, &help);
      QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
      QToolTip::hideText();
    }
  }

  void commandStatesPerModel_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("cardReader");
    QTest::newRow("PX2400") << 2013 << true;
    QTest::newRow("PX2100") << 2014 << true;
    QTest::newRow("PX2200") << 2015 << true;
    QTest::newRow("DV3500") << 2016 << true;
    QTest::newRow("DV3100") << 2017 << false;
    QTest::newRow("DV3300") << 2018 << false;
    QTest::newRow("stored 2019") << 2019 << true;
  }
  void commandStatesPerModel() {
    QFETCH(int, model);
    QFETCH(bool, cardReader);
    EditorFixture e(model);
    e.frame().RefreshCommandStates();
    QCOMPARE(e.frame().Action(cmd::kConfigCardReader)->isEnabled(), cardReader);
    QVERIFY(!e.frame().Action(cmd::kConfigRs232)->isEnabled());
    for (int modelId = 2013; modelId <= 2018; ++modelId) {
      QAction* entry = e.frame().Action(ModelCommandOf(modelId));
      QCOMPARE(entry->isChecked(), modelId == model);
      QVERIFY(entry->isEnabled());
    }
    for (int id :
         {cmd::kNew, cmd::kLoad, cmd::kSave, cmd::kSaveAs, cmd::kExit, cmd::kKeyWordList, cmd::kAbout}) {
      QVERIFY(e.frame().Action(id)->isEnabled());
    }
    QVERIFY(e.frame().Action(cmd::kToggleToolbar)->isChecked());
    QVERIFY(e.frame().Action(cmd::kToggleStatusBar)->isChecked());
  }

  void acceleratorsAreConsumed_data() {
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<int>("openChoosers");
    QTest::addColumn<bool>("reachesView");
    QTest::newRow("Ctrl+O loads") << QKeyCombination(Qt::ControlModifier, Qt::Key_O) << 1 << false;
    QTest::newRow("Ctrl+L") << QKeyCombination(Qt::ControlModifier, Qt::Key_L) << 0 << true;
    QTest::newRow("Ctrl+Z") << QKeyCombination(Qt::ControlModifier, Qt::Key_Z) << 0 << false;
    QTest::newRow("Alt+Backspace") << QKeyCombination(Qt::AltModifier, Qt::Key_Backspace) << 0 << false;
    QTest::newRow("Ctrl+X") << QKeyCombination(Qt::ControlModifier, Qt::Key_X) << 0 << false;
    QTest::newRow("Shift+Delete") << QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete) << 0 << false;
    QTest::newRow("Ctrl+C") << QKeyCombination(Qt::ControlModifier, Qt::Key_C) << 0 << false;
    QTest::newRow("Ctrl+Insert") << QKeyCombination(Qt::ControlModifier, Qt::Key_Insert) << 0 << false;
    QTest::newRow("Ctrl+V") << QKeyCombination(Qt::ControlModifier, Qt::Key_V) << 0 << false;
    QTest::newRow("Shift+Insert") << QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert) << 0 << false;
    QTest::newRow("F6") << QKeyCombination(Qt::Key_F6) << 0 << false;
    QTest::newRow("Shift+F6") << QKeyCombination(Qt::ShiftModifier, Qt::Key_F6) << 0 << false;
    QTest::newRow("Ctrl+D") << QKeyCombination(Qt::ControlModifier, Qt::Key_D) << 0 << true;
    QTest::newRow("Ctrl+I") << QKeyCombination(Qt::ControlModifier, Qt::Key_I) << 0 << true;
    QTest::newRow("Ctrl+E") << QKeyCombination(Qt::ControlModifier, Qt::Key_E) << 0 << true;
  }
  void acceleratorsAreConsumed() {
    QFETCH(QKeyCombination, keys);
    QFETCH(int, openChoosers);
    QFETCH(bool, reachesView);
    EditorFixture e;
    KeySpy spy;
    e.view().SetKeyHandler(&spy);
    e.frame().show();
    e.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.frame()));
    e.view().setFocus();
    const std::string titleBefore = e.doc().Title();
    QTest::keyClick(&e.view(), keys.key(), keys.keyboardModifiers());
    QCOMPARE(e.ui.openChoosers, openChoosers);
    QCOMPARE(spy.pressed.contains(keys), reachesView);
    QVERIFY(e.ui.textChoosers.empty());      // Ctrl+I / Ctrl+E never import or export
    QCOMPARE(e.doc().Title(), titleBefore);  // nor Load Default (it retitles)
  }

  void ctrlNCreatesNewTemplate() {
    EditorFixture e;
    e.frame().show();
    QVERIFY(QTest::qWaitForWindowActive(&e.frame()));
    e.doc().Content(5) = "x";
    e.doc().SetModified(true);
    e.ui.saveAnswers.push_back(SaveAnswer::No);
    QTest::keyClick(&e.view(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(e.ui.saveQuestions.size(), size_t{1});
    QCOMPARE(e.doc().Content(5), std::string());
  }

  void statusBarPanes() {
    EditorFixture e;
    QCOMPARE(e.frame().MessagePane()->text(), QStringLiteral("Ready"));
    for (int i = 0; i < 3; ++i) QVERIFY(e.frame().Indicator(i) != nullptr);
    // A highlighted item shows its prompt in place of "Ready".
    QStatusTipEvent tip(e.frame().Action(cmd::kImportText)->statusTip());
    QApplication::sendEvent(&e.frame(), &tip);
    QCOMPARE(e.frame().statusBar()->currentMessage(),
             QStringLiteral("Import template data from a text file"));
  }

  void viewTogglesKeepBars() {
    EditorFixture e;
    e.frame().show();
    const Qt::ToolBarArea area = e.frame().toolBarArea(e.frame().ToolBar());
    const int buttons = static_cast<int>(e.frame().ToolBar()->actions().size());
    e.frame().Dispatch(cmd::kToggleToolbar);
    e.frame().Dispatch(cmd::kToggleStatusBar);
    QVERIFY(e.frame().ToolBar()->isHidden());
    QVERIFY(e.frame().statusBar()->isHidden());
    QVERIFY(!e.frame().Action(cmd::kToggleToolbar)->isChecked());
    QVERIFY(!e.frame().Action(cmd::kToggleStatusBar)->isChecked());
    e.frame().Dispatch(cmd::kToggleToolbar);
    e.frame().Dispatch(cmd::kToggleStatusBar);
    QVERIFY(!e.frame().ToolBar()->isHidden());
    QVERIFY(!e.frame().statusBar()->isHidden());
    QCOMPARE(e.frame().toolBarArea(e.frame().ToolBar()), area);
    QCOMPARE(static_cast<int>(e.frame().ToolBar()->actions().size()), buttons);
    QVERIFY(e.frame().Action(cmd::kToggleToolbar)->isChecked());
  }

  void helpCommands() {
    EditorFixture e;
    e.frame().Dispatch(cmd::kAbout);
    e.frame().Dispatch(cmd::kKeyWordList);
    QCOMPARE(e.ui.aboutShown, 1);
    QCOMPARE(e.ui.keyWordTableShown, 1);
  }

  void keyWordTableIsReadOnlyHelpText() {
    CKeyWordTable dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Special Function Key Word Table"));
    QVERIFY(dialog.TextControl()->isReadOnly());
    QCOMPARE(dialog.TextControl()->toPlainText(),
             QString::fromLatin1(KeyWordHelpText().data(), static_cast<qsizetype>(KeyWordHelpText().size())));
    QCOMPARE(dialog.TextControl()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
  }

  void selectKeyboardDialog() {
    CSelectKeyboard dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Keyboard"));
    QStringList lines;
    for (QLabel* l : dialog.findChildren<QLabel*>()) lines << l->text();
    QCOMPARE(lines, (QStringList{"Are you sure to select another keyboard?",
                                 "This will clear the active template data !!!"}));
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("yes"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void textFileChooser_data() {
    QTest::addColumn<int>("use");
    QTest::addColumn<QString>("button");
    QTest::newRow("import") << int(CTextFileNamePath::Use::Import) << "Import";
    QTest::newRow("export") << int(CTextFileNamePath::Use::Export) << "Export";
  }
  void textFileChooser() {
    QFETCH(int, use);
    QFETCH(QString, button);
    QTemporaryDir dir;
    CTextFileNamePath chooser(static_cast<CTextFileNamePath::Use>(use));
    chooser.setDirectory(dir.path());
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Text File Template Import/Export"));
    QCOMPARE(chooser.nameFilters(), QStringList{"Text file template(*.txt)"});
    QCOMPARE(chooser.labelText(QFileDialog::Accept), button);
    QVERIFY(chooser.testOption(QFileDialog::DontUseNativeDialog));
    QVERIFY(chooser.testOption(QFileDialog::DontConfirmOverwrite));
    // A typed name without an extension gets the default one.
    chooser.show();
    chooser.selectFile(QStringLiteral("keys"));
    static_cast<QDialog&>(chooser).accept();
    QCOMPARE(chooser.selectedFiles().value(0), dir.filePath(QStringLiteral("keys.NULL")));
  }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
