#include "view/ui/KeyEditing.h"

#include "app/CommandRouter.h"
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
  if (!m_view) return;
  switch (area) {
    case Repaint::None:
      return;
    case Repaint::ContentBox:
      m_view->update(CVEXAView::ContentBoxArea());
      break;
    case Repaint::InformationArea:
      m_view->update(CVEXAView::InformationArea());
      break;
    case Repaint::WholeView:
      m_view->update();
      break;
  }
  emit m_view->stateChanged();
}

}  // namespace vexa
