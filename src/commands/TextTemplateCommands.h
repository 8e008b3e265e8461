// The text template commands of the Template menu: Load Default, Import Text
// Data and Export Text Data. Each shows the document's messages. The title keeps
// naming the template's file and model: a text file is never what Save writes.
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
