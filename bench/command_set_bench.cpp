// The wizard's walk of a full command set: CommandCount, then FindCommand
// for every identifier, as the command list is filled. The target
// is under 150 ms for 32,767 entries. The single-entry operations of the
// commands tool (add, show by ProgID, remove) on 32,767 entries stay within
// three times of the same on 100. `commands list --json` of 32,767 entries
// takes at most 1.5 times as long as `sqlite3 -json` on the same file, and
// at most 15 MiB.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "child_run.h"
#include "platform/posix/sqlite_command_set.h"

namespace {

using verbsmith::CommandEntry;
using verbsmith::kFirstCommandId;
using verbsmith::SqliteCommandSet;
namespace bench = verbsmith::bench;

// A command set of the given size in a fresh temporary database.
class FilledCommandSet {
 public:
  explicit FilledCommandSet(int size) {
    dir_ = std::filesystem::temp_directory_path() / ("verbsmith-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    path_ = (dir_ / "commandset.db").string();
    CommandEntry seed;
    seed.progId = "Bench.Cmd0";
    seed.description = "A command of the benchmark set";
    seed.toolTip = "Benchmark";
    seed.largeColorBitmap = "C:\\Projects\\Bench\\bitmaps\\lc.bmp";
    SqliteCommandSet set(path_);
    set.OpenCommandSet("Valdren", "Carthex");
    set.AddCommand(seed);
    // The rest in one statement: filling through AddCommand would cost one
    // transaction each and measure nothing of interest here.
    sqlite3* db = nullptr;
    sqlite3_open(path_.c_str(), &db);
    const std::string sql =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(size - 1) +
        ") INSERT INTO commands SELECT set_id, i, 'Bench.Cmd' || i, command_type, enable_mask, "
        "listener_mask, modal_flag, field6, field7, field8, field9, field10, field11, field12, field13, "
        "field14, description, tool_tip, small_mono_bitmap, small_color_bitmap, large_mono_bitmap, "
        "large_color_bitmap FROM commands, n";
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  ~FilledCommandSet() { std::filesystem::remove_all(dir_); }
  const std::string& Path() const { return path_; }

 private:
  std::filesystem::path dir_;
  std::string path_;
};

void BM_WizardListsCommandSet(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  FilledCommandSet filled(size);
  for (auto _ : state) {
    SqliteCommandSet set(filled.Path());
    set.OpenCommandSet("Valdren", "Carthex");
    std::vector<std::string> names;
    const int16_t count = set.CommandCount();
    for (int32_t i = 0; i < count; ++i) {
      const CommandEntry entry = *set.FindCommand(kFirstCommandId + i);
      const size_t dot = entry.progId.find('.');
      names.push_back(dot == std::string::npos ? entry.progId : entry.progId.substr(dot + 1));
    }
    if (static_cast<int>(names.size()) != size) state.SkipWithError("the listing missed entries");
    benchmark::DoNotOptimize(names);
  }
  state.SetItemsProcessed(state.iterations() * size);
}
BENCHMARK(BM_WizardListsCommandSet)->Arg(100)->Arg(32767)->Unit(benchmark::kMillisecond);

// Removing the first entry moves every other one up; adding it again appends.
void BM_RemoveFirstAndAddBack(benchmark::State& state) {
  FilledCommandSet filled(static_cast<int>(state.range(0)));
  SqliteCommandSet set(filled.Path());
  set.OpenCommandSet("Valdren", "Carthex");
  for (auto _ : state) {
    const CommandEntry first = *set.FindCommand(kFirstCommandId);
    set.RemoveCommand(first.progId);
    set.AddCommand(first);
  }
}
BENCHMARK(BM_RemoveFirstAndAddBack)->Arg(32766)->Unit(benchmark::kMillisecond);

// What `commands add`, `show PROGID` and `remove` each do, on a fresh object
// as each run of the tool has: open, then one indexed ProgID operation.
void BM_AddShowRemoveByProgId(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  FilledCommandSet filled(size - 1);
  CommandEntry entry;
  entry.progId = "Bench.Added";
  entry.description = "Added by the benchmark";
  for (auto _ : state) {
    {
      SqliteCommandSet set(filled.Path());
      set.OpenCommandSet("Valdren", "Carthex");
      set.AddCommand(entry);
    }
    {
      SqliteCommandSet set(filled.Path());
      set.OpenCommandSet("Valdren", "Carthex");
      benchmark::DoNotOptimize(set.FindProgId("BENCH.ADDED"));
    }
    {
      SqliteCommandSet set(filled.Path());
      set.OpenCommandSet("Valdren", "Carthex");
      set.RemoveCommand("bench.added");
    }
  }
}
BENCHMARK(BM_AddShowRemoveByProgId)->Arg(100)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_OpenCommandSet(benchmark::State& state) {
  FilledCommandSet filled(100);
  for (auto _ : state) {
    SqliteCommandSet set(filled.Path());
    set.OpenCommandSet("Valdren", "Carthex");
    benchmark::DoNotOptimize(set.CommandCount());
  }
}
BENCHMARK(BM_OpenCommandSet)->Unit(benchmark::kMicrosecond);

// The whole tool against the database's own shell, run in turns so that
// both see the same machine.
void BM_CommandsListJsonBesideSqliteShell(benchmark::State& state) {
  FilledCommandSet filled(32767);
  bench::ChildFigures ours, shell;
  for (auto _ : state) {
    const bench::ChildRun listed =
        bench::RunChild({bench::Product(), "commands", "list", "--json", "--company", "Valdren",
                         "--application", "Carthex", "--db", filled.Path()});
    const bench::ChildRun dumped =
        bench::RunChild({"sqlite3", "-json", filled.Path(), "SELECT * FROM commands"});
    if (listed.status != 0 || dumped.status != 0) state.SkipWithError("a listing failed");
    ours.Add(listed);
    shell.Add(dumped);
  }
  ours.Report(state, "verbsmith");
  shell.Report(state, "sqlite3");
  state.counters["ratio"] = ours.MeanSeconds() / shell.MeanSeconds();
  state.counters["cpu_ratio"] = ours.MeanCpuSeconds() / shell.MeanCpuSeconds();
}
BENCHMARK(BM_CommandsListJsonBesideSqliteShell)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
