// The --model option shared by the vexa-cli commands that work on one keyboard
// model's layout.
#pragma once

#include <string>

namespace vexa::cli {

// The model the editor stored as its current one (settings section
// "TSYKeyboard", entry "Vormen"), or 2013 when none is stored. A stored id
// outside 2013..2018 is returned as it is; it behaves as a PX2400.
int StoredModelId();

// The model a command works on: the value of --model when given (`option` is
// null when the option is absent), else StoredModelId(). The value is a model
// name (PX2400, PX2100, PX2200, DV3500, DV3100, DV3300) or id (2013..2018).
// Returns 0 and sets `error` to a usage text when the value names no model.
[[nodiscard]] int ResolveModel(const std::string* option, std::string& error);

}  // namespace vexa::cli
