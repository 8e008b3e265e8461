#include "document/CVEXADoc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/Messages.h"
#include "models/KeyLayout.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr int kPX2400 = 2013, kPX2100 = 2014, kPX2200 = 2015, kDV3500 = 2016, kDV3100 = 2017, kDV3300 = 2018;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::string& path, const std::string& data) {
  std::ofstream out(path, std::ios::binary);
  out << data;
}

class CVEXADocTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("vexa_doc_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Path(const std::string& name) const { return (m_dir / name).string(); }

  // A document as the editor has it after start-up under `modelId`.
  std::unique_ptr<CVEXADoc> NewDoc(int modelId) {
    m_settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
    auto doc = std::make_unique<CVEXADoc>(m_settings, m_dir.string());
    doc->NewTemplate();
    return doc;
  }

  MemorySettingsStore m_settings;
  fs::path m_dir;
};

// --- Models and the document's life cycle ---------------------------------------

TEST_F(CVEXADocTest, FirstTemplateUsesTheStoredModel) {
  struct Case {
    std::optional<int> stored;
    int modelId;
    int keyCount;
    const char* title;
    bool cardReader;
  };
  const Case cases[] = {
      {std::nullopt, kPX2400, 124, "Template : PX2400", true},
      {kPX2100, kPX2100, 122, "Template : PX2100", true},
      {kPX2200, kPX2200, 134, "Template : PX2200", true},
      {kDV3500, kDV3500, 67, "Template : DV3500", true},
      {kDV3100, kDV3100, 17, "Template : DV3100", false},
      {kDV3300, kDV3300, 176, "Template : DV3300", false},
      {2019, 2019, 124, "Template : PX2400", true},  // unknown ids keep their value and get the PX2400 layout
  };
  for (const auto& c : cases) {
    MemorySettingsStore settings;
    if (c.stored) settings.WriteInt("TSYKeyboard", "Vormen", *c.stored);
    CVEXADoc doc(settings, "/start");
    doc.NewTemplate();
    EXPECT_EQ(doc.ModelId(), c.modelId);
    EXPECT_EQ(doc.KeyCount(), c.keyCount);
    EXPECT_EQ(doc.Title(), c.title);
    EXPECT_EQ(doc.HasCardReader(), c.cardReader);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.PathName().empty());
    const auto& layout = LayoutOf(c.modelId);
    for (int p = 0; p < c.keyCount; ++p) {
      EXPECT_EQ(doc.Labels()[p], layout[p].label);
      EXPECT_EQ(doc.KeyMap()[p], layout[p].keyIndex);
      EXPECT_EQ(doc.KeyRects()[p], layout[p].rect);
    }
  }
}

TEST_F(CVEXADocTest, SwitchModelStoresTheIdAndClearsEveryKey) {
  auto doc = NewDoc(kPX2400);
  for (const int target : {kDV3100, kDV3100, kPX2200, 2019}) {  // switching to the current model also clears
    doc->Content(5) = "abc";
    doc->MemoryImage()[offs::kFeatureFlagsA] = 0x01;
    doc->BlankFlags()[5] = 0;
    doc->DefinedFlags()[5] = 0;
    doc->SetModified(true);
    doc->SwitchModel(target);
    EXPECT_EQ(doc->ModelId(), target);
    EXPECT_EQ(m_settings.ReadInt("TSYKeyboard", "Vormen"), target);
    EXPECT_EQ(doc->KeyCount(), ModelOf(target).keyCount);
    EXPECT_EQ(doc->Title(), "Template : " + std::string(ModelOf(target).name));
    EXPECT_EQ(doc->Content(5), "");
    EXPECT_EQ(doc->MemoryImage()[offs::kFeatureFlagsA], 0xEA);
    EXPECT_EQ(doc->BlankFlags()[5], 1);
    EXPECT_EQ(doc->DefinedFlags()[5], 1);
    EXPECT_TRUE(doc->IsModified());  // a switch does not touch the modified flag
  }
}

TEST_F(CVEXADocTest, FlagTransitions) {
  auto doc = NewDoc(kDV3300);
  for (int k = 0; k < kKeyCount; ++k) {
    ASSERT_EQ(doc->BlankFlags()[k], 1);
    ASSERT_EQ(doc->DefinedFlags()[k], 1);
  }
  // Edits as the key editor makes them: key 1 gets content, key 2 is emptied.
  doc->Content(1) = "[ShiftLevel3]";
  doc->BlankFlags()[1] = doc->DefinedFlags()[1] = 0;
  doc->BlankFlags()[2] = doc->DefinedFlags()[2] = 0;
  doc->DefinedFlags()[3] = 0;
  doc->Content(3) = "x";

  // SpaceLeft refreshes the blank flags only.
  (void)doc->SpaceLeft();
  EXPECT_EQ(doc->BlankFlags()[1], 0);
  EXPECT_EQ(doc->BlankFlags()[2], 1);
  EXPECT_EQ(doc->DefinedFlags()[2], 0);

  // After an open: keys with bytes are not blank and defined; empty keys are blank
  // and keep their defined flag.
  ASSERT_TRUE(doc->SaveTemplate(Path("t.bin")).ok);
  ASSERT_TRUE(doc->OpenTemplate(Path("t.bin")).ok);
  EXPECT_EQ(doc->BlankFlags()[1], 0);
  EXPECT_EQ(doc->DefinedFlags()[1], 1);
  EXPECT_EQ(doc->BlankFlags()[2], 1);
  EXPECT_EQ(doc->DefinedFlags()[2], 0);
  EXPECT_EQ(doc->BlankFlags()[3], 0);
  EXPECT_EQ(doc->DefinedFlags()[3], 1);

  // Reading from the keyboard follows the open rule.
  Image image = doc->MemoryImage();
  doc->NewTemplate();
  doc->DefinedFlags()[2] = 0;
  doc->TakeImageFromKeyboard(image);
  EXPECT_EQ(doc->Content(1), "[ShiftLevel3]");
  EXPECT_EQ(doc->BlankFlags()[1], 0);
  EXPECT_EQ(doc->DefinedFlags()[2], 0);
}

// --- Template files -------------------------------------------------------------

TEST_F(CVEXADocTest, NewTemplateSavesTheInitialImage) {
  auto doc = NewDoc(kPX2400);
  ASSERT_TRUE(doc->SaveTemplate(Path("new.bin")).ok);
  const std::string bytes = ReadAll(Path("new.bin"));
  ASSERT_EQ(bytes.size(), 2048u);
  std::string expected(1968, '\0');
  expected += std::string(64, '\xFF');
  expected += "\x20\x00\x40\x00\x60\x00\x80\x00\xA0\x00"s;
  expected += "\x02\xEA\xD6\x55\xAA\xD6"s;
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(doc->PathName(), Path("new.bin"));
  EXPECT_EQ(doc->Title(), "new.bin : PX2400");
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(CVEXADocTest, TemplateFileKeepsKeyIndexesAndSettingsAcrossModels) {
  struct Case {
    int from, to;
  };
  for (const auto& c :
       {Case{kDV3100, kDV3300}, Case{kDV3300, kDV3100}, Case{kPX2100, kDV3500}, Case{kDV3500, kPX2200}}) {
    auto from = NewDoc(c.from);
    for (int p = 0; p < from->KeyCount(); ++p)
      from->Content(from->KeyMap()[p]) =
          p % 2 ? "[F" + std::to_string(1 + p % 12) + "]" : "k" + std::to_string(p);
    from->MemoryImage()[offs::kInterCharDelay] = 77;
    from->MemoryImage()[offs::kTrack1Prefix] = 0x41;
    ASSERT_TRUE(from->SaveTemplate(Path("x.bin")).ok);

    auto to = NewDoc(c.to);
    ASSERT_TRUE(to->OpenTemplate(Path("x.bin")).ok);
    EXPECT_EQ(to->ModelId(), c.to);
    EXPECT_EQ(to->KeyCount(), ModelOf(c.to).keyCount);
    EXPECT_EQ(to->Contents(), from->Contents()) << c.from << " -> " << c.to;
    EXPECT_EQ(to->MemoryImage(), from->MemoryImage());
    for (int k = 0; k < kKeyCount; ++k) EXPECT_EQ(to->BlankFlags()[k], from->Content(k).empty() ? 1 : 0);
  }
}

TEST_F(CVEXADocTest, OpenRefusesShortAndUnreadableFilesWithoutTouchingTheTemplate) {
  auto doc = NewDoc(kDV3300);
  doc->Content(7) = "keep";
  doc->MemoryImage()[offs::kInterCharDelay] = 9;
  doc->SetModified(true);
  doc->SetTitle("mine");
  const KeyContents contents = doc->Contents();
  const Image image = doc->MemoryImage();

  WriteAll(Path("short.bin"), std::string(2047, 'a'));
  WriteAll(Path("one.bin"), "a");
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {Path("short.bin"), msg::FormatMessage(msg::kTemplateTooShort, Path("short.bin").c_str(), 2047)},
      {Path("one.bin"), msg::FormatMessage(msg::kTemplateTooShort, Path("one.bin").c_str(), 1)},
      {Path("missing.bin"), msg::FormatMessage(msg::kTemplateCannotOpen, Path("missing.bin").c_str())},
      {m_dir.string(), msg::FormatMessage(msg::kTemplateCannotOpen, m_dir.string().c_str())},
  };
  for (const auto& c : cases) {
    const Outcome result = doc->OpenTemplate(c.path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(doc->Contents(), contents);
    EXPECT_EQ(doc->MemoryImage(), image);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->Title(), "mine");
    EXPECT_TRUE(doc->PathName().empty());
  }
}

TEST_F(CVEXADocTest, OpenUsesTheFirst2048BytesAndAnEmptyFileOnlyRefreshesFlags) {
  auto doc = NewDoc(kDV3300);
  doc->Content(0) = "abc";
  ASSERT_TRUE(doc->SaveTemplate(Path("t.bin")).ok);
  WriteAll(Path("long.bin"), ReadAll(Path("t.bin")) + std::string(2048, '\x01'));

  doc->NewTemplate();
  ASSERT_TRUE(doc->OpenTemplate(Path("long.bin")).ok);
  EXPECT_EQ(doc->Content(0), "abc");
  EXPECT_EQ(doc->Content(1), "");

  WriteAll(Path("empty.bin"), "");
  doc->Content(2) = "typed";
  doc->BlankFlags()[2] = doc->DefinedFlags()[2] = 0;
  const Image image = doc->MemoryImage();
  ASSERT_TRUE(doc->OpenTemplate(Path("empty.bin")).ok);
  EXPECT_EQ(doc->Content(2), "typed");
  EXPECT_EQ(doc->MemoryImage(), image);
  EXPECT_EQ(doc->BlankFlags()[2], 0);
  EXPECT_EQ(doc->DefinedFlags()[2], 1);  // drawn blue, as after any open
  EXPECT_EQ(doc->Title(), "empty.bin : DV3300");
}

TEST_F(CVEXADocTest, SaveRefusesInvalidOrOversizedTemplatesAndKeepsThePreviousFile) {
  auto doc = NewDoc(kDV3300);
  doc->Content(3) = "ok";
  ASSERT_TRUE(doc->SaveTemplate(Path("t.bin")).ok);
  const std::string previous = ReadAll(Path("t.bin"));

  struct Case {
    const char* name;
    void (*edit)(CVEXADoc&);
    std::string message;
  };
  const Case cases[] = {
      {"invalid key", [](CVEXADoc& d) { d.Content(40) = "[F1]a"; },
       std::string(msg::kWrongKeyWord) + "\n" + msg::FormatMessage(msg::kKeyScanWordMixed, "F1", "[F1]")},
      {"0x00 byte from an import", [](CVEXADoc& d) { d.Content(40) = "a\0b"s; },
       std::string(msg::kWrongKeyWord) + "\n" + msg::FormatMessage(msg::kKeyZeroByte, "F1")},
      {"too much key data",
       [](CVEXADoc& d) {
         for (int k = 0; k < kKeyCount; ++k) d.Content(k) = std::string(11, 'x');  // 176 * 12 = 2112 bytes
       },
       msg::FormatMessage(msg::kNotEnoughMemory, 2112 - 1968)},
  };
  for (const auto& c : cases) {
    doc->NewTemplate();
    c.edit(*doc);
    doc->SetModified(true);
    const Outcome result = doc->SaveTemplate(Path("t.bin"));
    EXPECT_FALSE(result.ok) << c.name;
    EXPECT_EQ(result.message, c.message) << c.name;
    EXPECT_EQ(ReadAll(Path("t.bin")), previous) << c.name;
    EXPECT_TRUE(doc->IsModified()) << c.name;
    EXPECT_TRUE(doc->PathName().empty()) << c.name;
  }

  doc->NewTemplate();
  const std::string bad = Path("no-such-dir/t.bin");
  const Outcome failed = doc->SaveTemplate(bad);
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.message, msg::FormatMessage(msg::kTemplateCannotWrite, bad.c_str()));
}

TEST_F(CVEXADocTest, Px2400KeyLockAndItsTwinStayEqual) {
  auto doc = NewDoc(kPX2400);
  doc->Content(121) = "twin";
  ASSERT_TRUE(doc->SaveTemplate(Path("a.bin")).ok);
  EXPECT_EQ(doc->Content(160), "twin");

  doc->Content(160) = "lock";
  ASSERT_TRUE(doc->SaveTemplate(Path("b.bin")).ok);
  doc->NewTemplate();
  ASSERT_TRUE(doc->OpenTemplate(Path("b.bin")).ok);
  EXPECT_EQ(doc->Content(121), "lock");
  EXPECT_EQ(doc->Content(160), "lock");

  // Other models keep the two keys apart.
  auto dv = NewDoc(kDV3300);
  dv->Content(121) = "twin";
  ASSERT_TRUE(dv->SaveTemplate(Path("c.bin")).ok);
  EXPECT_EQ(dv->Content(160), "");
}

TEST_F(CVEXADocTest, SizeCheckMeasuresThePx2400TwinAsItWillBeBuilt) {
  auto doc = NewDoc(kPX2400);
  // 174 keys of 10 bytes take 1914 bytes with their terminators. KeyLock (160) with 30
  // bytes and its empty twin (121) make 1946 as typed, but saving copies KeyLock into
  // the twin: 1976 as built.
  for (int k = 0; k < kKeyCount; ++k) doc->Content(k) = (k == 121 || k == 160) ? "" : std::string(10, 'y');
  doc->Content(160) = std::string(30, 'z');
  EXPECT_EQ(doc->SpaceLeft(), 1968 - 1946);
  const Outcome result = doc->SaveTemplate(Path("t.bin"));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, msg::FormatMessage(msg::kNotEnoughMemory, 1976 - 1968));
  EXPECT_FALSE(fs::exists(Path("t.bin")));
}

TEST_F(CVEXADocTest, KeyboardWriteOfAContentWithA0x00ByteDoesNotShiftOtherKeys) {
  // Writing into the keyboard validates only the selected key, so the build itself
  // must keep a stray 0x00 from ending the key string early.
  auto doc = NewDoc(kDV3300);
  for (int k = 0; k < kKeyCount; ++k) doc->Content(k) = "k" + std::to_string(k);
  doc->Content(120) = "a\0b"s;  // key slot 0: the first string of the image
  doc->BuildImage();
  const Image image = doc->MemoryImage();
  auto other = NewDoc(kDV3300);
  other->TakeImageFromKeyboard(image);
  for (int k = 0; k < kKeyCount; ++k)
    if (k != 120) {
      EXPECT_EQ(other->Content(k), "k" + std::to_string(k)) << k;
    }
  EXPECT_EQ(other->Content(120).find('\0'), std::string::npos);
}

// --- Text template files ----------------------------------------------------------

TEST_F(CVEXADocTest, TextTemplateRoundTripOnEveryModel) {
  for (const int model : {kPX2400, kPX2100, kPX2200, kDV3500, kDV3100, kDV3300}) {
    auto doc = NewDoc(model);
    for (int p = 0; p < doc->KeyCount(); ++p) {
      std::string content = "a,b\\c" + std::to_string(p);
      content += static_cast<char>(0x80 + p % 0x80);
      if (p % 5 == 0) content = "[[,]]\\[CR]";
      if (p % 7 == 0) content = "[F1][Separator]";
      doc->Content(doc->KeyMap()[p]) = content;
      doc->Labels()[p] += p % 2 ? ",\\\xE9" : "";
    }
    const auto labels = doc->Labels();
    auto contents = doc->Contents();
    ApplyLinkedKeyRule(contents, model);  // the PX2400's hidden twin follows KeyLock
    ASSERT_TRUE(doc->ExportTextTemplate(Path("t.txt")).ok);

    auto back = NewDoc(model);
    const Outcome result = back->ImportTextTemplate(Path("t.txt"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.message, "") << model;
    EXPECT_EQ(back->Labels(), labels) << model;
    EXPECT_EQ(back->Contents(), contents) << model;

    // The same file with LF line ends reads the same.
    std::string lf = ReadAll(Path("t.txt"));
    ASSERT_EQ(lf.substr(lf.size() - 2), "\r\n");
    std::erase(lf, '\r');
    WriteAll(Path("lf.txt"), lf);
    auto fromLf = NewDoc(model);
    EXPECT_EQ(fromLf->ImportTextTemplate(Path("lf.txt")).message, "");
    EXPECT_EQ(fromLf->Contents(), contents) << model;
  }
}

TEST_F(CVEXADocTest, TextTemplateImportMessagesAndPartialApplication) {
  auto doc = NewDoc(kDV3100);  // 17 keys
  std::string full;
  for (int p = 0; p < 17; ++p) full += "L" + std::to_string(p) + ",c" + std::to_string(p) + "\r\n";
  const std::string rowMessage(msg::kTextFileRowCount);
  struct Case {
    const char* name;
    std::string file;
    std::string message;
    int lastApplied;  // positions 0..lastApplied take the file's lines
  };
  const Case cases[] = {
      {"exact", full, "", 16},
      {"one line short", full.substr(0, full.rfind("L16")), rowMessage, 15},
      {"last line without line feed", full.substr(0, full.size() - 2), rowMessage, 15},
      {"extra lines counted only", full + "X,y\r\nZ\r\n", rowMessage, 16},
      {"empty file", "", rowMessage, -1},
  };
  for (const auto& c : cases) {
    doc->NewTemplate();
    doc->Content(doc->KeyMap()[16]) = "before";
    doc->SetModified(false);
    WriteAll(Path("in.txt"), c.file);
    const Outcome result = doc->ImportTextTemplate(Path("in.txt"));
    EXPECT_TRUE(result.ok) << c.name;
    EXPECT_EQ(result.message, c.message) << c.name;
    for (int p = 0; p < 17; ++p) {
      const bool applied = p <= c.lastApplied;
      EXPECT_EQ(doc->Labels()[p], applied ? "L" + std::to_string(p) : LayoutOf(kDV3100)[p].label) << c.name;
      const std::string expected = applied ? "c" + std::to_string(p) : p == 16 ? "before" : "";
      EXPECT_EQ(doc->Content(doc->KeyMap()[p]), expected) << c.name << " position " << p;
    }
    // Import changes neither flags nor the modified flag.
    EXPECT_EQ(doc->BlankFlags()[doc->KeyMap()[0]], 1) << c.name;
    EXPECT_FALSE(doc->IsModified()) << c.name;
    EXPECT_EQ(doc->Labels()[17], "") << c.name;  // nothing beyond the key count
  }

  const Outcome missing = doc->ImportTextTemplate(Path("none.txt"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, msg::FormatMessage(msg::kTextFileMissing, Path("none.txt").c_str()));
  // A huge file (a device or a stray binary picked by mistake) is refused, not read.
  doc->NewTemplate();
  WriteAll(Path("huge.txt"), "");
  fs::resize_file(Path("huge.txt"), 17u << 20);
  const Outcome huge = doc->ImportTextTemplate(Path("huge.txt"));
  EXPECT_FALSE(huge.ok);
  EXPECT_EQ(huge.message, msg::FormatMessage(msg::kTextFileTooLarge, Path("huge.txt").c_str()));
  EXPECT_EQ(doc->Labels()[0], LayoutOf(kDV3100)[0].label);

  const Outcome unwritable = doc->ExportTextTemplate(Path("no-dir/out.txt"));
  EXPECT_FALSE(unwritable.ok);
  EXPECT_EQ(unwritable.message,
            msg::FormatMessage(msg::kTextFileCannotWrite, Path("no-dir/out.txt").c_str()));
}

TEST_F(CVEXADocTest, ExportWarnsAboutALineFeedItCannotCarry) {
  // A key read from a template file or the keyboard may hold the byte 0x0A.
  auto doc = NewDoc(kDV3100);
  doc->Content(doc->KeyMap()[4]) = "a\nb";
  const Outcome result = doc->ExportTextTemplate(Path("out.txt"));
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.message, msg::FormatMessage(msg::kTextFileLineFeed, Path("out.txt").c_str(), 4));
  EXPECT_TRUE(fs::exists(Path("out.txt")));
}

TEST_F(CVEXADocTest, ImportedLabelsLastUntilTheModelIsAppliedAgain) {
  auto doc = NewDoc(kDV3100);
  WriteAll(Path("in.txt"), "Mine,x\n");
  (void)doc->ImportTextTemplate(Path("in.txt"));
  EXPECT_EQ(doc->Labels()[0], "Mine");
  ASSERT_TRUE(doc->SaveTemplate(Path("t.bin")).ok);
  ASSERT_TRUE(doc->OpenTemplate(Path("t.bin")).ok);
  EXPECT_EQ(doc->Labels()[0], "Mine");
  doc->NewTemplate();
  EXPECT_EQ(doc->Labels()[0], LayoutOf(kDV3100)[0].label);
}

TEST_F(CVEXADocTest, SharedKeyIndexTakesTheLaterLine) {
  for (const int model : {kPX2100, kPX2200}) {
    auto doc = NewDoc(model);
    ASSERT_EQ(doc->KeyMap()[28], doc->KeyMap()[41]);
    std::string file;
    for (int p = 0; p < doc->KeyCount(); ++p)
      file += "L," + std::string(p == 28 ? "upper" : p == 41 ? "enter" : "") + "\n";
    WriteAll(Path("in.txt"), file);
    ASSERT_EQ(doc->ImportTextTemplate(Path("in.txt")).message, "");
    EXPECT_EQ(doc->Content(doc->KeyMap()[41]), "enter");
  }
}

TEST_F(CVEXADocTest, Px2400KeyLockLineKeepsItsTwinInStep) {
  auto doc = NewDoc(kPX2400);
  doc->Content(160) = doc->Content(121) = "old";
  std::string file;
  for (int p = 0; p < doc->KeyCount(); ++p) file += "L,\r\n";  // every key emptied, KeyLock (123) too
  WriteAll(Path("in.txt"), file);
  ASSERT_TRUE(doc->ImportTextTemplate(Path("in.txt")).ok);
  ASSERT_TRUE(doc->SaveTemplate(Path("t.bin")).ok);
  EXPECT_EQ(doc->Content(160), "");
  EXPECT_EQ(doc->Content(121), "");
}

TEST_F(CVEXADocTest, LoadDefaultReadsTheModelsFileFromTheStartupDirectory) {
  auto doc = NewDoc(kDV3300);
  std::string file;
  for (int p = 0; p < 176; ++p) file += "D" + std::to_string(p) + ",[F2]\r\n";
  WriteAll(Path("DV3300.txt"), file);
  EXPECT_EQ(doc->DefaultTextTemplatePath(), m_dir.string() + "/DV3300.txt");
  const Outcome result = doc->LoadDefaultTextTemplate();
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.message, "");
  EXPECT_EQ(doc->Labels()[175], "D175");
  // The title keeps naming the template, not the text file.
  EXPECT_EQ(doc->Title(), "Template : DV3300");

  doc->SwitchModel(kDV3500);
  const Outcome missing = doc->LoadDefaultTextTemplate();
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message,
            msg::FormatMessage(msg::kTextFileMissing, (m_dir.string() + "/DV3500.txt").c_str()));
}

TEST_F(CVEXADocTest, ImportRefusesAnInvalidKeyAndChangesNothing) {
  auto doc = NewDoc(kDV3100);  // 17 keys
  doc->Content(doc->KeyMap()[2]) = "kept";
  std::string file;
  for (int p = 0; p < 17; ++p) file += "L" + std::to_string(p) + (p == 4 ? ",[Bogus]\r\n" : ",x\r\n");
  WriteAll(Path("in.txt"), file);
  WriteAll(Path("DV3100.txt"), file);
  const KeyContents contents = doc->Contents();
  const Outcome result = doc->ImportTextTemplate(Path("in.txt"));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, std::string(msg::kWrongKeyWord) + "\n" +
                                msg::FormatMessage(msg::kInvalidKeyAt, 4, doc->KeyMap()[4], "L4", "[Bogus]") +
                                "\n" + msg::FormatMessage(msg::kKeyWordUnknown, "L4", "[Bogus]"));
  EXPECT_EQ(doc->Contents(), contents);
  EXPECT_EQ(doc->Labels()[0], LayoutOf(kDV3100)[0].label);
  EXPECT_FALSE(doc->LoadDefaultTextTemplate().ok);  // checked the same way
  EXPECT_EQ(doc->Contents(), contents);
}

TEST_F(CVEXADocTest, SaveMakesTheEditedKeysDefinedAgain) {
  auto doc = NewDoc(kDV3100);
  const int edited = doc->KeyMap()[1], emptied = doc->KeyMap()[2];
  doc->Content(edited) = "Tea";
  doc->BlankFlags()[edited] = doc->DefinedFlags()[edited] = 0;
  doc->BlankFlags()[emptied] = doc->DefinedFlags()[emptied] = 0;
  ASSERT_TRUE(doc->SaveTemplate(Path("shop")).ok);
  EXPECT_EQ(doc->DefinedFlags()[edited], 1);  // blue
  EXPECT_EQ(doc->BlankFlags()[emptied], 1);   // black
  EXPECT_EQ(doc->Title(), "shop : DV3100");
}

}  // namespace
}  // namespace vexa
