#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>

#include "base/Messages.h"
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/ModelOption.h"
#include "document/CVEXADoc.h"
#include "document/JsonWriter.h"
#include "document/TemplateDiff.h"
#include "view/LegendSheet.h"
#include "view/qt/LegendSheetWriter.h"

namespace vexa::cli {

const char* const kTemplateHelp =
    VEXA_TR_NOOP("vexa",
                 "Usage: vexa-cli template new OUT.bin\n"
                 "       vexa-cli template show FILE.bin [--model M]\n"
                 "       vexa-cli template export FILE.bin OUT.txt [--model M]\n"
                 "       vexa-cli template import IN.txt OUT.bin [--model M] [--base FILE.bin]\n"
                 "       vexa-cli template render FILE.bin OUT.svg|OUT.png|OUT.pdf [--model M]\n"
                 "       vexa-cli template diff A.bin B.bin [--model M] [--json]\n"
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
                 "  render  draws the legend sheet: every key of the model with its label and its\n"
                 "          content, as SVG, PNG or PDF by the extension of OUT; a content too\n"
                 "          long for its key is written out in the notes under the keyboard.\n"
                 "          Needs no display.\n"
                 "  diff    compares two template files: one line per key position whose content\n"
                 "          differs, tab-separated POSITION LABEL CONTENT-IN-A CONTENT-IN-B (keys\n"
                 "          the model does not show: position \"-\", label \"(key index N)\"),\n"
                 "          then one line per differing setting, NAME VALUE-IN-A VALUE-IN-B, named\n"
                 "          as the settings dialogs name it. Exit status as diff(1): 0 the same,\n"
                 "          1 different, 2 trouble (a file that can't be read, bad usage).\n"
                 "          --json prints one object instead: {\"keys\": [{\"position\",\n"
                 "          \"keyIndex\", \"label\", \"a\", \"b\"}...], \"settings\": [{\"name\", \"a\",\n"
                 "          \"b\"}...]} (position null for a key the layout does not show)\n"
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
                 "  vexa-cli template import shop.txt shop.bin --model PX2400 --base settings.bin\n"
                 "  vexa-cli template render shop.bin shop-legend.pdf --model PX2400\n"
                 "  vexa-cli template diff old.bin shop.bin --model PX2400\n");

namespace {

const OptionInfo kTemplateOptions[] = {
    {"model", "M"},
    {"base", "FILE", "import"},
    {"json", nullptr, "diff"},
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
  if (args.size() != 1)
    return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "'template new' takes one file name: OUT.bin")));
  CliDocument cli(modelId);
  const Outcome saved = cli.doc.SaveTemplate(args[0]);
  return saved.ok ? kExitOk : Refused(io, saved.message);
}

int RunShow(Args& args, int modelId, Io& io) {
  if (args.size() != 1)
    return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "'template show' takes one file name: FILE.bin")));
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
  if (args.size() != 2)
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP("vexa", "'template export' takes two file names: FILE.bin OUT.txt")));
  CliDocument cli(modelId);
  if (const Outcome opened = cli.doc.OpenTemplate(args[0]); !opened.ok) return Refused(io, opened.message);
  const Outcome exported = cli.doc.ExportTextTemplate(args[1]);
  if (!exported.ok) return Refused(io, exported.message);
  if (!exported.message.empty()) io.err << exported.message << '\n';  // written, with a warning
  return kExitOk;
}

int RunImport(Args& args, int modelId, const std::string* base, Io& io) {
  if (args.size() != 2)
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP("vexa", "'template import' takes two file names: IN.txt OUT.bin")));
  CliDocument cli(modelId);
  CVEXADoc& doc = cli.doc;
  if (base) {
    if (const Outcome opened = doc.OpenTemplate(*base); !opened.ok) return Refused(io, opened.message);
  }
  // A key the file makes invalid stops the import, named as the editor names it.
  const Outcome imported = doc.ImportTextTemplate(args[0]);
  if (!imported.ok) return Refused(io, imported.message);
  // A wrong row count is reported, and what was read is still written.
  if (!imported.message.empty()) io.err << imported.message;

  // A key of the base template the file left as it was.
  if (const int bad = doc.ValidateAllKeys(); bad >= 0) {
    io.err << msg::Tr(msg::kWrongKeyWord) << '\n' << doc.InvalidKeyPlace(bad) << '\n';
    return kExitRefused;
  }
  const Outcome saved = doc.SaveTemplate(args[1]);
  return saved.ok ? kExitOk : Refused(io, saved.message);
}

// A legend sheet needs fonts, so a QGuiApplication; vexa-cli has no window,
// so it runs on the offscreen platform and needs no display.
int RunRender(Args& args, int modelId, Io& io) {
  if (args.size() != 2)
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP(
                "vexa", "'template render' takes two file names: FILE.bin OUT.svg, OUT.png or OUT.pdf")));
  if (!PictureFormatOf(args[1]))
    return Refused(io, msg::FormatMessage(msg::Tr(msg::kPictureUnknownType), args[1].c_str()));
  CliDocument cli(modelId);
  if (const Outcome opened = cli.doc.OpenTemplate(args[0]); !opened.ok) return Refused(io, opened.message);

  // Qt's own notices on the way (no runtime directory, a font fallback) are
  // not the command's to report; its output stays what scripts expect.
  struct QuietQt {
    QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
          if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
        });
    ~QuietQt() { qInstallMessageHandler(previous); }
  } quiet;
  std::unique_ptr<QGuiApplication> application;
  if (!QCoreApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vexa-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  const Outcome written = WriteLegendSheet(BuildLegendSheet(cli.doc), args[1]);
  return written.ok ? kExitOk : Refused(io, written.message);
}

// --json: {"keys": [...], "settings": [...]}, each key with its position
// (null for a key the layout does not show), key index, label and both
// contents, each setting with its name and both values.
std::string DiffJson(const TemplateDifferences& differences) {
  std::vector<std::string> keys;
  for (const KeyDifference& key : differences.keys) {
    json::Object object;
    if (key.position >= 0)
      object.Number("position", key.position);
    else
      object.Null("position");
    keys.push_back(object.Number("keyIndex", key.keyIndex)
                       .String("label", key.label)
                       .String("a", key.a)
                       .String("b", key.b)
                       .Text());
  }
  std::vector<std::string> settings;
  for (const SettingDifference& setting : differences.settings)
    settings.push_back(
        json::Object().String("name", setting.name).String("a", setting.a).String("b", setting.b).Text());
  return json::Object().Raw("keys", json::Array(keys)).Raw("settings", json::Array(settings)).Text();
}

// Exit status as diff(1): 0 the same, 1 different, 2 trouble.
int RunDiff(Args& args, int modelId, bool asJson, Io& io) {
  if (args.size() != 2)
    return UsageError(io, msg::Tr(VEXA_TR_NOOP("vexa", "'template diff' takes two file names: A.bin B.bin")));
  CliDocument a(modelId);
  CliDocument b(modelId);
  for (auto [doc, path] : {std::pair{&a.doc, &args[0]}, std::pair{&b.doc, &args[1]}}) {
    if (const Outcome opened = doc->OpenTemplate(*path); !opened.ok) {
      (void)Refused(io, opened.message);
      return kExitUsage;
    }
  }
  const TemplateDifferences differences = DiffTemplates(a.doc, b.doc);
  if (asJson) {
    io.out << DiffJson(differences) << '\n';
    return differences.Empty() ? kExitOk : kExitRefused;
  }
  for (const KeyDifference& key : differences.keys) {
    if (key.position >= 0) {
      io.out << key.position << '\t' << key.label;
    } else {
      io.out << "-\t(key index " << key.keyIndex << ')';
    }
    io.out << '\t' << key.a << '\t' << key.b << '\n';
  }
  for (const SettingDifference& setting : differences.settings)
    io.out << setting.name << '\t' << setting.a << '\t' << setting.b << '\n';
  return differences.Empty() ? kExitOk : kExitRefused;
}

}  // namespace

int RunTemplate(const Args& arguments, Io& io) {
  const ParsedArguments parsed = ParseArguments({"template", kTemplateHelp, kTemplateOptions}, arguments, io);
  if (parsed.exit) return *parsed.exit;
  Args args = parsed.positionals;
  if (args.empty())
    return UsageError(
        io, msg::Tr(VEXA_TR_NOOP(
                "vexa", "'template' needs a subcommand: new, show, export, import, render or diff")));
  const std::string sub = args.front();
  args.erase(args.begin());
  std::string error;
  const int modelId = ResolveModel(parsed.Value("model"), error);
  if (!error.empty()) return UsageError(io, error);

  if (sub == "new") return RunNew(args, modelId, io);
  if (sub == "show") return RunShow(args, modelId, io);
  if (sub == "export") return RunExport(args, modelId, io);
  if (sub == "import") return RunImport(args, modelId, parsed.Value("base"), io);
  if (sub == "render") return RunRender(args, modelId, io);
  if (sub == "diff") return RunDiff(args, modelId, parsed.Has("json"), io);
  return UsageError(
      io, msg::FormatMessage(msg::Tr(VEXA_TR_NOOP("vexa", "unknown template subcommand '%s'")), sub.c_str()));
}

}  // namespace vexa::cli
