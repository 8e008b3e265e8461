// The main window: menus, toolbar, accelerators, status bar and the command
// states, plus the small dialogs of the shell.
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QtTest>

#include "EditorFixture.h"
#include "app/QtUserInterface.h"
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

// Whether anything is drawn in the check column (left of the text) of each
// entry of `menu`, as the menu paints itself.
QMap<QAction*, bool> CheckColumnInk(QMenu* menu) {
  menu->adjustSize();
  const QImage image = menu->grab().toImage();
  QMap<QAction*, bool> ink;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    const QRect row = menu->actionGeometry(action);
    const QRgb background = image.pixel(row.left() + 2, row.top() + 1);
    bool found = false;
    for (int y = row.top() + 2; y < row.bottom() - 1 && !found; ++y)
      for (int x = row.left() + 2; x < row.left() + 20 && !found; ++x)
        found = qAbs(qGray(image.pixel(x, y)) - qGray(background)) > 60;
    ink[action] = found;
  }
  return ink;
}

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
    QCOMPARE(
        MenuTexts(MenuAt(e.frame(), 0)),
        (QStringList{"&New\tCtrl+N", "&Load...\tCtrl+L", "&Save\tCtrl+S", "Save &As...", "-",
                     "Load &Default\tCtrl+D", "-", "&Import Text Data\tCtrl+I", "&Export Text Data\tCtrl+E",
                     "-", "&Print...", "Export Pic&ture...", "-", "E&xit"}));
    QCOMPARE(MenuTexts(MenuAt(e.frame(), 1)),
             (QStringList{"PX2100", "PX2200", "PX2400", "DV3300", "DV3500", "DV3100"}));
    // Undo and Redo head the Key Edit menu.
    QCOMPARE(MenuTexts(MenuAt(e.frame(), 2)).mid(0, 4),
             (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "&Clear Current Key"}));
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
    QCOMPARE(texts.mid(13), (QStringList{"&1 /tmp/a.bin", "&2 /tmp/b.bin", "-", "E&xit"}));
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
    for (int id : {cmd::kNew, cmd::kLoad, cmd::kSave, cmd::kSaveAs, cmd::kPrint, cmd::kExportPicture,
                   cmd::kExit, cmd::kKeyWordList, cmd::kAbout}) {
      QVERIFY(e.frame().Action(id)->isEnabled());
    }
    QVERIFY(e.frame().Action(cmd::kToggleToolbar)->isChecked());
    QVERIFY(e.frame().Action(cmd::kToggleStatusBar)->isChecked());
  }

  void acceleratorsAreConsumed_data() {
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<int>("openChoosers");
    QTest::addColumn<int>("textChooser");  // -1 none, else the TextFileUse shown
    QTest::addColumn<bool>("loadsDefault");
    const int none = -1, import = int(TextFileUse::Import), exportUse = int(TextFileUse::Export);
    const auto row = [](const char* name, QKeyCombination keys, int open, int text, bool loadDefault) {
      QTest::newRow(name) << keys << open << text << loadDefault;
    };
    row("Ctrl+O loads", QKeyCombination(Qt::ControlModifier, Qt::Key_O), 1, none, false);
    // The shortcuts the Template menu shows are bound as well.
    row("Ctrl+L loads", QKeyCombination(Qt::ControlModifier, Qt::Key_L), 1, none, false);
    row("Ctrl+D loads the default", QKeyCombination(Qt::ControlModifier, Qt::Key_D), 0, none, true);
    row("Ctrl+I imports", QKeyCombination(Qt::ControlModifier, Qt::Key_I), 0, import, false);
    row("Ctrl+E exports", QKeyCombination(Qt::ControlModifier, Qt::Key_E), 0, exportUse, false);
    row("Ctrl+Z", QKeyCombination(Qt::ControlModifier, Qt::Key_Z), 0, none, false);
    row("Alt+Backspace", QKeyCombination(Qt::AltModifier, Qt::Key_Backspace), 0, none, false);
    row("Ctrl+Y", QKeyCombination(Qt::ControlModifier, Qt::Key_Y), 0, none, false);
    row("Ctrl+Shift+Z", QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z), 0, none, false);
    row("Ctrl+X", QKeyCombination(Qt::ControlModifier, Qt::Key_X), 0, none, false);
    row("Shift+Delete", QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete), 0, none, false);
    row("Ctrl+C", QKeyCombination(Qt::ControlModifier, Qt::Key_C), 0, none, false);
    row("Ctrl+Insert", QKeyCombination(Qt::ControlModifier, Qt::Key_Insert), 0, none, false);
    row("Ctrl+V", QKeyCombination(Qt::ControlModifier, Qt::Key_V), 0, none, false);
    row("Shift+Insert", QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert), 0, none, false);
    row("F6", QKeyCombination(Qt::Key_F6), 0, none, false);
    row("Shift+F6", QKeyCombination(Qt::ShiftModifier, Qt::Key_F6), 0, none, false);
  }
  void acceleratorsAreConsumed() {
    QFETCH(QKeyCombination, keys);
    QFETCH(int, openChoosers);
    QFETCH(int, textChooser);
    QFETCH(bool, loadsDefault);
    EditorFixture e;
    KeySpy spy;
    e.view().SetKeyHandler(&spy);
    e.frame().show();
    e.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.frame()));
    e.view().setFocus();
    const std::string content = e.doc().Content(e.view().State().selectedKey);
    QTest::keyClick(&e.view(), keys.key(), keys.keyboardModifiers());
    QVERIFY(!spy.pressed.contains(keys));  // never typed into the selected key
    QCOMPARE(e.doc().Content(e.view().State().selectedKey), content);
    QCOMPARE(e.ui.openChoosers, openChoosers);
    QCOMPARE(e.ui.textChoosers.size(), size_t(textChooser < 0 ? 0 : 1));
    if (textChooser >= 0) QCOMPARE(int(e.ui.textChoosers.front()), textChooser);
    // Load Default reads <start-up directory>/PX2400.txt, which is missing here.
    QCOMPARE(e.ui.messages.size() == 1 && e.ui.messages.front().find("PX2400.txt") != std::string::npos,
             loadsDefault);
  }

  // Undo and Redo are greyed while there is nothing to undo or redo, and New
  // starts a fresh history.
  void undoAndRedoFollowTheHistory() {
    EditorFixture e;
    CMainFrame& frame = e.frame();
    auto states = [&] {
      frame.RefreshCommandStates();
      return std::pair{frame.Action(cmd::kUndo)->isEnabled(), frame.Action(cmd::kRedo)->isEnabled()};
    };
    QCOMPARE(states(), std::pair(false, false));
    e.ui.delayAnswers.push_back(5);
    frame.Dispatch(cmd::kInsertDelay);
    QCOMPARE(states(), std::pair(true, false));
    frame.Dispatch(cmd::kUndo);
    QCOMPARE(e.doc().Content(e.view().State().selectedKey), std::string());
    QCOMPARE(states(), std::pair(false, true));
    frame.Dispatch(cmd::kRedo);
    QCOMPARE(e.doc().Content(e.view().State().selectedKey), std::string("[Delay5]"));
    QCOMPARE(states(), std::pair(true, false));
    e.ui.saveAnswers.push_back(SaveAnswer::No);
    frame.Dispatch(cmd::kNew);
    QCOMPARE(states(), std::pair(false, false));
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
    // The help text, one tab between a key word and its description.
    const std::string columns = KeyWordHelpColumns();
    QCOMPARE(dialog.TextControl()->toPlainText(),
             QString::fromLatin1(columns.data(), static_cast<qsizetype>(columns.size())));
    std::string collapsed(KeyWordHelpText());
    for (size_t at; (at = collapsed.find("\t\t")) != std::string::npos;) collapsed.erase(at, 1);
    QCOMPARE(columns, collapsed);
    QCOMPARE(dialog.TextControl()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
  }

  // Every description (and the note's text) starts in the same column, past
  // the longest key word.
  void keyWordTableDescriptionsLineUp() {
    CKeyWordTable dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTextEdit* text = dialog.TextControl();
    QSet<int> columns;
    int rows = 0, widestWord = 0;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      const int tab = static_cast<int>(block.text().indexOf(QLatin1Char('\t')));
      if (tab < 0) continue;
      QTextCursor before(block), after(block);
      before.setPosition(block.position() + tab);
      after.setPosition(block.position() + tab + 1);
      widestWord = std::max(widestWord, text->cursorRect(before).left());
      columns.insert(text->cursorRect(after).left());
      ++rows;
    }
    QVERIFY(rows > 80);
    QCOMPARE(columns.size(), 1);
    QVERIFY(*columns.begin() > widestWord);
  }

  // The real message boxes: the icon follows the kind of message, and the
  // save question (a question) names the file it would save.
  void messageBoxIcons_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("icon");
    QTest::newRow("warning") << int(MessageKind::Warning) << int(QMessageBox::Warning);
    QTest::newRow("stop") << int(MessageKind::Stop) << int(QMessageBox::Critical);
    QTest::newRow("question") << int(MessageKind::Question) << int(QMessageBox::Question);
  }
  void messageBoxIcons() {
    QFETCH(int, kind);
    QFETCH(int, icon);
    QtUserInterface ui;
    QString shownText;
    int shownIcon = -1;
    auto answer = [&](QMessageBox::StandardButton button) {
      QTimer::singleShot(0, [&, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shownText = box->text();
        shownIcon = box->icon();
        box->button(button)->click();
      });
    };
    answer(QMessageBox::Ok);
    ui.Message("Can't open the KB driver", static_cast<MessageKind>(kind));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(shownText, QStringLiteral("Can't open the KB driver"));

    answer(QMessageBox::No);
    QCOMPARE(ui.AskSaveChanges("shop.bin"), SaveAnswer::No);
    QCOMPARE(shownIcon, int(QMessageBox::Question));
    QCOMPARE(shownText, QStringLiteral("Save changes to shop.bin?"));
  }

  // One exclusive group: the tick stays only on the current model, also
  // after switches; models that were current once show nothing.
  void keyboardMenuTicksOnlyTheCurrentModel() {
    EditorFixture e(2016);
    for (int model : {2017, 2013}) {
      e.ui.modelSwitchAnswers.push_back(true);
      e.frame().Dispatch(ModelCommandOf(model));
    }
    QVERIFY(e.frame().ModelGroup()->isExclusive());
    QCOMPARE(e.frame().ModelGroup()->actions().size(), 6);
    for (int modelId = 2013; modelId <= 2018; ++modelId) {
      QAction* entry = e.frame().Action(ModelCommandOf(modelId));
      QCOMPARE(entry->actionGroup(), e.frame().ModelGroup());
      QCOMPARE(entry->isChecked(), modelId == 2013);
    }
    // A switch answered No leaves the tick where it was.
    e.frame().Dispatch(ModelCommandOf(2018));
    QVERIFY(e.frame().Action(ModelCommandOf(2013))->isChecked());
    QVERIFY(!e.frame().Action(ModelCommandOf(2018))->isChecked());

    const QMap<QAction*, bool> ink = CheckColumnInk(MenuAt(e.frame(), 1));
    QCOMPARE(ink.size(), 6);
    for (auto it = ink.begin(); it != ink.end(); ++it)
      QCOMPARE(it.value(), it.key() == e.frame().Action(cmd::kModelPX2400));
  }

  // The View entries show a tick while their bar is shown and nothing when not.
  void viewMenuShowsNoEmptyBoxes() {
    EditorFixture e;
    e.frame().Dispatch(cmd::kToggleToolbar);  // hidden
    e.frame().RefreshCommandStates();
    const QMap<QAction*, bool> ink = CheckColumnInk(MenuAt(e.frame(), 5));
    QCOMPARE(ink.value(e.frame().Action(cmd::kToggleToolbar)), false);
    QCOMPARE(ink.value(e.frame().Action(cmd::kToggleStatusBar)), true);
    // Entries without a check rule are not checkable at all.
    QVERIFY(!e.frame().Action(cmd::kNew)->isCheckable());
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
    QCOMPARE(chooser.selectedFiles().value(0), dir.filePath(QStringLiteral("keys.txt")));
  }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
