#include "document/ui/SettingsCommands.h"

#include "app/CommandRouter.h"
#include "app/CommandTable.h"
#include "app/UserInterface.h"
#include "document/CVEXADoc.h"
#include "document/CardReaderSettings.h"
#include "document/FeatureSettings.h"
#include "view/ui/CVEXAView.h"

namespace vexa {

SettingsCommands::SettingsCommands(CVEXADoc& doc, CVEXAView& view, UserInterface& ui,
                                   std::function<bool()> usbPort)
    : m_doc(doc), m_view(view), m_ui(ui), m_usbPort(std::move(usbPort)) {}

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
  ViewState& state = m_view.State();
  state.cursor = 0;
  state.caretColumn = 0;
  state.decimalCursor = 0;  // goes with the cursor, or the decimal display would point elsewhere
  m_view.update(CVEXAView::InformationArea());
  emit m_view.stateChanged();
}

void SettingsCommands::ConfigCardReader() {
  if (!m_doc.HasCardReader()) return;
  CardReaderSettings values = CardReaderSettings::FromImage(m_doc.MemoryImage());
  if (!m_ui.EditCardReaderSettings(values)) return;
  values.ToImage(m_doc.MemoryImage());
  m_doc.SetModified(true);
}

}  // namespace vexa
