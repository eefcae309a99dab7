// Start-up of the desktop window: from starting `verbsmith gui --check` to
// its exit, which follows the first frame of the start step at once (on
// Qt's offscreen platform, so no display is needed). Target: under 300 ms.

#include <benchmark/benchmark.h>

#include "support/run_program.h"

namespace verbsmith {
namespace {

void BM_GuiProcessStartToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    const test::ProgramOutcome outcome =
        test::RunProgram({"/usr/bin/env", "QT_QPA_PLATFORM=offscreen", VERBSMITH_EXE, "gui", "--check"});
    if (outcome.status != 0) {
      state.SkipWithError(("verbsmith gui --check failed: " + outcome.err).c_str());
      break;
    }
  }
}
BENCHMARK(BM_GuiProcessStartToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
}  // namespace verbsmith
