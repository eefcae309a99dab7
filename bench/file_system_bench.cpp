// Writing many new files into one directory through the file system port:
// the time per file must not grow with the number already there (each name
// misses, and the case-insensitive fallback must not list the directory
// every time). Compare the per-file times of the two sizes.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

void BM_WriteFilesIntoOneDirectory(benchmark::State& state) {
  const auto count = static_cast<int>(state.range(0));
  test::TempDir dir;
  PosixFileSystem files(PathMapper(dir.HostPath("prefix")));
  int round = 0;
  for (auto _ : state) {
    const std::string directory = dir.WindowsPath("round" + std::to_string(++round));
    files.MakeDirectory(directory);
    for (int i = 0; i < count; ++i) {
      files.WriteText(directory + "\\File" + std::to_string(i) + ".cls", "Attribute VB_Name = \"x\"\r\n");
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_WriteFilesIntoOneDirectory)->Arg(50)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace verbsmith
