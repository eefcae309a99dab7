#include "platform/posix/temp_file_registry.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <mutex>
#include <string>
#include <system_error>

#include "base/strings.h"

namespace verbsmith {

namespace fs = std::filesystem;

namespace {

// A fixed table the handler can read without allocating: a writer fills a
// slot's name, then marks it used.
constexpr int kSlots = 16;
constexpr std::size_t kLongestPath = 4096;

struct Slot {
  std::atomic<bool> used{false};
  char path[kLongestPath];
};

Slot slots[kSlots];
std::mutex claimMutex;

// Process groups, 0 in a free place.
constexpr int kGroups = 8;
std::atomic<pid_t> groups[kGroups];

void RemoveRegisteredAndRaise(int signal) {
  // The tools first, so that none writes a file again once it is removed.
  for (std::atomic<pid_t>& group : groups) {
    if (const pid_t id = group.load(); id > 0) ::kill(-id, SIGKILL);
  }
  for (Slot& slot : slots) {
    if (slot.used.load()) ::unlink(slot.path);
  }
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

void InstallFor(int signal) {
  struct sigaction current {};
  if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = RemoveRegisteredAndRaise;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
}

constexpr std::string_view kPrefix = ".~vs";
constexpr std::string_view kSuffix = ".tmp";

// The process id in a temporary file's name, or 0 when it is not one.
pid_t PidOfTempFile(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return 0;
  name.remove_prefix(kPrefix.size());
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 8) return 0;
  unsigned long pid = 0;
  const char* end = name.data() + dash;
  const auto [stop, error] = std::from_chars(name.data(), end, pid, 16);
  if (error != std::errc() || stop != end) return 0;
  return static_cast<pid_t>(pid);
}

}  // namespace

void InstallTempFileCleanup() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) InstallFor(signal);
  });
}

void RegisterChildGroup(pid_t group) {
  for (std::atomic<pid_t>& place : groups) {
    pid_t free = 0;
    if (place.compare_exchange_strong(free, group)) return;
  }
}

void ForgetChildGroup(pid_t group) {
  for (std::atomic<pid_t>& place : groups) {
    pid_t known = group;
    if (place.compare_exchange_strong(known, 0)) return;
  }
}

RegisteredTempFile::RegisteredTempFile(const fs::path& path) : slot_(-1) {
  const std::string& text = path.native();
  if (text.size() >= kLongestPath) return;
  std::lock_guard lock(claimMutex);
  for (int i = 0; i < kSlots; ++i) {
    if (slots[i].used.load()) continue;
    std::memcpy(slots[i].path, text.c_str(), text.size() + 1);
    slots[i].used.store(true);
    slot_ = i;
    return;
  }
}

RegisteredTempFile::~RegisteredTempFile() {
  if (slot_ < 0) return;
  std::lock_guard lock(claimMutex);
  slots[slot_].used.store(false);
}

std::string TempFileName(unsigned long pid, unsigned long number) {
  return std::string(kPrefix) + UpperHex(pid) + "-" + UpperHex(number) + std::string(kSuffix);
}

void RemoveStaleTempFiles(const fs::path& directory) {
  std::error_code ec;
  for (fs::directory_iterator it(directory, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const pid_t pid = PidOfTempFile(it->path().filename().native());
    if (pid <= 0 || pid == ::getpid()) continue;
    // Gone for good: no process of that number runs any more.
    if (::kill(pid, 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
  }
}

}  // namespace verbsmith
