#include "document/TemplateFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/Messages.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

class TemplateFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("vexa_tf_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string WriteBytes(const std::string& name, size_t size) {
    const std::string path = (m_dir / name).string();
    std::ofstream out(path, std::ios::binary);
    for (size_t i = 0; i < size; ++i) out.put(static_cast<char>(i * 7 + 3));
    return path;
  }

  fs::path m_dir;
};

TEST_F(TemplateFileTest, ReadsTheFirst2048BytesAndRefusesShortOrMissingFiles) {
  struct Case {
    size_t size;
    bool ok;
    bool empty;
  };
  const Case cases[] = {{0, true, true},     {1, false, false},   {2047, false, false},
                        {2048, true, false}, {2049, true, false}, {4096, true, false}};
  for (const auto& c : cases) {
    const std::string path = WriteBytes("t" + std::to_string(c.size), c.size);
    const TemplateFileRead read = ReadTemplateFile(path);
    EXPECT_EQ(read.outcome.ok, c.ok) << c.size;
    EXPECT_EQ(read.empty, c.empty) << c.size;
    if (!c.ok) {
      EXPECT_EQ(read.outcome.message,
                msg::FormatMessage(msg::kTemplateTooShort, path.c_str(), static_cast<int>(c.size)));
    } else if (!c.empty) {
      for (size_t i = 0; i < read.image.size(); ++i)
        ASSERT_EQ(read.image[i], static_cast<uint8_t>(i * 7 + 3)) << c.size << " at " << i;
    }
  }
  for (const std::string& path : {(m_dir / "missing").string(), m_dir.string()}) {
    const TemplateFileRead read = ReadTemplateFile(path);
    EXPECT_FALSE(read.outcome.ok);
    EXPECT_EQ(read.outcome.message, msg::FormatMessage(msg::kTemplateCannotOpen, path.c_str()));
  }
}

TEST_F(TemplateFileTest, WritesTheImageAndReportsAFailedWrite) {
  Image image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(255 - i % 256);
  const std::string path = (m_dir / "out.bin").string();
  ASSERT_TRUE(WriteTemplateFile(path, image).ok);
  const TemplateFileRead read = ReadTemplateFile(path);
  ASSERT_TRUE(read.outcome.ok);
  EXPECT_EQ(read.image, image);
  EXPECT_EQ(fs::file_size(path), 2048u);

  const std::string bad = (m_dir / "no-such-dir" / "out.bin").string();
  const Outcome failed = WriteTemplateFile(bad, image);
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.message, msg::FormatMessage(msg::kTemplateCannotWrite, bad.c_str()));
}

}  // namespace
}  // namespace vexa
