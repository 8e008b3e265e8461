#include "commands/SettingsCommands.h"

#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"
#include "document/CardReaderSettings.h"
#include "document/FeatureSettings.h"
#include "view/ViewState.h"

namespace vexa {

SettingsCommands::SettingsCommands(CVEXADoc& doc, ViewState& state, UserInterface& ui,
                                   std::function<bool()> usbPort, std::function<void(Repaint)> repaint)
    : m_doc(doc), m_state(state), m_ui(ui), m_usbPort(std::move(usbPort)), m_repaint(std::move(repaint)) {}

void SettingsCommands::Register(CommandRouter& router) {
  router.Register(cmd::kConfigKeyboard, [this] { ConfigKeyboard(); });
  router.Register(
      cmd::kConfigCardReader, [this] { ConfigCardReader(); }, [this] { return m_doc.HasCardReader(); });
}

void SettingsCommands::ConfigKeyboard() {
  const FeatureLayout layout = m_doc.Model().featureLayout;
  FeatureSettings values = FeatureSettings::FromImage(m_doc.MemoryImage(), layout, m_usbPort && m_usbPort());
  if (!m_ui.EditFeatureSettings(values)) return;
  m_doc.SetModified(true);
  values.ToImage(m_doc.MemoryImage(), layout);
  // The cursor goes home and the key details are drawn again.
  m_state.cursor = 0;
  m_state.caretColumn = 0;
  m_state.decimalCursor = 0;  // goes with the cursor, or the decimal display would point elsewhere
  if (m_repaint) m_repaint(Repaint::InformationArea);
}

void SettingsCommands::ConfigCardReader() {
  if (!m_doc.HasCardReader()) return;
  CardReaderSettings values = CardReaderSettings::FromImage(m_doc.MemoryImage());
  if (!m_ui.EditCardReaderSettings(values)) return;
  values.ToImage(m_doc.MemoryImage());
  m_doc.SetModified(true);
}

}  // namespace vexa
