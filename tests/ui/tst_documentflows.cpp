// The document commands as the user runs them: New, Load, Save, Save As and
// Exit with the save question, the model switch, and the text template
// commands, with every dialog answered by the test.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "EditorFixture.h"
#include "commands/CommandTable.h"
#include "commands/DocumentCommands.h"

using namespace vexa;

namespace {

QByteArray ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Modify(EditorFixture& e, int key = 7, const char* content = "abc") {
  e.doc().Content(key) = content;
  e.doc().DefinedFlags()[static_cast<size_t>(key)] = 0;
  e.doc().SetModified(true);
}

}  // namespace

class TestDocumentFlows : public QObject {
  Q_OBJECT
 private slots:
  void startsWithNewTemplate() {
    EditorFixture e(2016);
    QCOMPARE(e.doc().Title(), std::string("Template : DV3500"));
    QCOMPARE(e.frame().windowTitle(),
             QStringLiteral("Template : DV3500[*] - Tessaly  Programmable Keyboard"));
    QVERIFY(!e.frame().isWindowModified());
    QCOMPARE(e.view().State().selectedKey, e.doc().KeyMap()[0]);
  }

  void newAsksWhenModified_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("saveChooser");
    QTest::newRow("yes saves first") << int(SaveAnswer::Yes) << true << true;
    QTest::newRow("no discards") << int(SaveAnswer::No) << true << false;
    QTest::newRow("cancel keeps") << int(SaveAnswer::Cancel) << false << false;
  }
  void newAsksWhenModified() {
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    QFETCH(bool, saveChooser);
    EditorFixture e;
    Modify(e);
    e.view().State().selectedPosition = 9;
    e.ui.saveAnswers.push_back(static_cast<SaveAnswer>(answer));
    e.ui.fileAnswers.push_back(e.Path("saved.bin"));
    e.frame().Dispatch(cmd::kNew);
    QCOMPARE(e.ui.saveQuestions, std::vector<std::string>{"Template : PX2400"});
    QCOMPARE(e.doc().Content(7).empty(), replaced);
    QCOMPARE(e.ui.saveChoosers, saveChooser ? 1 : 0);
    QCOMPARE(ReadAll(e.Path("saved.bin")).size(), saveChooser ? 2048 : 0);
    QCOMPARE(e.view().State().selectedPosition, replaced ? 0 : 9);
  }

  void newWithoutChangesAsksNothing() {
    EditorFixture e;
    e.frame().Dispatch(cmd::kNew);
    QVERIFY(e.ui.saveQuestions.empty());
  }

  void saveAsThenLoad() {
    EditorFixture e;
    Modify(e, 7, "hello");
    e.ui.fileAnswers.push_back(e.Path("one.bin"));
    e.frame().Dispatch(cmd::kSave);  // untitled: Save As
    QCOMPARE(e.ui.saveChoosers, 1);
    QVERIFY(!e.doc().IsModified());
    QCOMPARE(e.doc().Title(), std::string("one.bin : PX2400"));
    QCOMPARE(e.frame().windowTitle(), QStringLiteral("one.bin : PX2400[*] - Tessaly  Programmable Keyboard"));
    QCOMPARE(e.settings.RecentFiles(), std::vector<std::string>{e.Path("one.bin")});

    Modify(e, 7, "changed");
    e.frame().Dispatch(cmd::kSave);  // has a path now: no chooser
    QCOMPARE(e.ui.saveChoosers, 1);

    e.frame().Dispatch(cmd::kNew);
    QVERIFY(e.doc().Content(7).empty());
    e.ui.fileAnswers.push_back(e.Path("one.bin"));
    e.frame().Dispatch(cmd::kLoad);
    QCOMPARE(e.doc().Content(7), std::string("changed"));
    QCOMPARE(e.doc().DefinedFlags()[7], 1);
  }

  void saveRefusesInvalidKey() {
    EditorFixture e;
    Modify(e, 3, "[F1]a");
    e.ui.fileAnswers.push_back(e.Path("bad.bin"));
    e.frame().Dispatch(cmd::kSaveAs);
    // The second line names the key and the word that is wrong.
    QCOMPARE(e.ui.messages,
             std::vector<std::string>{"Wrong function word or scan code word!!\nKey " + e.doc().KeyName(3) +
                                      ": the scan code word [F1] can't be mixed with "
                                      "characters or ASCII mode words."});
    QVERIFY(!QFile::exists(QString::fromStdString(e.Path("bad.bin"))));
    QVERIFY(e.doc().IsModified());
    QVERIFY(e.settings.RecentFiles().empty());
  }

  void loadFailureKeepsTemplate() {
    EditorFixture e;
    Modify(e, 7, "keep");
    e.doc().SetModified(false);
    e.ui.fileAnswers.push_back(e.Path("missing.bin"));
    e.frame().Dispatch(cmd::kLoad);
    QCOMPARE(e.ui.messages.size(), size_t{1});
    QVERIFY(QString::fromStdString(e.ui.messages[0]).contains(QStringLiteral("missing.bin")));
    QCOMPARE(e.doc().Content(7), std::string("keep"));
  }

  void recentFileThatVanishedIsDropped() {
    EditorFixture e;
    e.settings.SetRecentFiles({e.Path("gone.bin")});
    e.frame().Dispatch(cmd::kRecentFile1);
    QCOMPARE(e.ui.messages.size(), size_t{1});
    QVERIFY(e.settings.RecentFiles().empty());
  }

  void exitAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("cancel") << int(SaveAnswer::Cancel) << false;
    QTest::newRow("no") << int(SaveAnswer::No) << true;
  }
  void exitAsks() {
    QFETCH(int, answer);
    QFETCH(bool, closed);
    EditorFixture e;
    e.frame().show();
    Modify(e);
    e.ui.saveAnswers.push_back(static_cast<SaveAnswer>(answer));
    e.frame().Dispatch(cmd::kExit);
    QCOMPARE(e.ui.saveQuestions.size(), size_t{1});  // asked once, not again by the close
    QCOMPARE(!e.frame().isVisible(), closed);
    // The close box asks the same question.
    if (!closed) {
      e.ui.saveAnswers.push_back(SaveAnswer::Cancel);
      QVERIFY(!e.frame().close());
      QCOMPARE(e.ui.saveQuestions.size(), size_t{2});
    }
  }

  void modelSwitch_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }
  void modelSwitch() {
    QFETCH(bool, confirm);
    EditorFixture e;
    Modify(e);
    e.view().State().selectedPosition = 4;
    e.ui.modelSwitchAnswers.push_back(confirm);
    e.frame().Dispatch(cmd::kModelDV3100);
    QCOMPARE(e.ui.modelSwitchQuestions, 1);
    QCOMPARE(e.doc().ModelId(), confirm ? 2017 : 2013);
    QCOMPARE(e.settings.ReadInt(kSettingsSection, kSettingsModelEntry).value_or(0), confirm ? 2017 : 2013);
    QCOMPARE(e.doc().Content(7).empty(), confirm);
    QCOMPARE(e.view().State().selectedPosition, confirm ? 0 : 4);
    QCOMPARE(e.frame().Action(cmd::kModelDV3100)->isChecked(), confirm);
    QCOMPARE(e.frame().Action(cmd::kConfigCardReader)->isEnabled(), !confirm);
    QCOMPARE(e.frame().windowTitle().startsWith(QStringLiteral("Template : DV3100[*] - ")), confirm);
    QVERIFY(e.ui.saveQuestions.empty());  // the switch never asks about saving
  }

  // A key's mode follows its content whenever the contents are replaced: New,
  // Load, Import and Load Default leave position 0 selected, and a scan code
  // content there shows "ScanCode Mode" with the commands of that mode.
  void selectedKeyModeFollowsReplacedContents_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("Load") << cmd::kLoad;
    QTest::newRow("Import Text Data") << cmd::kImportText;
    QTest::newRow("Load Default") << cmd::kLoadDefault;
  }
  void selectedKeyModeFollowsReplacedContents() {
    QFETCH(int, command);
    EditorFixture e(2017);
    const int first = e.doc().KeyMap()[0];
    e.doc().Content(first) = "[F1][F2]";
    e.ui.fileAnswers.push_back(e.Path("scan.bin"));
    e.frame().Dispatch(cmd::kSaveAs);
    e.ui.fileAnswers.push_back(e.Path("DV3100.txt"));
    e.frame().Dispatch(cmd::kExportText);
    e.frame().Dispatch(cmd::kNew);
    QVERIFY(e.view().State().SelectedIsAscii());

    e.ui.fileAnswers.push_back(e.Path(command == cmd::kLoad ? "scan.bin" : "DV3100.txt"));
    e.frame().Dispatch(command);
    QCOMPARE(e.doc().Content(first), std::string("[F1][F2]"));
    QVERIFY(!e.view().State().SelectedIsAscii());
    QVERIFY(!e.frame().Action(cmd::kSetScanCodeMode)->isEnabled());
    QVERIFY(e.frame().Action(cmd::kSetAsciiMode)->isEnabled());
    QVERIFY(e.frame().Action(cmd::kSelectScanCode)->isEnabled());
    QVERIFY(e.ui.messages.empty());
  }

  // A template file named on the command line (relative) is remembered
  // absolute, and once, also when it is opened again by its absolute name.
  void commandLineFileIsRememberedAbsolute() {
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath(QStringLiteral("shop.bin"))).open(QIODevice::WriteOnly));  // empty: opens
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    MemorySettingsStore settings;
    ScriptedUserInterface ui;
    ui.portAnswers.push_back(std::nullopt);  // the port dialog is not the point here
    CVEXAApp app(settings, ui, dir.path().toStdString());
    StartupOptions options;
    options.templateFile = "shop.bin";
    (void)app.Start(options);
    QVERIFY(QDir::setCurrent(previous));
    const std::string absolute =
        QFileInfo(dir.filePath(QStringLiteral("shop.bin"))).canonicalFilePath().toStdString();
    QCOMPARE(settings.RecentFiles(), std::vector<std::string>{absolute});
    QVERIFY(app.FileCommands().OpenFile(absolute));
    QCOMPARE(settings.RecentFiles(), std::vector<std::string>{absolute});
  }

  void exportImportRoundTrip() {
    EditorFixture e;
    Modify(e, e.doc().KeyMap()[3], "a,b\\c");
    e.ui.fileAnswers.push_back(e.Path("keys.txt"));
    e.frame().Dispatch(cmd::kExportText);
    QCOMPARE(e.ui.textChoosers, std::vector<TextFileUse>{TextFileUse::Export});
    QVERIFY(e.ui.messages.empty());
    QCOMPARE(e.doc().Title(), std::string("Template : PX2400"));  // the template's title stays
    QVERIFY(ReadAll(e.Path("keys.txt")).contains("a\\,b\\\\c\r\n"));

    e.ui.saveAnswers.push_back(SaveAnswer::No);
    e.frame().Dispatch(cmd::kNew);
    QVERIFY(!e.doc().IsModified());
    e.ui.fileAnswers.push_back(e.Path("keys.txt"));
    e.frame().Dispatch(cmd::kImportText);
    QCOMPARE(e.doc().Content(e.doc().KeyMap()[3]), std::string("a,b\\c"));
    QVERIFY(e.ui.messages.empty());
    // The imported keys are the user's work now: New asks before dropping them.
    QVERIFY(e.doc().IsModified());
    const size_t questions = e.ui.saveQuestions.size();
    e.ui.saveAnswers.push_back(SaveAnswer::Cancel);
    e.frame().Dispatch(cmd::kNew);
    QCOMPARE(e.ui.saveQuestions.size(), questions + 1);
    QCOMPARE(e.doc().Content(e.doc().KeyMap()[3]), std::string("a,b\\c"));
  }

  void textCommandMessages() {
    EditorFixture e;
    // Cancelled import: nothing read, the title as it was.
    e.frame().Dispatch(cmd::kImportText);
    QCOMPARE(e.doc().Title(), std::string("Template : PX2400"));
    QVERIFY(e.ui.messages.empty());
    // Missing file.
    e.ui.fileAnswers.push_back(e.Path("nothere.txt"));
    e.frame().Dispatch(cmd::kImportText);
    QCOMPARE(e.ui.messages.back(),
             "The text file: <" + e.Path("nothere.txt") + "> is NOT in the directory !!");
    QVERIFY(!e.doc().IsModified());  // nothing was read, nothing changed
    // Wrong row count: the lines read are applied, then the message.
    QFile f(QString::fromStdString(e.Path("short.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("X,abc\n");
    f.close();
    e.ui.fileAnswers.push_back(e.Path("short.txt"));
    e.frame().Dispatch(cmd::kImportText);
    QCOMPARE(e.ui.messages.back(), std::string("The number of rows in the text file is wrong\n"));
    QCOMPARE(e.doc().Labels()[0], std::string("X"));
    QCOMPARE(e.doc().Content(e.doc().KeyMap()[0]), std::string("abc"));
    // Export into a directory that does not exist.
    e.ui.fileAnswers.push_back(e.Path("no/such/dir.txt"));
    e.frame().Dispatch(cmd::kExportText);
    QCOMPARE(e.ui.messages.back(), "The text file: <" + e.Path("no/such/dir.txt") + "> can't be written !!");
  }

  void loadDefaultReadsStartupDirectory() {
    EditorFixture e(2017);
    e.frame().Dispatch(cmd::kLoadDefault);
    const std::string path = e.dir.path().toStdString() + "/DV3100.txt";
    QCOMPARE(e.ui.messages.back(), "The text file: <" + path + "> is NOT in the directory !!");
    QCOMPARE(e.doc().Title(), std::string("Template : DV3100"));

    QFile f(QString::fromStdString(path));
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 17; ++i)
      f.write(QByteArray("L") + QByteArray::number(i) + ",[F" + QByteArray::number(i % 9 + 1) + "]\r\n");
    f.close();
    // The selected key's content changes under the cursor: the view starts over.
    e.view().State().cursor = 40;
    e.view().State().caretColumn = 40;
    const size_t before = e.ui.messages.size();
    e.frame().Dispatch(cmd::kLoadDefault);
    QCOMPARE(e.ui.messages.size(), before);
    QCOMPARE(e.doc().Labels()[16], std::string("L16"));
    QCOMPARE(e.view().State().cursor, 0);
    QVERIFY(!e.view().State().SelectedIsAscii());
  }
};

QTEST_MAIN(TestDocumentFlows)
#include "tst_documentflows.moc"
