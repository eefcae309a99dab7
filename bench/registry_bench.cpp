// Loading a Wine prefix's registry and looking up class registrations in
// it, the two things the wizard does with the registry. Targets: loading at
// 100 MB/s or more, a lookup (open, read the default value, close) under
// 2 µs.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/posix/posix_registry.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

constexpr size_t kHiveBytes = 20u << 20;
constexpr size_t kLookups = 10000;

struct GeneratedPrefix {
  test::TempDir dir;
  std::string systemReg;
  std::string userReg;
  size_t bytes = 0;
  std::vector<std::string> clsids;
};

std::string Guid(std::mt19937_64& random) {
  char text[40];
  const uint64_t a = random();
  const uint64_t b = random();
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%012llX}", static_cast<unsigned>(a >> 32),
                static_cast<unsigned>((a >> 16) & 0xFFFF), static_cast<unsigned>(a & 0xFFFF),
                static_cast<unsigned>(b >> 48), static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
  return text;
}

// A system.reg shaped like a real one: class registrations, each a ProgID
// key pointing at a CLSID key with its server, plus a small user.reg whose
// classes the classes root merges in.
void Generate(GeneratedPrefix* made) {
  std::mt19937_64 random(20261206);
  std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n";
  text.reserve(kHiveBytes + 4096);
  for (size_t n = 0; text.size() < kHiveBytes; ++n) {
    const std::string clsid = Guid(random);
    const std::string progId = "Project" + std::to_string(n) + ".Class" + std::to_string(n);
    made->clsids.push_back(clsid);
    text +=
        "[Software\\\\Classes\\\\" + progId + "] 1589123456\n#time=1d6271f0e0a7cd2\n@=\"" + progId + "\"\n\n";
    text += "[Software\\\\Classes\\\\" + progId + "\\\\Clsid] 1589123456\n#time=1d6271f0e0a7cd2\n@=\"" +
            clsid + "\"\n\n";
    text += "[Software\\\\Classes\\\\CLSID\\\\" + clsid +
            "] 1589123456\n#time=1d6271f0e0a7cd2\n@=\"Command " + std::to_string(n) +
            " of the map|Tool tip " + std::to_string(n) + "\"\n\n";
    text += "[Software\\\\Classes\\\\CLSID\\\\" + clsid +
            "\\\\InprocServer32] 1589123456\n#time=1d6271f0e0a7cd2\n@=\"C:\\\\Program "
            "Files\\\\Carthex\\\\Commands\\\\" +
            progId + "\\\\bin\\\\" + progId + ".dll\"\n\"ThreadingModel\"=\"Apartment\"\n\n";
    text += "[Software\\\\Classes\\\\CLSID\\\\" + clsid +
            "\\\\Version] 1589123456\n#time=1d6271f0e0a7cd2\n@=\"1.0\"\n\"Flags\"=dword:00000000\n"
            "\"Data\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f\n\n";
  }
  made->systemReg = made->dir.Write("system.reg", text).string();
  made->bytes = text.size();
  made->userReg =
      made->dir
          .Write("user.reg",
                 "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-1\n\n"
                 "[Software\\\\Classes\\\\Mine.Cls\\\\Clsid]\n@=\"{00000000-0000-0000-0000-000000000001}\"\n")
          .string();
}

const GeneratedPrefix& Prefix() {
  static GeneratedPrefix prefix;
  static const bool generated = (Generate(&prefix), true);
  (void)generated;
  return prefix;
}

void RegistryLoad(benchmark::State& state) {
  const GeneratedPrefix& prefix = Prefix();
  std::optional<PosixRegistry> registry;
  for (auto _ : state) {
    registry.emplace(std::vector<std::string>{prefix.systemReg, prefix.userReg});
    benchmark::DoNotOptimize(registry->OpenHandleCount());
    state.PauseTiming();
    registry.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * prefix.bytes));
}
BENCHMARK(RegistryLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

void RegistryLookup(benchmark::State& state) {
  const GeneratedPrefix& prefix = Prefix();
  PosixRegistry registry({prefix.systemReg, prefix.userReg});
  std::mt19937_64 random(7);
  std::vector<std::string> paths;
  paths.reserve(kLookups);
  for (size_t i = 0; i < kLookups; ++i)
    paths.push_back("CLSID\\" + prefix.clsids[random() % prefix.clsids.size()]);
  std::string value;
  for (auto _ : state) {
    for (const std::string& path : paths) {
      RegKey key = 0;
      if (registry.OpenKey(regroot::kClassesRoot, path, &key) != regcode::kSuccess ||
          registry.QueryDefaultValue(key, "InprocServer32", &value) != regcode::kSuccess) {
        state.SkipWithError("a registered class was not found");
        return;
      }
      registry.CloseKey(key);
      benchmark::DoNotOptimize(value.data());
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kLookups));
}
BENCHMARK(RegistryLookup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace verbsmith
