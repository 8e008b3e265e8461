#include <filesystem>
#include <ostream>

#include "base/Messages.h"
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/ModelOption.h"
#include "document/CVEXADoc.h"

namespace vexa::cli {

const char* const kTemplateHelp =
    "Usage: vexa-cli template new OUT.bin\n"
    "       vexa-cli template show FILE.bin [--model M]\n"
    "       vexa-cli template export FILE.bin OUT.txt [--model M]\n"
    "       vexa-cli template import IN.txt OUT.bin [--model M] [--base FILE.bin]\n"
    "\n"
    "Works on template files (the keyboard's 2048-byte memory image) and text\n"
    "template files (one line per key: label, comma, content; backslash and comma\n"
    "escaped with a backslash; CR LF line ends).\n"
    "\n"
    "  new     writes the template file of a new, untouched template\n"
    "  show    lists the template, one line per layout position with tab-separated\n"
    "          fields POS KEYINDEX LABEL CONTENT, then \"Total space left (bytes): N\"\n"
    "  export  writes the text template file of a template file\n"
    "  import  applies a text template onto a base template (default: a new one),\n"
    "          checks every key and writes the template file. A key that is not a\n"
    "          valid content stops the import: nothing is written and the key's\n"
    "          position, label and content are reported. A wrong number of lines is\n"
    "          reported but the file is still written.\n"
    "\n"
    "Options:\n"
    "  --model M      the model: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or\n"
    "                 its id 2013..2018; default: the model the editor last used\n"
    "                 (PX2400 when none is stored). Template files carry no model:\n"
    "                 it decides which keys and labels the text lines belong to.\n"
    "  --base FILE    the template the text template is applied onto\n"
    "\n"
    "Examples:\n"
    "  vexa-cli template new blank.bin\n"
    "  vexa-cli template show shop.bin --model DV3100\n"
    "  vexa-cli template export shop.bin shop.txt --model PX2400\n"
    "  vexa-cli template import shop.txt shop.bin --model PX2400 --base settings.bin\n";

namespace {

const OptionInfo kTemplateOptions[] = {
    {"model", "M"},
    {"base", "FILE", "import"},
};

// A document that works on a chosen model without touching the editor's own
// settings (the model id it reads comes from this store only).
struct CliDocument {
  explicit CliDocument(int modelId) : doc(settings, std::filesystem::current_path().string()) {
    doc.SwitchModel(modelId);
    doc.NewTemplate();
  }
  MemorySettingsStore settings;
  CVEXADoc doc;
};

int Refused(Io& io, const std::string& message) {
  io.err << message;
  if (message.empty() || message.back() != '\n') io.err << '\n';
  return kExitRefused;
}

int RunNew(Args& args, int modelId, Io& io) {
  if (args.size() != 1) return UsageError(io, "'template new' takes one file name: OUT.bin");
  CliDocument cli(modelId);
  const Outcome saved = cli.doc.SaveTemplate(args[0]);
  return saved.ok ? kExitOk : Refused(io, saved.message);
}

int RunShow(Args& args, int modelId, Io& io) {
  if (args.size() != 1) return UsageError(io, "'template show' takes one file name: FILE.bin");
  CliDocument cli(modelId);
  CVEXADoc& doc = cli.doc;
  if (const Outcome opened = doc.OpenTemplate(args[0]); !opened.ok) return Refused(io, opened.message);
  for (int p = 0; p < doc.KeyCount(); ++p) {
    const int key = doc.KeyMap()[static_cast<size_t>(p)];
    io.out << p << '\t' << key << '\t' << doc.Labels()[static_cast<size_t>(p)] << '\t' << doc.Content(key)
           << '\n';
  }
  io.out << "Total space left (bytes): " << doc.SpaceLeft() << '\n';
  return kExitOk;
}

int RunExport(Args& args, int modelId, Io& io) {
  if (args.size() != 2) return UsageError(io, "'template export' takes two file names: FILE.bin OUT.txt");
  CliDocument cli(modelId);
  if (const Outcome opened = cli.doc.OpenTemplate(args[0]); !opened.ok) return Refused(io, opened.message);
  const Outcome exported = cli.doc.ExportTextTemplate(args[1]);
  if (!exported.ok) return Refused(io, exported.message);
  if (!exported.message.empty()) io.err << exported.message << '\n';  // written, with a warning
  return kExitOk;
}

int RunImport(Args& args, int modelId, const std::string* base, Io& io) {
  if (args.size() != 2) return UsageError(io, "'template import' takes two file names: IN.txt OUT.bin");
  CliDocument cli(modelId);
  CVEXADoc& doc = cli.doc;
  if (base) {
    if (const Outcome opened = doc.OpenTemplate(*base); !opened.ok) return Refused(io, opened.message);
  }
  const Outcome imported = doc.ImportTextTemplate(args[0]);
  if (!imported.ok) return Refused(io, imported.message);
  // A wrong row count is reported, and what was read is still written.
  if (!imported.message.empty()) io.err << imported.message;

  if (const int bad = doc.ValidateAllKeys(); bad >= 0) {
    io.err << msg::kWrongKeyWord << '\n';
    int position = -1;
    for (int p = 0; p < doc.KeyCount() && position < 0; ++p)
      if (doc.KeyMap()[static_cast<size_t>(p)] == bad) position = p;
    if (position >= 0)
      io.err << "position " << position << ", key index " << bad << ", label \""
             << doc.Labels()[static_cast<size_t>(position)] << "\": " << doc.Content(bad) << '\n';
    else
      io.err << "key index " << bad << " (not on the layout): " << doc.Content(bad) << '\n';
    return kExitRefused;
  }
  const Outcome saved = doc.SaveTemplate(args[1]);
  return saved.ok ? kExitOk : Refused(io, saved.message);
}

}  // namespace

int RunTemplate(const Args& arguments, Io& io) {
  const ParsedArguments parsed = ParseArguments({"template", kTemplateHelp, kTemplateOptions}, arguments, io);
  if (parsed.exit) return *parsed.exit;
  Args args = parsed.positionals;
  if (args.empty()) return UsageError(io, "'template' needs a subcommand: new, show, export or import");
  const std::string sub = args.front();
  args.erase(args.begin());
  std::string error;
  const int modelId = ResolveModel(parsed.Value("model"), error);
  if (!error.empty()) return UsageError(io, error);

  if (sub == "new") return RunNew(args, modelId, io);
  if (sub == "show") return RunShow(args, modelId, io);
  if (sub == "export") return RunExport(args, modelId, io);
  if (sub == "import") return RunImport(args, modelId, parsed.Value("base"), io);
  return UsageError(io, "unknown template subcommand '" + sub + "'");
}

}  // namespace vexa::cli
