#include "resources/resource_compiler.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>

#include "base/strings.h"
#include "base/win_path.h"

namespace verbsmith {

namespace {

std::optional<std::string> FindOnPath(Host& host, const std::string& name) {
  std::vector<std::string> found = host.processes.FindPrograms(name);
  if (found.empty()) return std::nullopt;
  return found.front();
}

std::string FileName(const std::string& program) {
  return program.substr(program.find_last_of("/\\") + 1);
}

// "llvm-rc-14" -> 14; 0 for anything that is not a versioned llvm-rc.
int LlvmRcVersion(const std::string& name) {
  static const std::string kPrefix = "llvm-rc-";
  if (name.rfind(kPrefix, 0) != 0 || name.size() == kPrefix.size()) return 0;
  int version = 0;
  for (size_t i = kPrefix.size(); i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i])) || version > 9999) return 0;
    version = version * 10 + (name[i] - '0');
  }
  return version;
}

std::optional<std::string> FindVersionedLlvmRc(Host& host) {
  std::optional<std::string> best;
  int bestVersion = 0;
  for (const std::string& found : host.processes.FindPrograms("llvm-rc-*")) {
    const int version = LlvmRcVersion(FileName(found));
    if (version > bestVersion) {
      bestVersion = version;
      best = found;
    }
  }
  return best;
}

bool IsLlvmRc(const std::string& program) {
  return FileName(program).starts_with("llvm-rc");
}

CompilerDialect DialectOf(const std::string& program) {
  return FileName(program).find("windres") != std::string::npos ? CompilerDialect::kWindres
                                                                : CompilerDialect::kRcOptions;
}

}  // namespace

std::optional<ResourceCompiler> FindEnvironmentCompiler(Host& host, const std::string& environmentDirectory) {
  const std::string path = environmentDirectory + "Wizards\\rc.exe";
  std::vector<std::string> found = host.fs.List(path, 0);
  if (found.empty() || !EqualsIgnoringCase(found.front(), "RC.EXE")) return std::nullopt;
  if (host.processes.RunsWindowsPrograms()) {
    return ResourceCompiler{CompilerDialect::kEnvironmentRc, path, "", false, "the environment's own rc.exe"};
  }
  std::optional<std::string> wine = FindOnPath(host, "wine");
  if (!wine) return std::nullopt;
  return ResourceCompiler{CompilerDialect::kEnvironmentRc, path, *wine, false,
                          "the environment's own rc.exe, run by Wine"};
}

std::optional<ResourceCompiler> FindHostCompiler(Host& host) {
  const bool haveCat = FindOnPath(host, "cat").has_value();
  std::optional<std::string> configured = host.processes.GetEnv("VERBSMITH_RC");
  if (configured && !configured->empty()) {
    const CompilerDialect dialect = DialectOf(*configured);
    const bool skip = dialect == CompilerDialect::kWindres ? haveCat : IsLlvmRc(*configured);
    return ResourceCompiler{dialect, *configured, "", skip, "named by VERBSMITH_RC"};
  }
  static constexpr const char* kWindresNames[] = {"x86_64-w64-mingw32-windres", "windres"};
  if (haveCat) {
    for (const char* name : kWindresNames) {
      if (auto found = FindOnPath(host, name)) {
        return ResourceCompiler{CompilerDialect::kWindres, *found, "", true,
                                "windres, the quickest, with cat for its preprocessor"};
      }
    }
  }
  if (auto found = FindOnPath(host, "llvm-rc")) {
    return ResourceCompiler{CompilerDialect::kRcOptions, *found, "", true,
                            "llvm-rc with /no-preprocess: no windres (or no cat) on PATH"};
  }
  if (auto found = FindVersionedLlvmRc(host)) {
    return ResourceCompiler{
        CompilerDialect::kRcOptions, *found, "", true,
        "the newest versioned llvm-rc with /no-preprocess: no windres or llvm-rc on PATH"};
  }
  for (const char* name : kWindresNames) {
    if (auto found = FindOnPath(host, name)) {
      return ResourceCompiler{CompilerDialect::kWindres, *found, "", false,
                              "windres with its own preprocessor: no cat and no llvm-rc on PATH"};
    }
  }
  return std::nullopt;
}

std::vector<std::string> CompilerCommandLine(const ResourceCompiler& compiler, const std::string& script,
                                             const std::string& resource) {
  switch (compiler.dialect) {
    case CompilerDialect::kEnvironmentRc:
      if (compiler.runner.empty()) return {compiler.program, "/r", "/fo", resource, script};
      return {compiler.runner, compiler.program, "/r", "/fo", resource, script};
    case CompilerDialect::kWindres:
      if (compiler.skipPreprocessor) {
        return {compiler.program, "--preprocessor=cat", "-J", "rc", "-O", "res", "-i", script, "-o",
                resource};
      }
      return {compiler.program, "-J", "rc", "-O", "res", "-i", script, "-o", resource};
    case CompilerDialect::kRcOptions:
      break;
  }
  std::vector<std::string> commandLine{compiler.program, "/FO", resource};
  if (compiler.skipPreprocessor) commandLine.push_back("/no-preprocess");
  // A host path reads as options here: "/check/x.rc" is the code page "heck/x.rc".
  if (script.starts_with('/')) commandLine.push_back("--");
  commandLine.push_back(script);
  return commandLine;
}

std::optional<int> RunCompiler(Host& host, const ResourceCompiler& compiler, const std::string& script,
                               const std::string& resource, const std::function<void()>& started) {
  // As long as the ten one-second polls allowed; a killed one is reaped.
  constexpr std::chrono::milliseconds kCompilerLimit{10000};
  constexpr std::chrono::milliseconds kReapLimit{1000};
  const std::vector<std::string> commandLine =
      compiler.NeedsHostScript()
          ? CompilerCommandLine(compiler, host.fs.HostPath(script), host.fs.HostPath(resource))
          : CompilerCommandLine(compiler, script, resource);
  const ProcessId process = host.processes.Start(commandLine, true);
  if (started) started();
  const std::optional<int> status = host.processes.Wait(process, kCompilerLimit);
  if (!status) {
    host.processes.Kill(process);
    try {
      host.processes.Wait(process, kReapLimit);
    } catch (const VbError&) {
      // Already reaped by Kill.
    }
  }
  return status;
}

}  // namespace verbsmith
