#include "view/ui/KeyEditing.h"

#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UserInterface.h"
#include "view/ui/CVEXAView.h"

namespace vexa {

KeyEditing::KeyEditing(CVEXADoc& doc, CVEXAView& view, UserInterface& ui, CommandRouter& router,
                       Clipboard& clipboard, UndoHistory* history)
    : m_view(&view),
      m_keys(doc, view.State()),
      m_commands(doc, view.State(), ui),
      m_clipboard(doc, view.State(), ui, clipboard) {
  m_keys.SetHistory(history);
  m_keys.SetRefusalSink([&ui](const std::string& reason) { ui.StatusLine(reason); });
  view.SetKeyHandler(&m_keys);
  for (int id : KeyEditCommands::Ids()) {
    router.Register(
        id, [this, id] { Repaint(m_commands.Execute(id)); }, [this, id] { return m_commands.IsEnabled(id); });
  }
  router.Register(
      cmd::kCopy, [this] { Repaint(m_clipboard.Copy()); }, [this] { return m_clipboard.CanCopy(); });
  router.Register(
      cmd::kCut, [this] { Repaint(m_clipboard.Cut()); }, [this] { return m_clipboard.CanCopy(); });
  router.Register(
      cmd::kPaste, [this] { Repaint(m_clipboard.Paste()); }, [this] { return m_clipboard.CanPaste(); });
}

KeyEditing::~KeyEditing() {
  if (m_view) m_view->SetKeyHandler(nullptr);
}

void KeyEditing::Repaint(vexa::Repaint area) {
  if (m_view) m_view->Repaint(area);
}

}  // namespace vexa
