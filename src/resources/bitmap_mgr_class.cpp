#include "resources/bitmap_mgr_class.h"

#include <chrono>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/texts.h"
#include "generate/line_buffer.h"
#include "generate/manager_errors.h"
#include "generate/project_lines.h"
#include "generate/vs_main.h"
#include "platform/ide.h"
#include "resources/resource_script.h"

namespace verbsmith {

namespace {

// How long the compiler may take, as the ten one-second polls allowed.
constexpr std::chrono::milliseconds kCompilerLimit{10000};
constexpr std::chrono::milliseconds kReapLimit{1000};

const std::string kSource(text::kBitmapMgrSource);

std::string Str(std::string_view text) {
  return std::string(text);
}

template <typename T>
T& Require(T* object) {
  if (object == nullptr) throw ObjectNotSet(text::kBitmapMgrSource);
  return *object;
}

}  // namespace

BitMapMgrClass::BitMapMgrClass(Host& host, LineBuffer& lines) : host_(host), lines_(lines) {}

void BitMapMgrClass::InitializeObjects(IConnection* obj) {
  if (obj == nullptr) return RecordManagerError(host_.err, text::kBitmapMgrSource, mgrerr::kNoConnection);
  if ((genMgr_ = obj->GenMgr()) == nullptr) {
    return RecordManagerError(host_.err, text::kBitmapMgrSource, mgrerr::kNoGenMgr);
  }
  if ((classMgr_ = obj->ClassMgr()) == nullptr) {
    return RecordManagerError(host_.err, text::kBitmapMgrSource, mgrerr::kNoClassMgr);
  }
  if ((vbInst_ = obj->VBInst()) == nullptr) {
    return RecordManagerError(host_.err, text::kGeneralMgrSource, mgrerr::kNoVBInst);
  }
  LookUpCompiler();
}

void BitMapMgrClass::LookUpCompiler() {
  std::string message = Str(text::kCannotFindVbPath);
  std::optional<ResourceCompiler> found;
  try {
    std::string directory = Require(vbInst_).FullName();
    directory = directory.substr(0, directory.find_last_of('\\') + 1);
    message = Str(text::kCannotFindResourceCompiler);
    found = FindEnvironmentCompiler(host_, directory);
  } catch (const VbError& error) {
    host_.err.Set(error);
    ReportError(host_, error.Description(), &message);
  }
  // The environment's compiler cannot run here without Wine; a compiler of
  // this host builds the same resource.
  if (!found) {
    message = Str(text::kCannotFindResourceCompiler);
    try {
      found = FindHostCompiler(host_);
    } catch (const VbError& error) {
      host_.err.Set(error);
      ReportError(host_, error.Description(), &message);
    }
  }
  compiler_ = found;
  compilerPath_ = found ? found->program : "";
}

std::vector<ScriptBitmap> BitMapMgrClass::ChosenBitmaps() const {
  std::vector<ScriptBitmap> bitmaps;
  auto add = [&bitmaps](const char* code, const std::string& location, const std::string& file) {
    if (!file.empty()) bitmaps.push_back({code, location + file});
  };
  add("LC", lcLocation_, lcFile_);
  add("LM", lmLocation_, lmFile_);
  add("SC", scLocation_, scFile_);
  add("SM", smLocation_, smFile_);
  return bitmaps;
}

void BitMapMgrClass::WriteResourceToProject() {
  if (resourceType_ != 1) {
    RemoveResource();
    return;
  }
  WriteScript();
  const bool compiled = CompileScript();
  std::string message;
  try {
    if (!compiled) {
      // A compiler that ran and failed is not a missing one: say which.
      const std::string why = host_.err.Number() == vberr::kResourceCompilerFailed
                                  ? Str(text::kErrorFromResourceCompiler)
                                  : Str(text::kNoResourceCompilerHint) + Str(text::kNL) + Str(text::kNL) +
                                        Str(text::kCopyVbToolsHint);
      std::string combined = Str(text::kCannotCompileBitmaps) + Str(text::kNL) + Str(text::kNL) + why;
      ReportError(host_, host_.err.Description(), &combined);
    }
    message = Str(text::kCannotAddBitmapsToProject);
    // The project names only a resource that was built.
    SetResFileLine(lines_, compiled ? Require(genMgr_).CurrentPathSrc() + resFilename_ : std::string());
  } catch (const VbError& error) {
    host_.err.Set(error);
    ReportError(host_, error.Description(), &message);
  }
}

void BitMapMgrClass::RemoveResource() {
  std::string message = Str(text::kCannotAddBitmapsToProject);
  try {
    SetResFileLine(lines_, "");
  } catch (const VbError& error) {
    host_.err.Set(error);
    ReportError(host_, error.Description(), &message);
  }
  // The first file that cannot be deleted, a missing one included, ends the
  // clean-up without a word.
  try {
    const std::string stem = Require(genMgr_).CurrentPathSrc() + Require(classMgr_).Classname();
    host_.fs.DeleteFile(stem + ".res");
    host_.fs.DeleteFile(stem + ".rc");
  } catch (const VbError& error) {
    host_.err.Set(error);
  }
}

void BitMapMgrClass::WriteScript() {
  std::string message = Str(text::kCannotOpenResourceFile);
  try {
    const std::string text = ResourceScriptText(
        Require(genMgr_).ProjectName(), Require(classMgr_).Classname(), ChosenBitmaps(), ScriptPathText);
    // The script is made anew by every Finish: it need not be forced to disk.
    host_.fs.WriteWorkingText(genMgr_->CurrentPathSrc() + rcFilename_, text);
  } catch (const VbError& error) {
    host_.err.Set(error);
    ReportError(host_, error.Description(), &message);
  }
}

bool BitMapMgrClass::CompileScript() {
  std::string message = Str(text::kCannotFindResourceCompiler);
  std::string hostScript;
  auto removeHostScript = [this, &hostScript] {
    if (hostScript.empty()) return;
    try {
      host_.fs.DeleteFile(hostScript);
    } catch (const VbError&) {
      // A stray temporary file is no reason to fail the build.
    }
    hostScript.clear();
  };
  try {
    if (!compiler_) LookUpCompiler();
    if (!compiler_)
      throw VbError(vberr::kNoResourceCompiler, kSource, Str(text::kCannotFindResourceCompiler));

    message = Str(text::kErrorInvokingResourceCompiler);
    const std::string script = Require(genMgr_).CurrentPathSrc() + rcFilename_;
    const std::string resource = genMgr_->CurrentPathSrc() + resFilename_;
    std::vector<std::string> commandLine;
    if (compiler_->NeedsHostScript()) {
      hostScript = WriteHostScript();
      commandLine =
          CompilerCommandLine(*compiler_, host_.fs.HostPath(hostScript), host_.fs.HostPath(resource));
    } else {
      commandLine = CompilerCommandLine(*compiler_, script, resource);
    }
    // Whatever stands there from an earlier run must not pass for output.
    DeleteQuietly(resource);
    const ProcessId process = host_.processes.Start(commandLine, true);

    message = Str(text::kCannotWaitForResourceCompiler);
    std::optional<int> status = host_.processes.Wait(process, kCompilerLimit);
    if (!status) {
      host_.processes.Kill(process);
      try {
        host_.processes.Wait(process, kReapLimit);
      } catch (const VbError&) {
        // Already reaped by Kill.
      }
    }
    removeHostScript();

    message = Str(text::kCannotDetermineCompilerFinished);
    if (!status || *status != 0 || !HasContent(resource)) {
      // A compiler that failed may leave half a resource behind.
      DeleteQuietly(resource);
      throw VbError(vberr::kResourceCompilerFailed, kSource, Str(text::kErrorFromResourceCompiler));
    }
    return true;
  } catch (const VbError& error) {
    removeHostScript();
    host_.err.Set(error);
    if (error.Number() != vberr::kNoResourceCompiler && error.Number() != vberr::kResourceCompilerFailed) {
      ReportError(host_, error.Description(), &message);
    }
    return false;
  }
}

std::string BitMapMgrClass::WriteHostScript() {
  std::string prefix = "rescopy.rc";
  std::string path;
  MakeTempFileName(host_, prefix, path);
  path = std::string(Trim(path, " "));
  if (path.empty()) path = host_.fs.CreateTempFile(Require(genMgr_).CurrentPathSrc(), prefix);
  try {
    // Host compilers cannot read drive letters: they get the bitmaps' host
    // paths, always quoted.
    auto hostPath = [this](const std::string& windowsPath) {
      return QuotedScriptPath(host_.fs.HostPath(windowsPath));
    };
    host_.fs.WriteText(path,
                       ResourceScriptText(Require(genMgr_).ProjectName(), Require(classMgr_).Classname(),
                                          ChosenBitmaps(), hostPath, ScriptHeader::kNone));
  } catch (const VbError&) {
    DeleteQuietly(path);
    throw;
  }
  return path;
}

bool BitMapMgrClass::HasContent(const std::string& path) {
  try {
    return !host_.fs.ReadBytes(path).empty();
  } catch (const VbError&) {
    return false;
  }
}

void BitMapMgrClass::DeleteQuietly(const std::string& path) {
  try {
    if (!host_.fs.List(path, 0).empty()) host_.fs.DeleteFile(path);
  } catch (const VbError&) {
    // Nothing to remove, or nothing we can remove: the caller's outcome stands.
  }
}

}  // namespace verbsmith
