// A whole editor for widget tests: in-memory settings, scripted dialogs, a
// temporary start-up directory.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/CMainFrame.h"
#include "app/CVEXAApp.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/ScriptedUserInterface.h"
#include "view/ui/CVEXAView.h"

namespace vexa {

struct EditorFixture {
  explicit EditorFixture(int modelId = 2013) {
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
    app = std::make_unique<CVEXAApp>(settings, ui, dir.path().toStdString());
    (void)app->Start({});
  }
  [[nodiscard]] std::string Path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
  CVEXADoc& doc() { return app->Document(); }
  CVEXAView& view() { return app->View(); }
  CMainFrame& frame() { return app->Frame(); }

  QTemporaryDir dir;
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  std::unique_ptr<CVEXAApp> app;
};

}  // namespace vexa
