#pragma once
// Runs a built program as a user would and keeps what it printed, for tests
// of the command-line tools.

#include <string>
#include <vector>

namespace verbsmith::test {

struct ProgramOutcome {
  // The exit status; -1 when the program could not be started or did not
  // exit normally (a signal, for instance).
  int status = -1;
  std::string out;
  std::string err;
};

// Runs argv[0] with argv as its arguments and the test's environment, waits
// for it and returns its exit status and its standard output and error.
ProgramOutcome RunProgram(const std::vector<std::string>& argv);

// The path of the verbsmith executable, from VERBSMITH_EXE; empty (with a
// test failure recorded) when the variable is not set.
std::string VerbsmithExecutable();

}  // namespace verbsmith::test
