// The Keyboard menu: one command per model, checked while that model is
// current. Choosing a model (even the current one) asks for confirmation and
// then empties the whole template under the new model.
#pragma once

#include "commands/DocumentEvents.h"

namespace vexa {

class CVEXADoc;
class CommandRouter;
class UserInterface;

class ModelCommands {
 public:
  ModelCommands(CVEXADoc& doc, UserInterface& ui, DocumentEvents& events);
  void Register(CommandRouter& router);
  void SwitchTo(int modelId);

 private:
  CVEXADoc& m_doc;
  UserInterface& m_ui;
  DocumentEvents& m_events;
};

}  // namespace vexa
