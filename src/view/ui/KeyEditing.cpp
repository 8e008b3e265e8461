#include "view/ui/KeyEditing.h"

#include "commands/CommandRouter.h"
#include "view/ui/CVEXAView.h"

namespace vexa {

KeyEditing::KeyEditing(CVEXADoc& doc, CVEXAView& view, UserInterface& ui, CommandRouter& router)
    : m_view(&view), m_keys(doc, view.State()), m_commands(doc, view.State(), ui) {
  view.SetKeyHandler(&m_keys);
  for (int id : KeyEditCommands::Ids()) {
    router.Register(
        id, [this, id] { Repaint(m_commands.Execute(id)); }, [this, id] { return m_commands.IsEnabled(id); });
  }
}

KeyEditing::~KeyEditing() {
  if (m_view) m_view->SetKeyHandler(nullptr);
}

void KeyEditing::Repaint(vexa::Repaint area) {
  if (m_view) m_view->Repaint(area);
}

}  // namespace vexa
