#pragma once
// Finding a resource compiler that can run here and the command line that
// compiles one script with it.

#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace verbsmith {

enum class CompilerDialect {
  // The environment's own rc.exe, run through Wine: it reads the script as
  // kept in the project, Windows-form paths and all.
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
  // kEnvironmentRc: the host path of wine.
  std::string runner;

  // Whether the compiler needs a copy of the script with host paths.
  bool NeedsHostScript() const { return dialect != CompilerDialect::kEnvironmentRc; }
};

// The compiler the environment brings: "Wizards\rc.exe" in its directory
// (Windows form, with a trailing backslash), when the file is there and Wine
// is on PATH to run it. Port failures reach the caller.
std::optional<ResourceCompiler> FindEnvironmentCompiler(Host& host, const std::string& environmentDirectory);

// A compiler of this host: the program named by VERBSMITH_RC, else llvm-rc
// (plain or versioned, newest first), windres or x86_64-w64-mingw32-windres
// on PATH.
std::optional<ResourceCompiler> FindHostCompiler(Host& host);

// The command line that compiles script into resource. kEnvironmentRc takes
// Windows-form paths and writes the resource beside the script under the
// script's name; the others take host paths.
std::vector<std::string> CompilerCommandLine(const ResourceCompiler& compiler, const std::string& script,
                                             const std::string& resource);

}  // namespace verbsmith
