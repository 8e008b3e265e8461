// The Template menu's file commands: New, Load, Save, Save As, the recent-file
// entries and Exit, with the "Save changes to %1?" question before a modified
// template is replaced or the program ends.
#pragma once

#include <string>

#include "commands/DocumentEvents.h"

namespace vexa {

class CVEXADoc;
class CommandRouter;
class SettingsStore;
class UserInterface;

class DocumentCommands {
 public:
  DocumentCommands(CVEXADoc& doc, SettingsStore& settings, UserInterface& ui, DocumentEvents& events);

  void Register(CommandRouter& router);

  void New();
  void Load();
  // Opens `path` after asking about unsaved changes; false when refused or
  // cancelled. A recent-file entry that can no longer be opened is dropped.
  bool OpenFile(const std::string& path, bool fromRecentList = false);
  bool Save();
  bool SaveAs();
  void Exit();
  // Asks about unsaved changes; true when the template may be replaced or
  // the program may end (saved, or the user answered No).
  [[nodiscard]] bool SaveModified();
  void OpenRecent(int index);
  // Save As gives a file name typed without an extension the extension .bin
  // ("shop.v2" has one and stays as it is).
  [[nodiscard]] static std::string WithTemplateExtension(const std::string& path);
  // Puts `path` first in the recent-file list, in its absolute, canonical
  // form: the entry still opens from another directory, and one file never
  // appears twice however it was named (relative on the command line,
  // absolute in the chooser).
  void AddRecent(const std::string& path);

 private:
  bool SaveTo(const std::string& path);

  CVEXADoc& m_doc;
  SettingsStore& m_settings;
  UserInterface& m_ui;
  DocumentEvents& m_events;
};

}  // namespace vexa
