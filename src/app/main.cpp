// vexa: the key definition editor.
//   vexa [FILE] [--simulate-keyboard FILE | --ps2-device NODE]
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <string_view>

#include "app/CMainFrame.h"
#include "app/CVEXAApp.h"
#include "app/DarkPalette.h"
#include "app/QtUserInterface.h"
#include "base/Messages.h"
#include "base/Version.h"
#include "device/RealPortGuard.h"
#include "device/linux/TerminationWatcher.h"
#include "document/qt/QtSettingsStore.h"
#include "i18n/Translations.h"

namespace {

void DescribeApplication() {
  QCoreApplication::setOrganizationName(QString::fromLatin1(vexa::msg::kSettingsOrganisation.data()));
  QCoreApplication::setApplicationName(QString::fromLatin1(vexa::msg::kSettingsApplication.data()));
  QCoreApplication::setApplicationVersion(QStringLiteral(VEXA_VERSION));
}

// The command line's options. Their descriptions are looked up once the
// translations are loaded, so --help answers in the user's language.
struct Options {
  QCommandLineOption simulate{
      QStringLiteral("simulate-keyboard"),
      QCoreApplication::translate("main",
                                  "Use a simulated keyboard whose memory is kept in <file>; a "
                                  "directory: one USB keyboard per .bin file in it."),
      QStringLiteral("file")};
  QCommandLineOption ps2Device{
      QStringLiteral("ps2-device"),
      QCoreApplication::translate("main",
                                  "PS/2 through <node>, an already bound serio_raw device (/dev/serio_rawN): "
                                  "nothing is bound."),
      QStringLiteral("node")};
};

void DescribeOptions(QCommandLineParser& parser, const Options& options) {
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Key definition editor for programmable point-of-sale keyboards"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(options.simulate);
  parser.addOption(options.ps2Device);
  parser.addPositionalArgument(QStringLiteral("file"),
                               QCoreApplication::translate("main", "Template file to open."),
                               QStringLiteral("[file]"));
}

// --help and --version answer without a display (from a shell or a package
// check); the window system is only connected for a real run.
bool AsksForHelpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-?" || arg == "-v" ||
        arg == "--version")
      return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // First, before Qt starts any thread: SIGINT, SIGTERM and SIGHUP give the
  // PS/2 keyboard port back before the program ends, and SIGPIPE is ignored.
  const vexa::TerminationWatcher watcher;
  if (AsksForHelpOrVersion(argc, argv)) {
    QCoreApplication info(argc, argv);
    vexa::i18n::LoadTranslations(&info);
    DescribeApplication();
    const Options described;
    QCommandLineParser parser;
    DescribeOptions(parser, described);
    parser.process(info);  // prints the text and ends the program
  }

  QApplication app(argc, argv);
  vexa::i18n::LoadTranslations(&app);
  DescribeApplication();
  vexa::ApplyPaletteFromEnvironment();  // a test aid: see DarkPalette.h
  const Options described;
  const QCommandLineOption& simulate = described.simulate;
  const QCommandLineOption& ps2Device = described.ps2Device;
  QCommandLineParser parser;
  DescribeOptions(parser, described);
  parser.process(app);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fprintf(stderr, "vexa: at most one template file may be named\n");
    return 2;
  }

  vexa::StartupOptions options;
  if (!files.isEmpty()) options.templateFile = files.front().toLocal8Bit().toStdString();
  options.simulatedKeyboardFile = parser.value(simulate).toLocal8Bit().toStdString();
  options.ps2Device = parser.value(ps2Device).toLocal8Bit().toStdString();
  if (parser.isSet(ps2Device) && (options.ps2Device.empty() || parser.isSet(simulate))) {
    std::fprintf(stderr, "vexa: --ps2-device takes a device node and excludes --simulate-keyboard\n");
    return 2;
  }

  // Only a run with the real keyboard may touch the keyboard controller.
  if (options.simulatedKeyboardFile.empty() && options.ps2Device.empty())
    vexa::RealPortGuard::GrantFromMain();

  vexa::QtSettingsStore settings;
  vexa::QtUserInterface ui;
  vexa::CVEXAApp editor(settings, ui, QDir::currentPath().toLocal8Bit().toStdString());
  ui.SetParent(&editor.Frame());
  ui.SetStatusBar(editor.Frame().statusBar());
  switch (editor.Start(options)) {
    case vexa::StartResult::Ok:
      break;
    case vexa::StartResult::OpenFailed:
      return 1;
    case vexa::StartResult::Cancelled:
      return 0;
    case vexa::StartResult::PortFailed:
      return 1;
  }
  editor.Show();
  return QApplication::exec();
}
