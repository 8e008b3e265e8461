#include <optional>
#include <ostream>

#include "base/Messages.h"
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/ModelOption.h"
#include "models/KeyLayout.h"
#include "models/ModelTable.h"

namespace vexa::cli {

const char* const kLayoutHelp = VEXA_TR_NOOP(
    "vexa",
    "Usage: vexa-cli layout [--model M]\n"
    "\n"
    "Lists the key layout of a keyboard model, one line per layout position, with\n"
    "tab-separated fields:\n"
    "  POS KEYINDEX LABEL LEFT TOP WIDTH HEIGHT LEFT-NEIGHBOUR RIGHT-NEIGHBOUR UP-NEIGHBOUR DOWN-NEIGHBOUR\n"
    "POS is the layout position (the line order of text templates), KEYINDEX the\n"
    "key's slot in the template (0..175), LEFT TOP WIDTH HEIGHT its rectangle in\n"
    "pixels, and the last four the positions the arrow keys move to.\n"
    "\n"
    "Options:\n"
    "  --model M  the model: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or its\n"
    "             id 2013..2018; default: the model the editor last used (PX2400\n"
    "             when none is stored)\n"
    "\n"
    "Examples:\n"
    "  vexa-cli layout --model DV3100\n"
    "  vexa-cli layout --model 2016 | cut -f1,3\n"
    "  vexa-cli layout --model PX2400 | awk -F'\\t' '$3 == \"Enter\"'\n");

namespace {

const OptionInfo kLayoutOptions[] = {
    {"model", "M"},
};

}  // namespace

int RunLayout(const Args& arguments, Io& io) {
  const ParsedArguments parsed = ParseArguments({"layout", kLayoutHelp, kLayoutOptions}, arguments, io);
  if (parsed.exit) return *parsed.exit;
  if (!parsed.positionals.empty())
    return UsageError(
        io, msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "unexpected argument '%s' for 'layout'")),
                               parsed.positionals.front().c_str()));
  std::string error;
  const int modelId = ResolveModel(parsed.Value("model"), error);
  if (!error.empty()) return UsageError(io, error);

  const std::vector<LayoutKey>& layout = LayoutOf(modelId);
  for (size_t i = 0; i < layout.size(); ++i) {
    const int p = static_cast<int>(i);
    const LayoutKey& key = layout[i];
    io.out << p << '\t' << key.keyIndex << '\t' << key.label << '\t' << key.rect.left << '\t' << key.rect.top
           << '\t' << key.rect.width << '\t' << key.rect.height;
    for (int direction : {kLeft, kRight, kUp, kDown}) io.out << '\t' << Neighbour(modelId, direction, p);
    io.out << '\n';
  }
  return kExitOk;
}

}  // namespace vexa::cli
