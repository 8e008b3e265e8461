#include "document/FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vexa {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "vexa-fileio-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    m_dir = tmpl;
  }
  void TearDown() override { fs::remove_all(m_dir); }
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }
  static void Put(const std::string& path, const std::string& data) { std::ofstream(path) << data; }
  static std::string Get(const std::string& path) { return ReadFileBytes(path, 1 << 20).value_or("<none>"); }
  // Files of the directory other than the named ones: leftover temporaries.
  int Others(std::initializer_list<std::string> names) const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(m_dir))
      if (std::find(names.begin(), names.end(), e.path().filename().string()) == names.end()) ++n;
    return n;
  }
  fs::path m_dir;
};

TEST_F(FileIoTest, ReplacesAFileKeepingItsPermissions) {
  const std::string target = Path("t.bin");
  Put(target, "old contents");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(target, std::string("new\0data", 8), &error)) << error;
  EXPECT_EQ(Get(target), std::string("new\0data", 8));
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(Others({"t.bin"}), 0);
}

TEST_F(FileIoTest, WritesThroughASymbolicLink) {
  fs::create_directory(m_dir / "real");
  const std::string real = Path("real/shop.bin");
  Put(real, "old");
  fs::create_symlink("real/shop.bin", m_dir / "link.bin");
  ASSERT_TRUE(WriteFileAtomically(Path("link.bin"), "new"));
  EXPECT_TRUE(fs::is_symlink(m_dir / "link.bin"));
  EXPECT_EQ(Get(real), "new");
  EXPECT_EQ(Others({"link.bin", "real"}), 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "real"), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, RefusedWritesLeaveNothingBehind) {
  Put(Path("keep.bin"), "kept");
  fs::create_directory(m_dir / "adir");
  // A directory that does not exist, and a directory in the file's place.
  for (const std::string& target : {Path("missing/t.bin"), Path("adir")}) {
    SCOPED_TRACE(target);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(target, "data", &error));
    EXPECT_FALSE(error.empty());
  }
  EXPECT_TRUE(fs::is_directory(m_dir / "adir"));
  EXPECT_EQ(Get(Path("keep.bin")), "kept");
  EXPECT_EQ(Others({"keep.bin", "adir"}), 0);
}

}  // namespace
}  // namespace vexa
