#include "wizard/finish_preflight.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/texts.h"
#include "base/win_path.h"
#include "managers/template_check.h"
#include "platform/dialogs.h"
#include "platform/ide.h"
#include "resources/resource_compiler.h"
#include "wizard/bitmap_file_check.h"
#include "wizard/bitmap_steps_rows.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith {

namespace {

constexpr std::string_view kFinishButton = "cmdFinishFinish";
// Enough for any compiler to write a resource, and nothing it must find.
constexpr std::string_view kProbeScript = "STRINGTABLE\r\nBEGIN\r\n  1, \"Verbsmith\"\r\nEND\r\n";

// A problem found, and where the user can put it right.
struct Refusal {
  std::string message;
  Step step = Step::kFinish;
  std::string field = std::string(kFinishButton);
};

std::string Str(std::string_view text) {
  return std::string(text);
}

bool MakesResource(const FrmVerbsmith& window) {
  const int32_t purpose = window.GenMgr()->WizardPurpose();
  if (purpose != purpose::kCreate && purpose != purpose::kEdit) return false;
  const IBitmapMgr& bitmaps = *window.BitmapMgr();
  if (bitmaps.ResourceType() != 1) return false;
  for (const BitmapRow& row : kBitmapRows) {
    if (!row.Name(bitmaps).empty()) return true;
  }
  return false;
}

// Only a new project is made from the templates. Their static checks are
// enough here: the Finish itself renders this run's combination, and a
// fault there is taken back; rendering all of them (`templates check`)
// would cost a Finish ten times its own time.
std::optional<Refusal> CheckTemplates(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  if (gen.WizardPurpose() != purpose::kCreate) return std::nullopt;
  Host& host = window.GetHost();
  const auto fault = CheckTemplateSources(host, host.templateDirectory);
  if (!fault) return std::nullopt;
  return Refusal{Str(text::kTemplatesFaulty) + Str(text::kNL) + fault->Describe()};
}

// A directory is writable when a file can be made in it.
std::optional<std::string> DirectoryProblem(FileSystem& fs, const std::string& directory) {
  // Named in a sentence without the trailing backslash, a drive's root apart.
  std::string named = directory;
  if (named.size() > 3 && named.ends_with('\\')) named.pop_back();
  if (!DirectoryExists(fs, directory)) return Str(text::kCannotFindDirectory) + named + ".";
  try {
    fs.CheckWritable(directory);
    return std::nullopt;
  } catch (const VbError& error) {
    return Str(text::kCannotWriteDirectory) + named + ".  " + error.Description();
  }
}

// The recap goes into the source directory and the initialisation file
// into the bin directory, whatever the purpose; a new project's location
// is chosen again on the project step.
std::optional<Refusal> CheckDirectories(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  const bool creating = gen.WizardPurpose() == purpose::kCreate;
  for (const std::string& directory : {gen.CurrentPathSrc(), gen.CurrentPathBin()}) {
    if (auto problem = DirectoryProblem(window.GetHost().fs, AddTrailingBackslash(directory))) {
      if (creating) return Refusal{*problem, Step::kProjName, "dirProjLoc"};
      return Refusal{*problem};
    }
  }
  return std::nullopt;
}

// The files may have changed since the custom-bitmap step checked them.
std::optional<Refusal> CheckBitmaps(FrmVerbsmith& window) {
  IBitmapMgr& bitmaps = *window.BitmapMgr();
  for (const BitmapRow& row : kBitmapRows) {
    if (row.Name(bitmaps).empty()) continue;
    if (auto problem = BitmapFileRefusal(window.GetHost(), row, row.Path(bitmaps))) {
      return Refusal{*problem, Step::kCustomBMP, row.BoxName()};
    }
  }
  return std::nullopt;
}

std::optional<ResourceCompiler> FindCompiler(FrmVerbsmith& window) {
  Host& host = window.GetHost();
  try {
    if (Ide* ide = window.VBInst()) {
      std::string directory = ide->FullName();
      directory.resize(directory.find_last_of('\\') + 1);
      if (auto found = FindEnvironmentCompiler(host, directory)) return found;
    }
  } catch (const VbError&) {
    // No environment directory: a compiler of this host will do.
  }
  try {
    return FindHostCompiler(host);
  } catch (const VbError&) {
    return std::nullopt;
  }
}

// Whether the compiler turns a small script into a resource.
bool CompilerRuns(FrmVerbsmith& window, const ResourceCompiler& compiler) {
  Host& host = window.GetHost();
  FileSystem& fs = host.fs;
  std::string directory = host.processes.GetEnv("TEMP").value_or("");
  if (directory.empty()) directory = window.GenMgr()->CurrentPathSrc();
  std::string script, resource;
  bool runs = false;
  try {
    script = fs.CreateTempFile(directory, "vsr");
    fs.WriteText(script, Str(kProbeScript));
    resource = fs.CreateTempFile(directory, "vsr");
    const std::optional<int> status = RunCompiler(host, compiler, script, resource);
    runs = status == 0 && !fs.ReadBytes(resource).empty();
  } catch (const VbError&) {
    runs = false;
  }
  if (!script.empty()) DeleteIfThere(fs, script);
  if (!resource.empty()) DeleteIfThere(fs, resource);
  return runs;
}

// Without a working compiler the flow still makes the project, without the
// resource; the user says whether that will do.
bool AcceptCompiler(FrmVerbsmith& window) {
  const std::optional<ResourceCompiler> compiler = FindCompiler(window);
  if (compiler && CompilerRuns(window, *compiler)) return true;
  const std::string_view why =
      compiler ? text::kErrorFromResourceCompiler : text::kCannotFindResourceCompiler;
  const std::string question = Str(why) + Str(text::kNL) + Str(text::kNL) + Str(text::kFinishWithoutBitmaps);
  return window.Message(question, mb::kExclamation | mb::kYesNo) == mbresult::kYes;
}

bool Refuse(FrmVerbsmith& window, const Refusal& refusal) {
  if (refusal.step != Step::kFinish) window.GoTo(Step::kFinish, refusal.step, Direction::kBack);
  window.Message(refusal.message, mb::kExclamation);
  window.Control(refusal.field).SetFocus();
  return false;
}

}  // namespace

bool PassesFinishPreflight(FrmVerbsmith& window) {
  const bool resource = MakesResource(window);
  std::optional<Refusal> refusal = CheckTemplates(window);
  if (!refusal) refusal = CheckDirectories(window);
  if (!refusal && resource) refusal = CheckBitmaps(window);
  if (refusal) return Refuse(window, *refusal);
  return !resource || AcceptCompiler(window);
}

}  // namespace verbsmith
