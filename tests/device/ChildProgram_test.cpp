// Running pkexec with the helper: the child's standard input is the port's
// lock, and the child's end is its end, even when something it started
// (pkexec's text agent) still holds the output pipe. Stand-ins run through
// /bin/sh; pkexec itself is never run.
#include "device/linux/ChildProgram.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace vexa {
namespace {

TEST(ChildProgramTest, GivesTheChildItsInputAndEndsWithIt) {
  const std::string file = (std::filesystem::temp_directory_path() / "vexa-child-input").string();
  std::ofstream(file) << "the lock\n";
  const int input = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(input, 0);
  struct Row {
    const char* name;
    const char* script;
    int stdinFd;
    std::string output;
    int exitStatus;
  } rows[] = {
      {"reads what it is given", "cat; exit 3", input, "the lock\n", 3},
      {"leaves something running that holds the pipe", "sleep 4 & echo asked; exit 126", -1, "asked\n", 126},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ::lseek(input, 0, SEEK_SET);
    std::string output, error;
    int status = 0;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(ChildProgram::Run({"/bin/sh", "-c", row.script}, row.stdinFd, output, status, error))
        << error;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(output, row.output);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == row.exitStatus) << status;
  }
  ::close(input);
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace vexa
