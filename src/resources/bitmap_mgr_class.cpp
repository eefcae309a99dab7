#include "resources/bitmap_mgr_class.h"

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
    // The script is made anew by every Finish: it need not be forced to disk.
    host_.fs.WriteWorkingText(Require(genMgr_).CurrentPathSrc() + rcFilename_, ProjectScriptText());
  } catch (const VbError& error) {
    host_.err.Set(error);
    ReportError(host_, error.Description(), &message);
  }
}

// The compiler works on scratch files, never on the project's own: its
// script is a temporary copy and its output a temporary file, and the
// resource reaches the project through the file system like every other
// file the run writes (so a Finish can hold it with the rest, and a
// compiler that stops halfway leaves nothing behind in the project).
bool BitMapMgrClass::CompileScript() {
  std::string message = Str(text::kCannotFindResourceCompiler);
  std::vector<std::string> scratch;
  auto removeScratch = [this, &scratch] {
    for (const std::string& path : scratch) DeleteIfThere(host_.fs, path);
    scratch.clear();
  };
  try {
    if (!compiler_) LookUpCompiler();
    if (!compiler_)
      throw VbError(vberr::kNoResourceCompiler, kSource, Str(text::kCannotFindResourceCompiler));

    message = Str(text::kErrorInvokingResourceCompiler);
    const std::string resource = Require(genMgr_).CurrentPathSrc() + resFilename_;
    const std::string script = WriteScratchScript();
    scratch.push_back(script);
    const std::string output = host_.fs.CreateTempFile(script.substr(0, script.find_last_of('\\')), "res");
    scratch.push_back(output);
    const std::optional<int> status = RunCompiler(host_, *compiler_, script, output, [&message] {
      message = Str(text::kCannotWaitForResourceCompiler);
    });

    message = Str(text::kCannotDetermineCompilerFinished);
    const std::string built = status && *status == 0 ? ContentOf(output) : std::string();
    if (built.empty()) {
      // Whatever stands in the project from an earlier run must not pass
      // for this run's output.
      DeleteIfThere(host_.fs, resource);
      throw VbError(vberr::kResourceCompilerFailed, kSource, Str(text::kErrorFromResourceCompiler));
    }
    host_.fs.WriteBytes(resource, built);
    removeScratch();
    return true;
  } catch (const VbError& error) {
    removeScratch();
    host_.err.Set(error);
    if (error.Number() != vberr::kNoResourceCompiler && error.Number() != vberr::kResourceCompilerFailed) {
      ReportError(host_, error.Description(), &message);
    }
    return false;
  }
}

std::string BitMapMgrClass::ProjectScriptText() const {
  return ResourceScriptText(Require(genMgr_).ProjectName(), Require(classMgr_).Classname(), ChosenBitmaps(),
                            ScriptPathText);
}

std::string BitMapMgrClass::WriteScratchScript() {
  std::string prefix = "rescopy.rc";
  std::string path;
  MakeTempFileName(host_, prefix, path);
  path = std::string(Trim(path, " "));
  if (path.empty()) path = host_.fs.CreateTempFile(Require(genMgr_).CurrentPathSrc(), prefix);
  try {
    if (compiler_->NeedsHostScript()) {
      // Host compilers cannot read drive letters: they get the bitmaps' host
      // paths, always quoted.
      auto hostPath = [this](const std::string& windowsPath) {
        return QuotedScriptPath(host_.fs.HostPath(windowsPath));
      };
      host_.fs.WriteText(path,
                         ResourceScriptText(Require(genMgr_).ProjectName(), Require(classMgr_).Classname(),
                                            ChosenBitmaps(), hostPath, ScriptHeader::kNone));
    } else {
      host_.fs.WriteText(path, ProjectScriptText());
    }
  } catch (const VbError&) {
    DeleteIfThere(host_.fs, path);
    throw;
  }
  return path;
}

std::string BitMapMgrClass::ContentOf(const std::string& path) {
  try {
    return host_.fs.ReadBytes(path);
  } catch (const VbError&) {
    return "";
  }
}

}  // namespace verbsmith
