#include "cli/ModelOption.h"

#include "base/Messages.h"
#include "document/qt/QtSettingsStore.h"
#include "models/ModelTable.h"

namespace vexa::cli {

int StoredModelId() {
  const QtSettingsStore settings;
  return settings.ReadInt(kSettingsSection, kSettingsModelEntry).value_or(kDefaultModelId);
}

int ResolveModel(const std::string* option, std::string& error) {
  if (option == nullptr) return StoredModelId();
  if (const std::optional<int> id = ParseModel(*option)) return *id;
  error = msg::FormatMessage(
      msg::Tr(VEXA_TR_NOOP("vexa",
                           "unknown keyboard model '%s' (use PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 "
                           "or 2013..2018)")),
      option->c_str());
  return 0;
}

}  // namespace vexa::cli
