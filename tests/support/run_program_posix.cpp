#include "support/run_program.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "support/temp_dir.h"

extern char** environ;

namespace verbsmith::test {

ProgramOutcome RunProgram(const std::vector<std::string>& argv) {
  ProgramOutcome outcome;
  if (argv.empty()) {
    ADD_FAILURE() << "RunProgram needs at least the program's path";
    return outcome;
  }
  std::vector<std::string> args = argv;
  std::vector<char*> pointers;
  for (std::string& arg : args) pointers.push_back(arg.data());
  pointers.push_back(nullptr);

  // Files rather than pipes: nothing to drain while the program runs, so a
  // chatty program cannot block on a full pipe.
  TempDir capture;
  const std::string outPath = capture.HostPath("stdout.txt").string();
  const std::string errPath = capture.HostPath("stderr.txt").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, args[0].c_str(), &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    ADD_FAILURE() << "cannot start " << args[0] << ": " << std::strerror(rc);
    return outcome;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      ADD_FAILURE() << "cannot wait for " << args[0] << ": " << std::strerror(errno);
      return outcome;
    }
  }
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.out = capture.Read("stdout.txt");
  outcome.err = capture.Read("stderr.txt");
  return outcome;
}

std::string VerbsmithExecutable() {
  const char* exe = std::getenv("VERBSMITH_EXE");
  if (exe == nullptr || *exe == '\0') {
    ADD_FAILURE() << "VERBSMITH_EXE names the verbsmith executable";
    return {};
  }
  return exe;
}

}  // namespace verbsmith::test
