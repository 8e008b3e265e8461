#include "commands/DocumentCommands.h"

#include <algorithm>
#include <filesystem>

#include "base/Messages.h"
#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"
#include "document/FileIo.h"
#include "document/SettingsStore.h"

namespace vexa {

DocumentCommands::DocumentCommands(CVEXADoc& doc, SettingsStore& settings, UserInterface& ui,
                                   DocumentEvents& events)
    : m_doc(doc), m_settings(settings), m_ui(ui), m_events(events) {}

void DocumentCommands::Register(CommandRouter& router) {
  router.Register(cmd::kNew, [this] { New(); });
  router.Register(cmd::kLoad, [this] { Load(); });
  router.Register(cmd::kSave, [this] { (void)Save(); });
  router.Register(cmd::kSaveAs, [this] { (void)SaveAs(); });
  router.Register(cmd::kExit, [this] { Exit(); });
  for (int i = 0; i < kRecentFileCount; ++i) {
    router.Register(
        cmd::kRecentFile1 + i, [this, i] { OpenRecent(i); },
        [this, i] { return static_cast<int>(m_settings.RecentFiles().size()) > i; });
  }
}

bool DocumentCommands::SaveModified() {
  if (!m_doc.IsModified()) return true;
  switch (m_ui.AskSaveChanges(m_doc.SaveQuestionName())) {
    case SaveAnswer::Yes:
      return Save();
    case SaveAnswer::No:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

void DocumentCommands::New() {
  if (!SaveModified()) return;
  m_doc.NewTemplate();
  DocumentEvents::Fire(m_events.documentReplaced);
  DocumentEvents::Fire(m_events.titleChanged);
}

void DocumentCommands::Load() {
  const auto path = m_ui.ChooseOpenFile();
  if (!path) return;
  (void)OpenFile(*path);
}

bool DocumentCommands::OpenFile(const std::string& path, bool fromRecentList) {
  if (!SaveModified()) return false;
  const Outcome outcome = m_doc.OpenTemplate(path);
  m_ui.Show(outcome);
  if (!outcome.ok) {
    if (fromRecentList) {
      auto list = m_settings.RecentFiles();
      std::erase(list, path);
      m_settings.SetRecentFiles(list);
    }
    return false;
  }
  AddRecent(path);
  DocumentEvents::Fire(m_events.documentReplaced);
  DocumentEvents::Fire(m_events.titleChanged);
  return true;
}

void DocumentCommands::OpenRecent(int index) {
  const auto list = m_settings.RecentFiles();
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  (void)OpenFile(list[static_cast<size_t>(index)], true);
}

bool DocumentCommands::Save() {
  if (m_doc.PathName().empty()) return SaveAs();
  return SaveTo(m_doc.PathName());
}

bool DocumentCommands::SaveAs() {
  const auto path =
      m_ui.ChooseSaveFile(m_doc.PathName().empty() ? std::string(msg::kUntitledTemplate) : m_doc.PathName());
  if (!path) return false;
  return SaveTo(WithTemplateExtension(*path));
}

std::string DocumentCommands::WithTemplateExtension(const std::string& path) {
  if (path.empty() || std::filesystem::path(path).has_extension() || path.back() == '/') return path;
  return path + std::string(msg::kTemplateExtension);
}

bool DocumentCommands::SaveTo(const std::string& path) {
  const Outcome outcome = m_doc.SaveTemplate(path);
  m_ui.Show(outcome);
  if (!outcome.ok) return false;
  AddRecent(path);
  DocumentEvents::Fire(m_events.saved);
  DocumentEvents::Fire(m_events.titleChanged);
  return true;
}

void DocumentCommands::Exit() {
  if (!SaveModified()) return;
  DocumentEvents::Fire(m_events.exitRequested);
}

void DocumentCommands::AddRecent(const std::string& path) {
  const std::string canonical = CanonicalPath(path);
  // Earlier entries of the same file (a form stored before, or a link to it)
  // go, so the file is listed once.
  std::vector<std::string> list = m_settings.RecentFiles();
  std::erase_if(list, [&canonical](const std::string& entry) { return CanonicalPath(entry) == canonical; });
  m_settings.SetRecentFiles(AddRecentFile(std::move(list), canonical));
}

}  // namespace vexa
