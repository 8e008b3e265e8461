// The text template commands of the Template menu: Load Default, Import Text
// Data and Export Text Data. Each shows the document's messages and then sets
// the title from the path used (empty when the chooser was cancelled).
#pragma once

#include "commands/DocumentEvents.h"

namespace vexa {

class CVEXADoc;
class CommandRouter;
class UserInterface;

class TextTemplateCommands {
 public:
  TextTemplateCommands(CVEXADoc& doc, UserInterface& ui, DocumentEvents& events);
  void Register(CommandRouter& router);

  void LoadDefault();
  void Import();
  void Export();

 private:
  CVEXADoc& m_doc;
  UserInterface& m_ui;
  DocumentEvents& m_events;
};

}  // namespace vexa
