#include "platform/posix/posix_processes.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <thread>

#include "base/vb_error.h"
#include "platform/posix/temp_file_registry.h"

extern char** environ;

namespace verbsmith {

namespace {

constexpr const char* kSource = "Processes";

// Without pidfds (kernels before 5.3) polling starts fine-grained, then
// backs off to spare the processor during long waits.
constexpr std::chrono::milliseconds kFirstPoll{1};
constexpr std::chrono::milliseconds kLongestPoll{20};

// A descriptor that becomes readable when the process ends, or -1.
int OpenPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

int DecodeStatus(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return -WTERMSIG(status);
  return -1;
}

// Owns a posix_spawnattr_t for the span of one spawn.
class SpawnAttributes {
 public:
  SpawnAttributes() { posix_spawnattr_init(&attributes_); }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  posix_spawnattr_t* Get() { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

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

// The host directory behind TEMP, for children: a Windows-form value on
// drive Z: is turned back into its host path; another drive's, or none,
// gives TMPDIR or /tmp.
std::string HostTempDirectory() {
  const char* temp = std::getenv("TEMP");
  if (temp != nullptr && temp[0] == '/') return temp;
  if (temp != nullptr && (temp[0] == 'Z' || temp[0] == 'z') && temp[1] == ':' &&
      (temp[2] == '\\' || temp[2] == '/')) {
    std::string path = temp + 2;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  }
  const char* tmpdir = std::getenv("TMPDIR");
  return (tmpdir != nullptr && tmpdir[0] == '/') ? tmpdir : "/tmp";
}

// This process's environment with TEMP and TMP holding a host directory: a
// host program cannot use the Windows form the product keeps there.
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text = *entry;
    if (text.starts_with("TEMP=") || text.starts_with("TMP=")) continue;
    variables.emplace_back(text);
  }
  const std::string temp = HostTempDirectory();
  variables.push_back("TEMP=" + temp);
  variables.push_back("TMP=" + temp);
  return variables;
}

}  // namespace

std::vector<std::string> PosixProcesses::FindPrograms(const std::string& pattern) {
  std::vector<std::string> found;
  const char* path = std::getenv("PATH");
  if (path == nullptr) return found;
  std::string_view rest = path;
  while (true) {
    const size_t end = std::min(rest.find(':'), rest.size());
    std::string directory(rest.substr(0, end));
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    if (directory.starts_with('/')) {
      std::vector<std::string> names;
      std::error_code error;
      for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        std::error_code notFile;
        if (fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) == 0 && entry.is_regular_file(notFile))
          names.push_back(name);
      }
      std::sort(names.begin(), names.end());
      for (const std::string& name : names)
        found.push_back(directory == "/" ? "/" + name : directory + "/" + name);
    }
    if (end == rest.size()) break;
    rest.remove_prefix(end + 1);
  }
  return found;
}

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
  SpawnAttributes attributes;
  if (hidden) {
    posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.Get(), STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    // A group of its own: what it starts in turn ends with it.
    posix_spawnattr_setflags(attributes.Get(), POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(attributes.Get(), 0);
  }
  std::vector<std::string> environment = ChildEnvironment();
  std::vector<char*> envp;
  envp.reserve(environment.size() + 1);
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  const int result =
      posix_spawnp(&pid, args.front(), actions.Get(), attributes.Get(), args.data(), envp.data());
  if (result != 0) {
    throw VbError(
        vberr::kFileNotFound, kSource,
        VbErrorText(vberr::kFileNotFound) + ": " + argv.front() + " (" + std::strerror(result) + ")");
  }
  children_[pid] = Child{std::nullopt, hidden};
  // Until it is reaped, a fatal signal to this process ends its group too.
  if (hidden) RegisterChildGroup(pid);
  return pid;
}

std::optional<int> PosixProcesses::Poll(ProcessId process) {
  auto it = children_.find(process);
  if (it == children_.end()) {
    throw VbError(vberr::kInvalidProcedureCall, kSource, "No such child process");
  }
  if (it->second.status) return it->second.status;
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
  Reaped(process, it->second, DecodeStatus(status));
  return it->second.status;
}

std::optional<int> PosixProcesses::Wait(ProcessId process, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + std::max(limit, std::chrono::milliseconds(0));
  if (auto status = Poll(process)) return status;
  // The pidfd turns readable the moment the child ends.
  if (const int pidfd = OpenPidFd(static_cast<pid_t>(process)); pidfd >= 0) {
    int ready = 0;
    do {
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      pollfd entry{pidfd, POLLIN, 0};
      ready = ::poll(&entry, 1, static_cast<int>(std::max<int64_t>(left.count(), 0)));
    } while (ready < 0 && errno == EINTR);
    ::close(pidfd);
    // Readable means ended, with the status there to reap; otherwise the
    // limit passed and Poll says the child still runs.
    return Poll(process);
  }
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
  if (it == children_.end() || it->second.status) return;
  if (Poll(process)) return;
  // Not reaped yet, so the group's number is still the child's: a child
  // with a group of its own goes with everything it started.
  const auto pid = static_cast<pid_t>(process);
  kill(it->second.ownGroup ? -pid : pid, SIGKILL);
  int status = 0;
  pid_t reaped = 0;
  do {
    reaped = waitpid(pid, &status, 0);
  } while (reaped < 0 && errno == EINTR);
  Reaped(process, it->second, reaped > 0 ? DecodeStatus(status) : -SIGKILL);
}

void PosixProcesses::Reaped(ProcessId process, Child& child, int status) {
  child.status = status;
  if (child.ownGroup) ForgetChildGroup(static_cast<pid_t>(process));
}

PosixProcesses::~PosixProcesses() {
  // Numbers of children never reaped may be reused by strangers.
  for (const auto& [pid, child] : children_) {
    if (child.ownGroup && !child.status) ForgetChildGroup(static_cast<pid_t>(pid));
  }
}

void PosixProcesses::Sleep(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

ProcessId PosixProcesses::Self() {
  return static_cast<ProcessId>(getpid());
}

bool PosixProcesses::IsRunning(ProcessId process) {
  // A process of another user still counts: it exists, signal or not.
  return process > 0 && (kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM);
}

}  // namespace verbsmith
