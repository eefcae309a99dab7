// Speed of the product's main job: a whole headless create run, from the
// script to the finished project (sources, project file, resource, recap,
// initialisation file, command-set entry), as `verbsmith run` does it; and
// the same run where no resource compiler can be found.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/posix/posix_processes.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

std::string CreateScript(const test::TempDir& dir, int run, bool compilerFound) {
  std::string script =
      "click optCreateProject\nclick cmdIntroNext\ntype txtProjName Roads\n"
      "choose dirProjLoc " +
      dir.WindowsPath() + "\n" + "type txtNewSubDirName P" + std::to_string(run) +
      "\nclick cmdProjNext\n"
      "type txtCmdName Buffer\ntype txtCmdDescription Buffers\ntype txtCmdToolTip Buffer\n"
      "click cmdCmdNameNext\nclick optCustomBMP\nclick cmdAddBMPNext\n";
  for (const char* code : {"LC", "LM", "SC", "SM"}) {
    script +=
        std::string("type txt") + code + "CustomBMPName " + dir.WindowsPath("art/Compass") + code + ".bmp\n";
  }
  script +=
      "click cmdCustomBMPNext\nclick optComClassModeless\nclick cmdComClassNext\nclick cmdFrmNameNext\n"
      "click cmdModelessNext\nclick cmdListenerNext\nclick optViewChange\nclick cmdCommandTypeNext\n"
      "click chkMapViewIsActive\nclick cmdEnablingConditionsNext\n";
  if (!compilerFound) script += "answer OK\n";
  return script + "answer No\nclick cmdFinishFinish\n";
}

void WholeCreateRun(benchmark::State& state, bool compilerFound) {
  test::TempDir dir;
  for (const char* code : {"LC", "LM", "SC", "SM"}) {
    const std::string name = std::string("Compass") + code + ".bmp";
    std::filesystem::copy_file(test::SourceTreePath("examples/bitmaps/" + name), dir.MakeDir("art") / name);
  }
  ::setenv("VERBSMITH_COMMAND_SET", dir.HostPath("commandset.db").c_str(), 1);
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  if (!compilerFound) {
    ::setenv("PATH", dir.HostPath("no-compilers-here").c_str(), 1);
    ::unsetenv("VERBSMITH_RC");
  }
  PosixProcesses processes;
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const auto script = dir.Write("create.script", CreateScript(dir, ++run, compilerFound));
    state.ResumeTiming();
    const ProcessId child = processes.Start({VERBSMITH_EXE, "run", script.string()}, true);
    const auto status = processes.Wait(child, std::chrono::seconds(60));
    if (status != 0) state.SkipWithError("the run failed");
  }
  if (!dir.Exists("P1/src/Buffer.cls") || dir.Exists("P1/src/Buffer.res") != compilerFound) {
    state.SkipWithError("the run did not make the project expected");
  }
  ::setenv("PATH", path.c_str(), 1);
}

void BM_WholeCreateRun(benchmark::State& state) {
  WholeCreateRun(state, true);
}
void BM_WholeCreateRunWithoutResourceCompiler(benchmark::State& state) {
  WholeCreateRun(state, false);
}
BENCHMARK(BM_WholeCreateRun)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeCreateRunWithoutResourceCompiler)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace verbsmith
