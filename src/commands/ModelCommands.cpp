#include "commands/ModelCommands.h"

#include "commands/CommandRouter.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"
#include "models/ModelTable.h"

namespace vexa {

ModelCommands::ModelCommands(CVEXADoc& doc, UserInterface& ui, DocumentEvents& events)
    : m_doc(doc), m_ui(ui), m_events(events) {}

void ModelCommands::Register(CommandRouter& router) {
  for (const ModelInfo& model : Models()) {
    const int id = model.id;
    router.Register(
        model.menuCommand, [this, id] { SwitchTo(id); }, {}, [this, id] { return m_doc.ModelId() == id; });
  }
}

void ModelCommands::SwitchTo(int modelId) {
  if (!m_ui.ConfirmModelSwitch()) return;
  m_doc.SwitchModel(modelId);
  DocumentEvents::Fire(m_events.modelSwitched);
  DocumentEvents::Fire(m_events.titleChanged);
}

}  // namespace vexa
