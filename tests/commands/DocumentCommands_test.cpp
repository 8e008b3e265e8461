// The file commands as the Template and Keyboard menus run them, with the
// dialogs answered from a script: what Save writes after a model switch, what
// the save question names, and the recent-file list.
#include "commands/DocumentCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "commands/ModelCommands.h"
#include "commands/TextTemplateCommands.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "support/ScriptedUserInterface.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

constexpr int kDV3500 = 2016, kDV3100 = 2017;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class DocumentCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "vexa-doccmd-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = fs::canonical(tmpl);
    settings.WriteInt(kSettingsSection, kSettingsModelEntry, kDV3500);
    doc = std::make_unique<CVEXADoc>(settings, dir.string());
    doc->NewTemplate();
    files = std::make_unique<DocumentCommands>(*doc, settings, ui, events);
    models = std::make_unique<ModelCommands>(*doc, ui, events);
    text = std::make_unique<TextTemplateCommands>(*doc, ui, events);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const char* name) const { return (dir / name).string(); }
  // A template file with "abc" in key 3, opened.
  void OpenShop() {
    doc->Content(3) = "abc";
    ASSERT_TRUE(doc->SaveTemplate(Path("shop.bin")).ok);
    ASSERT_TRUE(files->OpenFile(Path("shop.bin")));
  }

  fs::path dir;
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  DocumentEvents events;
  std::unique_ptr<CVEXADoc> doc;
  std::unique_ptr<DocumentCommands> files;
  std::unique_ptr<ModelCommands> models;
  std::unique_ptr<TextTemplateCommands> text;
};

// Open, Keyboard > other model > Yes, Save: the empty template of the other
// model must not silently replace the file that was open.
TEST_F(DocumentCommandsTest, SaveAfterAModelSwitchAsksForANameInsteadOfOverwriting) {
  OpenShop();
  const std::string before = ReadAll(Path("shop.bin"));
  struct Case {
    const char* name;
    std::optional<std::string> chosen;
    bool saved;
  } cases[] = {{"chooser cancelled", std::nullopt, false}, {"saved elsewhere", Path("dv3100.bin"), true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.modelSwitchAnswers.push_back(true);
    models->SwitchTo(kDV3100);
    ui.fileAnswers.push_back(c.chosen);
    const int choosers = ui.saveChoosers;
    EXPECT_EQ(files->Save(), c.saved);
    EXPECT_EQ(ui.saveChoosers, choosers + 1);  // asked, as after New
    EXPECT_EQ(ReadAll(Path("shop.bin")), before);
  }
  EXPECT_EQ(ReadAll(Path("dv3100.bin")).size(), 2048u);
  // Answering No keeps the file and the path.
  ASSERT_TRUE(files->OpenFile(Path("shop.bin")));
  ui.modelSwitchAnswers.push_back(false);
  models->SwitchTo(kDV3100);
  EXPECT_EQ(doc->PathName(), Path("shop.bin"));
}

TEST_F(DocumentCommandsTest, SaveQuestionNamesTheTemplateFileNotTheTextFile) {
  OpenShop();
  std::ofstream(Path("keys.txt")) << "";
  ui.fileAnswers.push_back(Path("keys.txt"));
  text->Import();  // the title keeps naming the template file and the model
  EXPECT_EQ(doc->Title(), "shop.bin : DV3500");
  ui.fileAnswers.push_back(Path("out.txt"));
  text->Export();
  ui.fileAnswers.push_back(std::nullopt);
  text->Import();
  EXPECT_EQ(doc->Title(), "shop.bin : DV3500");
  doc->SetModified(true);
  ui.saveAnswers.push_back(SaveAnswer::Cancel);
  files->New();
  EXPECT_EQ(ui.saveQuestions, std::vector<std::string>{"shop.bin"});
  // The import's row count warning is a warning.
  ASSERT_FALSE(ui.messageKinds.empty());
  EXPECT_EQ(ui.messageKinds.front(), MessageKind::Warning);
}

TEST_F(DocumentCommandsTest, SaveAsSuggestsTheFileAndAddsTheTemplateExtension) {
  struct Case {
    const char* typed;
    const char* written;
  };
  const Case cases[] = {{"shop", "shop.bin"}, {"shop.bin", "shop.bin"}, {"shop.v2", "shop.v2"}};
  for (const Case& c : cases) {
    doc->NewTemplate();
    ui.fileAnswers.push_back(Path(c.typed));
    ASSERT_TRUE(files->SaveAs()) << c.typed;
    EXPECT_EQ(doc->PathName(), Path(c.written)) << c.typed;
    EXPECT_TRUE(fs::exists(Path(c.written))) << c.typed;
  }
  // The chooser opens with the template's file, or untitled.bin for a new one.
  ui.fileAnswers.push_back(std::nullopt);
  EXPECT_FALSE(files->SaveAs());
  doc->NewTemplate();
  ui.fileAnswers.push_back(std::nullopt);
  EXPECT_FALSE(files->SaveAs());
  ASSERT_GE(ui.saveSuggestions.size(), 2u);
  EXPECT_EQ(ui.saveSuggestions[ui.saveSuggestions.size() - 2], Path("shop.v2"));
  EXPECT_EQ(ui.saveSuggestions.back(), "untitled.bin");
}

TEST_F(DocumentCommandsTest, RecentFilesAreAbsoluteCanonicalAndListedOnce) {
  std::ofstream(Path("a.bin")) << "";
  std::ofstream(Path("b.bin")) << "";
  fs::create_directory(dir / "sub");
  const fs::path previous = fs::current_path();
  fs::current_path(dir / "sub");
  files->AddRecent("../a.bin");  // as typed on the command line
  files->AddRecent(Path("b.bin"));
  files->AddRecent((dir / "sub" / ".." / "a.bin").string());  // the same file, named another way
  fs::current_path(previous);
  EXPECT_EQ(settings.RecentFiles(), (std::vector<std::string>{Path("a.bin"), Path("b.bin")}));
  // An entry stored relative by an earlier version goes when its file is added again.
  settings.SetRecentFiles({"b.bin"});
  fs::current_path(dir);
  files->AddRecent(Path("b.bin"));
  fs::current_path(previous);
  EXPECT_EQ(settings.RecentFiles(), std::vector<std::string>{Path("b.bin")});
}

}  // namespace
}  // namespace vexa
