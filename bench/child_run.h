#pragma once
// Runs a program as a user would, its output thrown away, and tells how
// long it took and how much memory it held at most: the figures the
// whole-command benchmarks compare.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace verbsmith::bench {

// The product to run: this build's, or the one VERBSMITH_BENCH_EXE names,
// so that an older build can be measured by the same benchmarks.
inline std::string Product() {
  const char* other = std::getenv("VERBSMITH_BENCH_EXE");
  return other != nullptr && *other != '\0' ? other : VERBSMITH_EXE;
}

struct ChildRun {
  int status = -1;  // the exit status; -1 when it could not run or was killed
  double seconds = 0;
  double cpuSeconds = 0;  // user and system: steadier than the clock on a busy machine
  double peakMiB = 0;
};

// The peak is what /usr/bin/time reports for the program: a child started
// straight from this process would be charged this process's own peak too.
inline ChildRun RunChild(std::vector<std::string> argv) {
  char peakFile[] = "/tmp/verbsmith-bench-peak-XXXXXX";
  const int peakFd = ::mkstemp(peakFile);
  if (peakFd < 0) return {};
  ::close(peakFd);
  argv.insert(argv.begin(), {"/usr/bin/time", "-f", "%M", "-o", peakFile});
  std::vector<char*> pointers;
  for (std::string& arg : argv) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  while (rc == 0 && ::wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) break;
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const auto toSeconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  run.cpuSeconds = toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
  std::ifstream peak(peakFile);
  double kib = 0;
  if (peak >> kib) run.peakMiB = kib / 1024.0;
  ::unlink(peakFile);
  run.status = rc == 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// The runs of one program over a benchmark's iterations: its mean times and
// its highest peak, reported as counters named after it.
struct ChildFigures {
  double seconds = 0;
  double cpuSeconds = 0;
  double peakMiB = 0;
  int runs = 0;

  void Add(const ChildRun& run) {
    seconds += run.seconds;
    cpuSeconds += run.cpuSeconds;
    peakMiB = std::max(peakMiB, run.peakMiB);
    ++runs;
  }
  double MeanSeconds() const { return runs == 0 ? 0 : seconds / runs; }
  double MeanCpuSeconds() const { return runs == 0 ? 0 : cpuSeconds / runs; }
  void Report(benchmark::State& state, const std::string& name) const {
    state.counters[name + "_s"] = MeanSeconds();
    state.counters[name + "_cpu_s"] = MeanCpuSeconds();
    state.counters[name + "_MiB"] = peakMiB;
  }
};

}  // namespace verbsmith::bench
