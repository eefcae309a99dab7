#include "platform/posix/posix_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "base/vb_error.h"

extern char** environ;

namespace verbsmith {

namespace {

constexpr const char* kSource = "Processes";

// Polling starts fine-grained so quick children are seen at once, then backs
// off to spare the processor during long waits.
constexpr std::chrono::milliseconds kFirstPoll{1};
constexpr std::chrono::milliseconds kLongestPoll{20};

int DecodeStatus(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return -WTERMSIG(status);
  return -1;
}

// Owns a posix_spawn_file_actions_t for the span of one spawn.
class FileActions {
 public:
  FileActions() { posix_spawn_file_actions_init(&actions_); }
  ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  posix_spawn_file_actions_t* Get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// A host path in the Windows form the product uses (Wine's Z: drive is the
// host root): "/tmp/x" -> "Z:\tmp\x".
std::string HostPathToWindowsForm(const std::string& hostPath) {
  std::string path = hostPath;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

}  // namespace

std::optional<std::string> PosixProcesses::GetEnv(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (name != "TEMP") {
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  }
  if (value != nullptr) {
    std::string temp = value;
    if (!temp.empty() && temp.front() == '/') return HostPathToWindowsForm(temp);
    return temp;
  }
  const char* tmpdir = std::getenv("TMPDIR");
  std::string hostTemp = (tmpdir != nullptr && tmpdir[0] == '/') ? tmpdir : "/tmp";
  return HostPathToWindowsForm(hostTemp);
}

ProcessId PosixProcesses::Start(const std::vector<std::string>& argv, bool hidden) {
  if (argv.empty() || argv.front().empty()) {
    throw VbError::Standard(vberr::kInvalidProcedureCall, kSource);
  }
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  FileActions actions;
  if (hidden) {
    posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.Get(), STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  }
  pid_t pid = 0;
  const int result = posix_spawnp(&pid, args.front(), actions.Get(), nullptr, args.data(), environ);
  if (result != 0) {
    throw VbError(
        vberr::kFileNotFound, kSource,
        VbErrorText(vberr::kFileNotFound) + ": " + argv.front() + " (" + std::strerror(result) + ")");
  }
  children_[pid] = std::nullopt;
  return pid;
}

std::optional<int> PosixProcesses::Poll(ProcessId process) {
  auto it = children_.find(process);
  if (it == children_.end()) {
    throw VbError(vberr::kInvalidProcedureCall, kSource, "No such child process");
  }
  if (it->second) return it->second;
  int status = 0;
  pid_t reaped = 0;
  do {
    reaped = waitpid(static_cast<pid_t>(process), &status, WNOHANG);
  } while (reaped < 0 && errno == EINTR);
  if (reaped == 0) return std::nullopt;
  if (reaped < 0) {
    // Someone else reaped it (or SIGCHLD is ignored): its status is lost.
    throw VbError(vberr::kInvalidProcedureCall, kSource,
                  std::string("Cannot wait for process: ") + std::strerror(errno));
  }
  it->second = DecodeStatus(status);
  return it->second;
}

std::optional<int> PosixProcesses::Wait(ProcessId process, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + std::max(limit, std::chrono::milliseconds(0));
  auto pause = kFirstPoll;
  for (;;) {
    if (auto status = Poll(process)) return status;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, kLongestPoll);
  }
}

void PosixProcesses::Kill(ProcessId process) {
  auto it = children_.find(process);
  if (it == children_.end() || it->second) return;
  if (Poll(process)) return;
  kill(static_cast<pid_t>(process), SIGKILL);
  int status = 0;
  pid_t reaped = 0;
  do {
    reaped = waitpid(static_cast<pid_t>(process), &status, 0);
  } while (reaped < 0 && errno == EINTR);
  it->second = reaped > 0 ? DecodeStatus(status) : -SIGKILL;
}

void PosixProcesses::Sleep(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

}  // namespace verbsmith
