// Starts two copies of itself that each add commands to one command set,
// then checks that the set holds every command exactly once.
//
//   command_set_stress WORKDIR COUNT        the check (runs the writers)
//   command_set_stress --writer DB NAME N   one writer: adds NAME.Cmd0 .. N-1

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/posix/sqlite_command_set.h"

extern char** environ;

namespace {

using verbsmith::CommandEntry;
using verbsmith::SqliteCommandSet;

int Writer(const std::string& db, const std::string& name, int count) {
  for (int i = 0; i < count; ++i) {
    // A fresh object per command, as every wizard flow opens its own.
    SqliteCommandSet set(db);
    set.OpenCommandSet("Valdren", "Carthex");
    CommandEntry entry;
    entry.progId = name + ".Cmd" + std::to_string(i);
    entry.description = "written by " + name;
    set.AddCommand(entry);
  }
  return 0;
}

pid_t Spawn(const std::string& self, const std::vector<std::string>& args) {
  std::vector<std::string> all{self};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

int Check(const std::string& self, const std::filesystem::path& work, int count) {
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  const std::string db = (work / "commandset.db").string();
  const std::string n = std::to_string(count);
  const pid_t a = Spawn(self, {"--writer", db, "First", n});
  const pid_t b = Spawn(self, {"--writer", db, "Second", n});
  if (a < 0 || b < 0) {
    std::fprintf(stderr, "cannot start the writers\n");
    return 1;
  }
  bool writersOk = true;
  for (pid_t pid : {a, b}) {
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) writersOk = false;
  }
  if (!writersOk) {
    std::fprintf(stderr, "a writer failed\n");
    return 1;
  }

  SqliteCommandSet set(db);
  set.OpenCommandSet("Valdren", "Carthex");
  const int total = set.CommandCount();
  std::set<std::string> seen;
  for (int i = 0; i < total; ++i) {
    const std::optional<verbsmith::CommandEntry> entry = set.FindCommand(verbsmith::kFirstCommandId + i);
    if (!entry) {
      std::fprintf(stderr, "identifier %d has no entry\n", verbsmith::kFirstCommandId + i);
      return 1;
    }
    seen.insert(entry->progId);
  }
  std::printf("%d commands, %zu distinct\n", total, seen.size());
  if (total != 2 * count || seen.size() != static_cast<size_t>(2 * count)) {
    std::fprintf(stderr, "expected %d commands\n", 2 * count);
    return 1;
  }
  std::filesystem::remove_all(work);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 5 && std::string(argv[1]) == "--writer") return Writer(argv[2], argv[3], std::atoi(argv[4]));
    if (argc == 3) {
      const std::string self = std::filesystem::canonical("/proc/self/exe").string();
      return Check(self, argv[1], std::atoi(argv[2]));
    }
  } catch (const verbsmith::VbError& e) {
    std::fprintf(stderr, "error %d (%s): %s\n", e.Number(), e.Source().c_str(), e.Description().c_str());
    return 1;
  }
  std::fprintf(stderr, "usage: command_set_stress WORKDIR COUNT | --writer DB NAME COUNT\n");
  return 2;
}
