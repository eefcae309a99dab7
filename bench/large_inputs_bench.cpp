// Whole commands fed very large files: `info` with a 60 MB registry export
// (refused at once, in little memory), and `templates check` of a module
// template of 100,000 and 200,000 lines (time grows with the length, not
// its square).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "child_run.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

// A regedit export of class registrations, about bytes long.
std::string RegistryExport(size_t bytes) {
  std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
  text.reserve(bytes + 4096);
  for (size_t n = 0; text.size() < bytes; ++n) {
    const std::string progId = "Project" + std::to_string(n) + ".Class" + std::to_string(n);
    const std::string clsid = "{" + std::to_string(10000000 + n) + "-0000-0000-0000-000000000000}";
    text += "[HKEY_CLASSES_ROOT\\" + progId + "]\r\n@=\"" + progId + "\"\r\n\r\n";
    text += "[HKEY_CLASSES_ROOT\\" + progId + "\\Clsid]\r\n@=\"" + clsid + "\"\r\n\r\n";
    text += "[HKEY_CLASSES_ROOT\\CLSID\\" + clsid + "\\InprocServer32]\r\n@=\"C:\\\\Commands\\\\" + progId +
            ".dll\"\r\n\"ThreadingModel\"=\"Apartment\"\r\n\r\n";
  }
  return text;
}

void BM_InfoWithA60MBRegistryExport(benchmark::State& state) {
  test::TempDir dir;
  const std::string file = dir.Write("classes.reg", RegistryExport(60u << 20)).string();
  ::setenv("WINEPREFIX", dir.HostPath("no-prefix").c_str(), 1);
  ::setenv("VERBSMITH_REGISTRY", file.c_str(), 1);
  bench::ChildFigures info;
  for (auto _ : state) {
    const bench::ChildRun run = bench::RunChild({bench::Product(), "info"});
    if (run.status != 0) state.SkipWithError("info failed");
    info.Add(run);
  }
  info.Report(state, "info");
  ::unsetenv("VERBSMITH_REGISTRY");
}
BENCHMARK(BM_InfoWithA60MBRegistryExport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The shipped templates, the module lengthened to the given number of lines.
void BM_TemplatesCheckOfALongModule(benchmark::State& state) {
  test::TempDir dir;
  const std::filesystem::path templates = dir.MakeDir("templates");
  for (const auto& entry : std::filesystem::directory_iterator(test::SourceTreePath("templates")))
    std::filesystem::copy_file(entry.path(), templates / entry.path().filename());
  std::string module = dir.Read("templates/MainModule.bas");
  for (int64_t n = 60; n < state.range(0); ++n)
    module += "    g_Count = g_Count + " + std::to_string(n) + "\r\n";
  dir.Write("templates/MainModule.bas", module);
  bench::ChildFigures check;
  for (auto _ : state) {
    const bench::ChildRun run = bench::RunChild({bench::Product(), "templates", "check", templates.string()});
    if (run.status != 0) state.SkipWithError("the check failed");
    check.Add(run);
  }
  check.Report(state, "check");
}
BENCHMARK(BM_TemplatesCheckOfALongModule)
    ->Arg(100000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace verbsmith
