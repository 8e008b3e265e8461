#include "device/linux/ChildProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>

extern char** environ;

namespace vexa {
namespace {

using Clock = std::chrono::steady_clock;

std::mutex g_childrenMutex;
std::vector<pid_t> g_children;  // started and not yet reaped
std::atomic<bool> g_ending{false};
std::atomic<Clock::rep> g_endingSince{0};

constexpr int kPollMs = 50;

// Reaps the child if it has ended, under the registry's lock so that EndAll
// never signals a process id that was reaped and given to another process.
bool Reaped(pid_t pid, int& status) {
  std::lock_guard lock(g_childrenMutex);
  const pid_t result = ::waitpid(pid, &status, WNOHANG);
  if (result == 0) return false;
  g_children.erase(std::remove(g_children.begin(), g_children.end(), pid), g_children.end());
  // Not waitable (SIGCHLD ignored by someone): counts as a failed run, never
  // as a successful one.
  if (result < 0) status = 255 << 8;
  return true;
}

void Kill(pid_t pid) {
  std::lock_guard lock(g_childrenMutex);
  if (std::find(g_children.begin(), g_children.end(), pid) != g_children.end()) ::kill(pid, SIGKILL);
}

bool OutlivedGrace() {
  if (!g_ending) return false;
  const auto since = Clock::time_point(Clock::duration(g_endingSince.load()));
  return Clock::now() - since > std::chrono::milliseconds(ChildProgram::kGraceMs);
}

}  // namespace

bool ChildProgram::Run(const std::vector<std::string>& argv, int stdinFd, std::string& output, int& status,
                       std::string& error) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    return false;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdinFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdinFd, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  for (int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&defaults, s);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  int spawned;
  {
    std::lock_guard lock(g_childrenMutex);
    spawned = ::posix_spawn(&pid, args[0], &actions, &attributes, args.data(), environ);
    if (spawned == 0) g_children.push_back(pid);
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  if (spawned != 0) {
    ::close(pipeFds[0]);
    error = std::strerror(spawned);
    return false;
  }

  bool open = true, ended = false, killed = false;
  char chunk[256];
  while (open) {
    pollfd readable{pipeFds[0], POLLIN, 0};
    // Once the child has ended, only what is already in the pipe is read.
    const int ready = ::poll(&readable, 1, ended ? 0 : kPollMs);
    if (ready > 0) {
      const ssize_t n = ::read(pipeFds[0], chunk, sizeof chunk);
      if (n > 0) {
        output.append(chunk, static_cast<size_t>(n));
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      open = false;
    } else if (ready == 0 && ended) {
      open = false;
    } else if (ready < 0 && errno != EINTR) {
      open = false;
    }
    if (!ended) ended = Reaped(pid, status);
    if (!ended && !killed && OutlivedGrace()) {
      Kill(pid);
      killed = true;
    }
  }
  ::close(pipeFds[0]);
  while (!ended) {
    ended = Reaped(pid, status);
    if (!ended) {
      if (!killed && OutlivedGrace()) {
        Kill(pid);
        killed = true;
      }
      ::usleep(kPollMs * 1000);
    }
  }
  return true;
}

void ChildProgram::EndAll() {
  g_endingSince = Clock::now().time_since_epoch().count();
  g_ending = true;
  std::lock_guard lock(g_childrenMutex);
  for (const pid_t pid : g_children) ::kill(pid, SIGTERM);
}

bool ChildProgram::Ending() { return g_ending; }

}  // namespace vexa
