// Start-up of the headless tool, whole process: `verbsmith --help` and
// `verbsmith commands show` as a shell loop runs them. verbsmith loads no
// Qt; target: a few milliseconds (sqlite3 -version takes about 10 ms on the
// machine the target was set on).

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "support/run_program.h"

namespace verbsmith {
namespace {

void RunEach(benchmark::State& state, const std::vector<std::string>& argv, int expectedStatus) {
  for (auto _ : state) {
    const test::ProgramOutcome outcome = test::RunProgram(argv);
    if (outcome.status != expectedStatus) {
      state.SkipWithError(("unexpected exit status: " + outcome.err).c_str());
      break;
    }
  }
}

void BM_HeadlessHelp(benchmark::State& state) {
  RunEach(state, {VERBSMITH_EXE, "--help"}, 0);
}
BENCHMARK(BM_HeadlessHelp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// A command set that is not there: the start-up, the parse and the lookup.
void BM_HeadlessCommandsShow(benchmark::State& state) {
  RunEach(state,
          {"/usr/bin/env", "VERBSMITH_COMMAND_SET=/nonexistent/commandset.db", VERBSMITH_EXE, "commands", "show",
           "--company", "C", "--application", "A", "Zoom.ZoomIn"},
          1);
}
BENCHMARK(BM_HeadlessCommandsShow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

}  // namespace
}  // namespace verbsmith
