#include "commands/TextTemplateCommands.h"

#include <functional>

#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"

namespace vexa {

namespace {

// Runs an import and marks the template modified when it changed any label or
// content: an imported template must not be lost on Exit or New without the
// save question.
Outcome ImportMarkingModified(CVEXADoc& doc, const std::function<Outcome()>& import) {
  const KeyContents contents = doc.Contents();
  const auto labels = doc.Labels();
  Outcome outcome = import();
  if (doc.Contents() != contents || doc.Labels() != labels) doc.SetModified(true);
  return outcome;
}

}  // namespace

TextTemplateCommands::TextTemplateCommands(CVEXADoc& doc, UserInterface& ui, DocumentEvents& events)
    : m_doc(doc), m_ui(ui), m_events(events) {}

void TextTemplateCommands::Register(CommandRouter& router) {
  router.Register(cmd::kLoadDefault, [this] { LoadDefault(); });
  router.Register(cmd::kImportText, [this] { Import(); });
  router.Register(cmd::kExportText, [this] { Export(); });
}

void TextTemplateCommands::LoadDefault() {
  const Outcome outcome = ImportMarkingModified(m_doc, [this] { return m_doc.LoadDefaultTextTemplate(); });
  m_ui.Show(outcome);
  // A refused file changed nothing: the view keeps its selection.
  if (outcome.ok) DocumentEvents::Fire(m_events.contentsReplaced);
  DocumentEvents::Fire(m_events.titleChanged);
}

void TextTemplateCommands::Import() {
  const auto path = m_ui.ChooseTextFile(TextFileUse::Import);
  if (path) {
    const Outcome outcome = ImportMarkingModified(m_doc, [&] { return m_doc.ImportTextTemplate(*path); });
    m_ui.Show(outcome);
    if (outcome.ok) DocumentEvents::Fire(m_events.contentsReplaced);
  }
  DocumentEvents::Fire(m_events.titleChanged);
}

void TextTemplateCommands::Export() {
  const auto path = m_ui.ChooseTextFile(TextFileUse::Export);
  if (!path) return;
  const Outcome outcome = m_doc.ExportTextTemplate(*path);
  m_ui.Show(outcome);
}

}  // namespace vexa
