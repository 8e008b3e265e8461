#include "document/FileIo.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <string>

// Every umask(2) call of the test program, counted: reading the umask by
// setting it changes it for a moment for every thread of the program.
namespace {
std::atomic<int> g_umaskCalls{0};
}  // namespace
extern "C" mode_t umask(mode_t mask) noexcept {
  ++g_umaskCalls;
  return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

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
  mode_t Mode(const std::string& name) const {
    struct stat st {};
    return ::lstat(Path(name).c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
  }
  fs::path m_dir;
};

// Sets the umask for one test and puts the previous one back.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : m_previous(::umask(mask)) {}
  ~ScopedUmask() { ::umask(m_previous); }

 private:
  mode_t m_previous;
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

TEST_F(FileIoTest, WritesThroughAnOwnLinkToAFileNotYetThere) {
  fs::create_symlink("later.bin", m_dir / "link.bin");
  ASSERT_TRUE(WriteFileAtomically(Path("link.bin"), "new"));
  EXPECT_TRUE(fs::is_symlink(m_dir / "link.bin"));
  EXPECT_EQ(Get(Path("later.bin")), "new");
}

// A FIFO has no end until a writer comes and goes: reading one must not wait.
// Nor may a save replace a FIFO or a device node with a file.
TEST_F(FileIoTest, RefusesWhatIsNotARegularFile) {
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_directory(m_dir / "adir");
  for (const std::string& target : {Path("fifo"), Path("adir"), std::string("/dev/null")}) {
    SCOPED_TRACE(target);
    auto read = std::async(std::launch::async, [&] { return ReadFileBytes(target, 4096); });
    if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ADD_FAILURE() << "the read waits for a writer";
      ::close(::open(target.c_str(), O_WRONLY));  // lets it end
    }
    EXPECT_FALSE(read.get().has_value());
  }
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(Path("fifo"), "data", &error));
  EXPECT_FALSE(error.empty());
  struct stat st {};
  ASSERT_EQ(::lstat(Path("fifo").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(Others({"fifo", "adir"}), 0);
}

// A new file follows the umask, a replaced one keeps its mode, and a backup is
// the owner's alone either way. The umask is read without being set.
TEST_F(FileIoTest, ModesOfNewAndReplacedFiles) {
  struct Case {
    mode_t umask;
    FileMode mode;
    mode_t existing;  // 0: no file yet
    mode_t expected;
  };
  const Case cases[] = {
      {022, FileMode::kAsUsual, 0, 0644},   {027, FileMode::kAsUsual, 0, 0640},
      {077, FileMode::kAsUsual, 0, 0600},   {077, FileMode::kAsUsual, 0664, 0664},
      {022, FileMode::kOwnerOnly, 0, 0600}, {000, FileMode::kOwnerOnly, 0644, 0600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::oct << "umask " << c.umask << " existing " << c.existing
                                    << (c.mode == FileMode::kOwnerOnly ? " owner only" : ""));
    fs::remove(m_dir / "t.bin");
    if (c.existing) {
      Put(Path("t.bin"), "old");
      ASSERT_EQ(::chmod(Path("t.bin").c_str(), c.existing), 0);
    }
    const ScopedUmask mask(c.umask);
    const int callsBefore = g_umaskCalls;
    ASSERT_TRUE(WriteFileAtomically(Path("t.bin"), "new", nullptr, c.mode));
    EXPECT_EQ(g_umaskCalls - callsBefore, 0) << "the umask was changed to read it";
    EXPECT_EQ(Mode("t.bin"), c.expected);
    EXPECT_EQ(Get(Path("t.bin")), "new");
  }
}

}  // namespace
}  // namespace vexa
