#include "wizard/finish_preflight.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/strings.h"
#include "base/texts.h"
#include "base/win_path.h"
#include "managers/manifest_writer.h"
#include "managers/template_check.h"
#include "model/command_spec_mapping.h"
#include "platform/command_entry_check.h"
#include "platform/dialogs.h"
#include "platform/ide.h"
#include "resources/resource_compiler.h"
#include "wizard/bitmap_file_check.h"
#include "wizard/bitmap_steps_rows.h"
#include "wizard/finish_flows.h"
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
  const auto fault = CheckTemplateSources(host.fs, host.templateDirectory);
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

// A write through a symbolic link lands on the file it names: outside the
// project that is a file the run does not own. Both are named, since the
// link alone hides where the write would go.
std::optional<Refusal> CheckLinks(FrmVerbsmith& window) {
  IGeneralMgr& gen = *window.GenMgr();
  FileSystem& fs = window.GetHost().fs;
  const CommandSpec spec = window.Spec();
  auto files = FilesOfRun(spec);
  files.emplace_back("manifest", ManifestPathOfRun(spec));
  const std::string project = AsciiUpper(AddTrailingBackslash(fs.ResolvedPath(gen.CurrentPath())));
  for (const auto& [role, path] : files) {
    const std::optional<std::string> target = LinkTarget(fs, path);
    if (!target || AsciiUpper(*target).starts_with(project)) continue;
    return Refusal{Str(text::kLinkOutsideProject) + path + Str(text::kLinkLeadsTo) + *target + "."};
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

// The entry Finish would register, by the rule every writer of an entry
// keeps. A text the user can retype sends the user to its box; a name read
// from the project or the registry can only be put right there.
std::optional<Refusal> CheckEntry(FrmVerbsmith& window) {
  const std::optional<EntryProblem> problem = CheckCommandEntry(EntryOf(window.Spec()));
  if (!problem) return std::nullopt;
  const IGeneralMgr& gen = *window.GenMgr();
  const bool typed = gen.WizardPurpose() != purpose::kAdd || gen.ProjectType() != projecttype::kVisualBasic;
  const std::string_view field = problem->field->key;
  if (typed && field == "description") return Refusal{problem->message, Step::kCmdName, "txtCmdDescription"};
  if (typed && field == "toolTip") return Refusal{problem->message, Step::kCmdName, "txtCmdToolTip"};
  for (const BitmapRow& row : kBitmapRows) {
    if (typed && problem->field->text == row.entryPath) {
      return Refusal{problem->message, Step::kCustomBMP, row.BoxName()};
    }
  }
  return Refusal{problem->message};
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
std::optional<FinishChoices> AcceptCompiler(FrmVerbsmith& window) {
  const std::optional<ResourceCompiler> compiler = FindCompiler(window);
  if (compiler && CompilerRuns(window, *compiler)) return FinishChoices{};
  const std::string_view why =
      compiler ? text::kErrorFromResourceCompiler : text::kCannotFindResourceCompiler;
  const std::string question = Str(why) + Str(text::kNL) + Str(text::kNL) + Str(text::kFinishWithoutBitmaps);
  if (window.Message(question, mb::kExclamation | mb::kYesNo) != mbresult::kYes) return std::nullopt;
  return FinishChoices{.withoutBitmaps = true};
}

std::optional<FinishChoices> Refuse(FrmVerbsmith& window, const Refusal& refusal) {
  if (refusal.step != Step::kFinish) window.GoTo(Step::kFinish, refusal.step, Direction::kBack);
  window.Message(refusal.message, mb::kExclamation);
  window.Control(refusal.field).SetFocus();
  return std::nullopt;
}

}  // namespace

std::optional<FinishChoices> PassesFinishPreflight(FrmVerbsmith& window) {
  const bool resource = MakesResource(window);
  std::optional<Refusal> refusal = CheckEntry(window);
  if (!refusal) refusal = CheckTemplates(window);
  if (!refusal) refusal = CheckDirectories(window);
  if (!refusal) refusal = CheckLinks(window);
  if (!refusal && resource) refusal = CheckBitmaps(window);
  if (refusal) return Refuse(window, *refusal);
  return resource ? AcceptCompiler(window) : FinishChoices{};
}

}  // namespace verbsmith
