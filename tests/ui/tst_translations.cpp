// The editor in the user's language: the menus, the status bar, the core's
// texts and the dialogs follow the loaded translation, and English (LANG=C)
// is exactly the program's own text. The translation is the made-up language
// "xx" of data/vexa_xx.ts, built beside this test.
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>
#include <map>
#include <string>

#include "EditorFixture.h"
#include "app/CAboutDlg.h"
#include "base/Messages.h"
#include "commands/CommandTable.h"
#include "i18n/Translations.h"
#include "models/ui/CKeyWordTable.h"

using namespace vexa;

namespace {

// An environment of the given variables only.
i18n::Environment Env(std::map<std::string, std::string> vars) {
  return [vars = std::move(vars)](const char* name) -> const char* {
    const auto found = vars.find(name);
    return found == vars.end() ? nullptr : found->second.c_str();
  };
}

const QStringList kFolders{QStringLiteral(VEXA_TEST_QM_DIR)};

QStringList MenuTitles(CMainFrame& frame) {
  QStringList titles;
  for (QAction* action : frame.menuBar()->actions()) titles << action->text();
  return titles;
}

QString AboutVersionLine() {
  CAboutDlg about;
  for (QLabel* label : about.findChildren<QLabel*>())
    if (!label->text().isEmpty()) return label->text();
  return {};
}

const QStringList kEnglishMenus{QStringLiteral("&Template"), QStringLiteral("Key&board"),
                                QStringLiteral("&Key Edit"), QStringLiteral("&Configuration"),
                                QStringLiteral("T&esting"),  QStringLiteral("&View"),
                                QStringLiteral("&Help")};

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { i18n::UnloadTranslations(qApp); }

  void englishUnderC_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");
    QTest::newRow("LANG=C") << QStringLiteral("C") << QString();
    QTest::newRow("LANG=C, LANGUAGE=xx") << QStringLiteral("C") << QStringLiteral("xx");
  }
  void englishUnderC() {
    QFETCH(QString, lang);
    QFETCH(QString, language);
    std::map<std::string, std::string> vars{{"LANG", lang.toStdString()}};
    if (!language.isEmpty()) vars["LANGUAGE"] = language.toStdString();
    QCOMPARE(i18n::LoadTranslations(qApp, Env(vars), kFolders), QString());
    EditorFixture e;
    QCOMPARE(MenuTitles(e.frame()), kEnglishMenus);
    QCOMPARE(e.frame().MessagePane()->text(), QStringLiteral("Ready"));
    QCOMPARE(e.frame().Action(cmd::kNew)->text(), QStringLiteral("&New\tCtrl+N"));
    QCOMPARE(e.frame().Action(cmd::kNew)->statusTip(), QStringLiteral("Create a new Template"));
    QCOMPARE(CKeyWordTable().windowTitle(), QStringLiteral("Special Function Key Word Table"));
    QCOMPARE(AboutVersionLine(), QStringLiteral("Keyboard Editor Version " VEXA_VERSION));
  }

  void followsTheLanguage() {
    QCOMPARE(i18n::LoadTranslations(qApp, Env({{"LANG", "xx_YY.UTF-8"}}), kFolders), QStringLiteral("xx"));
    EditorFixture e;
    QStringList menus = kEnglishMenus;
    menus[0] = QStringLiteral("&Vorläge");
    QCOMPARE(MenuTitles(e.frame()), menus);
    // Beyond Latin-1: the translation's UTF-8 reaches the widgets intact.
    QCOMPARE(e.frame().MessagePane()->text(), QStringLiteral("Bereit äöü €"));
    QAction* newTemplate = e.frame().Action(cmd::kNew);
    QCOMPARE(newTemplate->text(), QStringLiteral("&Neu\tCtrl+N"));
    QCOMPARE(newTemplate->statusTip(), QStringLiteral("Eine neue Vorläge anlegen"));
    // A text the language leaves out stays English.
    QCOMPARE(newTemplate->toolTip(), QStringLiteral("New Template"));
    QCOMPARE(CKeyWordTable().windowTitle(), QStringLiteral("Tabelle der Schlüsselwörter"));
    QCOMPARE(AboutVersionLine(), QStringLiteral("Tastatur-Editor, Fassung " VEXA_VERSION));
    // A translation that lost its placeholder is not used.
    QCOMPARE(std::string(msg::Tr(msg::kSaveChanges)), std::string(msg::kSaveChanges));
  }

  void englishAgainAfterwards_data() {
    QTest::addColumn<bool>("byUnload");
    QTest::newRow("UnloadTranslations") << true;
    QTest::newRow("LoadTranslations with LANG=C") << false;
  }
  void englishAgainAfterwards() {
    QFETCH(bool, byUnload);
    QCOMPARE(i18n::LoadTranslations(qApp, Env({{"LANG", "xx"}}), kFolders), QStringLiteral("xx"));
    {
      EditorFixture e;
      QCOMPARE(MenuTitles(e.frame()).front(), QStringLiteral("&Vorläge"));
    }
    if (byUnload)
      i18n::UnloadTranslations(qApp);
    else
      QCOMPARE(i18n::LoadTranslations(qApp, Env({{"LANG", "C"}}), kFolders), QString());
    EditorFixture e;
    QCOMPARE(MenuTitles(e.frame()), kEnglishMenus);
    QCOMPARE(e.frame().MessagePane()->text(), QStringLiteral("Ready"));
    QCOMPARE(CKeyWordTable().windowTitle(), QStringLiteral("Special Function Key Word Table"));
    QCOMPARE(std::string(msg::Tr(msg::kReady)), std::string("Ready"));
  }

  void missingLanguageIsEnglish() {
    // No vexa_fr.qm beside the test: French falls through to the next entry.
    QCOMPARE(i18n::LoadTranslations(qApp, Env({{"LANG", "fr_FR.UTF-8"}}), kFolders), QString());
    QCOMPARE(i18n::LoadTranslations(qApp, Env({{"LANG", "de_DE"}, {"LANGUAGE", "fr:xx"}}), kFolders),
             QStringLiteral("xx"));
    EditorFixture e;
    QCOMPARE(e.frame().MessagePane()->text(), QStringLiteral("Bereit äöü €"));
  }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
