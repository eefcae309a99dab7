#pragma once
// Finding a resource compiler that can run here and the command line that
// compiles one script with it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace verbsmith {

enum class CompilerDialect {
  // The environment's own rc.exe, run as it is on Windows and through Wine
  // elsewhere: it reads the script as kept in the project, Windows-form
  // paths and all.
  kEnvironmentRc,
  // llvm-rc and compilers taking rc.exe's options.
  kRcOptions,
  // binutils' windres.
  kWindres,
};

struct ResourceCompiler {
  CompilerDialect dialect = CompilerDialect::kRcOptions;
  // kEnvironmentRc: the Windows-form path of rc.exe; otherwise the host path
  // of the program (or a name the system looks up on PATH).
  std::string program;
  // kEnvironmentRc: the host path of wine; empty where Windows programs run
  // as they are.
  std::string runner;
  // The script has no preprocessor directives: llvm-rc is told to skip its
  // preprocessor, windres gets cat for one (it has no way to skip it and
  // no cross compiler to lean on here).
  bool skipPreprocessor = false;
  // Why this one was chosen, for `verbsmith info`.
  std::string reason;

  // Whether the compiler needs a copy of the script with host paths.
  bool NeedsHostScript() const { return dialect != CompilerDialect::kEnvironmentRc; }
};

// The compiler the environment brings: "Wizards\rc.exe" in its directory
// (Windows form, with a trailing backslash), when the file is there and Wine
// is on PATH to run it. Port failures reach the caller.
std::optional<ResourceCompiler> FindEnvironmentCompiler(Host& host, const std::string& environmentDirectory);

// A compiler of this host, in this fixed order: the program named by
// VERBSMITH_RC; else, when cat is on PATH to stand in for its preprocessor,
// x86_64-w64-mingw32-windres, then windres (the quickest: one small process
// and a pipe); else llvm-rc with /no-preprocess, plain, then the newest
// versioned one; else windres with its own preprocessor.
std::optional<ResourceCompiler> FindHostCompiler(Host& host);

// The command line that compiles script into resource. kEnvironmentRc takes
// Windows-form paths; the others take host paths.
std::vector<std::string> CompilerCommandLine(const ResourceCompiler& compiler, const std::string& script,
                                             const std::string& resource);

// Runs the compiler on script into resource (both Windows form; a host
// compiler gets their host paths), waits at most ten seconds and ends it
// when it overruns. Its exit status; nullopt when it overran. Port failures
// reach the caller; started is called once the compiler runs, so that a
// caller can tell a failed start from a failed wait.
std::optional<int> RunCompiler(Host& host, const ResourceCompiler& compiler, const std::string& script,
                               const std::string& resource, const std::function<void()>& started = {});

}  // namespace verbsmith
