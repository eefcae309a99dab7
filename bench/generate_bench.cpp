// Speed of source generation: one command project made from the shipped
// templates, and the block engine on a very large class file.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "generate/class_blocks.h"
#include "generate/line_buffer.h"
#include "generate/template_engine.h"
#include "managers/template_render.h"
#include "support/file_host.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

void BM_GenerateCommandProject(benchmark::State& state) {
  test::TempDir dir;
  dir.MakeDir("proj");
  test::FileHost files;
  const std::string templates = "Z:" + test::SourceTreePath("templates").string() + "/";
  std::string templateDir = templates;
  for (char& c : templateDir) c = c == '/' ? '\\' : c;
  RenderOptions options;
  options.commandIsModeless = true;
  options.formPosition = 1;
  options.isMapViewListener = true;
  options.customEnabling = true;
  for (auto _ : state) {
    auto rendered = RenderCommand(files.host, options, templateDir, dir.WindowsPath("proj") + "\\");
    benchmark::DoNotOptimize(rendered);
    if (!rendered.succeeded) state.SkipWithError(rendered.messages.front().c_str());
  }
}
BENCHMARK(BM_GenerateCommandProject)->Unit(benchmark::kMillisecond);

// A class file of 100,000 lines: the eight blocks, nested as the template
// nests them, repeated with plain code between them.
std::vector<std::string> LargeClass() {
  std::vector<std::string> lines;
  while (lines.size() < 100000) {
    for (std::string_view name : kClassBlockNames) {
      lines.push_back("'WIZARD " + std::string(name));
      lines.push_back("'    Call Something(\"" + std::string(name) + "\") ' note");
      lines.push_back("'WIZARD CenterOnScreen");
      lines.push_back("'    CenterOnScreen frmMainForm");
      lines.push_back("'ENDWIZARD");
      lines.push_back("'ENDWIZARD");
      lines.push_back("    x = x + 1");
    }
  }
  lines.resize(100000);
  return lines;
}

void BM_ApplyEightBlocksToALargeFile(benchmark::State& state) {
  const std::vector<std::string> source = LargeClass();
  LineBuffer lines;
  for (auto _ : state) {
    state.PauseTiming();
    lines.Assign(source);
    state.ResumeTiming();
    for (std::string_view name : kClassBlockNames) ApplyWizardBlock(lines, name);
    benchmark::DoNotOptimize(lines[0]);
  }
}
BENCHMARK(BM_ApplyEightBlocksToALargeFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verbsmith
