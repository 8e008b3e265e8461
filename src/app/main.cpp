// vexa: the key definition editor.
//   vexa [FILE] [--simulate-keyboard FILE]
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "app/CMainFrame.h"
#include "app/CVEXAApp.h"
#include "app/Messages.h"
#include "app/QtUserInterface.h"
#include "device/RealPortGuard.h"
#include "document/qt/QtSettingsStore.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(vexa::msg::kSettingsOrganisation.data()));
  QApplication::setApplicationName(QString::fromLatin1(vexa::msg::kSettingsApplication.data()));
  QApplication::setApplicationVersion(QStringLiteral(VEXA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Key definition editor for programmable point-of-sale keyboards"));
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption simulate(QStringLiteral("simulate-keyboard"),
                              QStringLiteral("Use a simulated keyboard whose memory is kept in <file>."),
                              QStringLiteral("file"));
  parser.addOption(simulate);
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Template file to open."), QStringLiteral("[file]"));
  parser.process(app);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fprintf(stderr, "vexa: at most one template file may be named\n");
    return 2;
  }

  vexa::StartupOptions options;
  if (!files.isEmpty()) options.templateFile = files.front().toLocal8Bit().toStdString();
  options.simulatedKeyboardFile = parser.value(simulate).toLocal8Bit().toStdString();

  // Only a run with the real keyboard may touch the keyboard controller.
  if (options.simulatedKeyboardFile.empty()) vexa::RealPortGuard::GrantFromMain();

  vexa::QtSettingsStore settings;
  vexa::QtUserInterface ui;
  vexa::CVEXAApp editor(settings, ui, QDir::currentPath().toLocal8Bit().toStdString());
  ui.SetParent(&editor.Frame());
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
