// Building the toolbar resource through the bitmap manager against the bare
// compiler run on the same bitmaps: what the product adds (script, host
// copy, discovery, checks) should stay well under the compiler's own time.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "connection/connection.h"
#include "generate/line_buffer.h"
#include "resources/bitmap_mgr_class.h"
#include "resources/resource_compiler.h"
#include "support/bmp_writer.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/fake_managers.h"
#include "support/file_host.h"
#include "support/stub_general_mgr.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

// Four bitmaps, a project directory and the ports, ready for either run.
struct ResourceBench {
  ResourceBench() {
    dir.MakeDir("proj/src");
    dir.MakeDir("vb");
    dir.Write("bmp/lc.bmp", test::MakeBmp(24, 23, false));
    dir.Write("bmp/lm.bmp", test::MakeBmp(24, 23, true));
    dir.Write("bmp/sc.bmp", test::MakeBmp(16, 15, false));
    dir.Write("bmp/sm.bmp", test::MakeBmp(16, 15, true));
    genMgr.SetProjectName("BenchCmd");
    genMgr.SetCurrentPathSrc(dir.WindowsPath("proj/src") + "\\");
    ide.SetFullName(dir.WindowsPath("vb/VB6.EXE"));
    connection.genMgr = &genMgr;
    connection.classMgr = &classMgr;
    connection.vbInst = &ide;
  }

  void Configure(BitMapMgrClass& mgr) const {
    const std::string bitmaps = dir.WindowsPath("bmp") + "\\";
    mgr.SetLCBitmapLocation(bitmaps), mgr.SetLCBMPFilename("lc.bmp");
    mgr.SetLMBitmapLocation(bitmaps), mgr.SetLMBMPFilename("lm.bmp");
    mgr.SetSCBitmapLocation(bitmaps), mgr.SetSCBMPFilename("sc.bmp");
    mgr.SetSMBitmapLocation(bitmaps), mgr.SetSMBMPFilename("sm.bmp");
    mgr.SetResourceType(1);
    mgr.SetRCFilename("CmdSvr.rc");
    mgr.SetResFilename("CmdSvr.res");
  }

  test::TempDir dir;
  test::FileHost env;
  Host& host = env.host;
  test::StubGeneralMgr genMgr;
  test::FakeClassMgr classMgr;
  test::FakeIde ide;
  test::FakeConnection connection;
};

void BM_WriteResourceToProject(benchmark::State& state) {
  ResourceBench bench;
  LineBuffer lines;
  BitMapMgrClass mgr(bench.host, lines);
  mgr.InitializeObjects(&bench.connection);
  if (mgr.CompilerPath().empty()) {
    state.SkipWithError("no resource compiler on this machine");
    return;
  }
  bench.Configure(mgr);
  for (auto _ : state) {
    lines.Assign({"Type=OleDll", "Name=\"BenchCmd\""});
    mgr.WriteResourceToProject();
  }
  if (!bench.env.dialogs.MessageBoxes().empty())
    state.SkipWithError(bench.env.dialogs.MessageBoxes().front().prompt.c_str());
}
BENCHMARK(BM_WriteResourceToProject)->Unit(benchmark::kMillisecond)->UseRealTime();

// Each compiler present on the machine, called the quickest way it can be,
// on a ready host-path script, started and waited for: the product's step
// is measured against the fastest of these, whichever it chose.
void BM_BareCompiler(benchmark::State& state, ResourceCompiler compiler) {
  if (!std::filesystem::exists(compiler.program)) {
    state.SkipWithError("not on this machine");
    return;
  }
  ResourceBench bench;
  std::string script;
  for (const auto& [code, file] :
       {std::pair{"LC", "lc.bmp"}, {"LM", "lm.bmp"}, {"SC", "sc.bmp"}, {"SM", "sm.bmp"}}) {
    script += std::string("BenchCmd.CmdSvr.") + code + " BITMAP DISCARDABLE   \"" +
              bench.dir.HostPath(std::string("bmp/") + file).string() + "\"\r\n";
  }
  const std::filesystem::path input = bench.dir.Write("bare.rc", script);
  const std::string output = bench.dir.HostPath("bare.res").string();
  for (auto _ : state) {
    ProcessId process =
        bench.host.processes.Start(CompilerCommandLine(compiler, input.string(), output), true);
    std::optional<int> status = bench.host.processes.Wait(process, std::chrono::seconds(10));
    if (!status || *status != 0) state.SkipWithError("the compiler failed");
  }
}
BENCHMARK_CAPTURE(BM_BareCompiler, windres_cat,
                  ResourceCompiler{CompilerDialect::kWindres, "/usr/bin/x86_64-w64-mingw32-windres", "", true,
                                   ""})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_BareCompiler, llvm_rc_no_preprocess,
                  ResourceCompiler{CompilerDialect::kRcOptions, "/usr/bin/llvm-rc", "", true, ""})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_BareCompiler, llvm_rc,
                  ResourceCompiler{CompilerDialect::kRcOptions, "/usr/bin/llvm-rc", "", false, ""})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace verbsmith
