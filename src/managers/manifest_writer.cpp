#include "managers/manifest_writer.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/sha256.h"
#include "base/texts.h"
#include "base/vb_error.h"
#include "generate/vs_main.h"

namespace verbsmith {

namespace {

using Specification = std::vector<std::pair<std::string, ManifestAnswer>>;

// The command specification by the properties' own names.
Specification SpecificationOf(const RunManagers& run) {
  const IGeneralMgr& gen = run.gen;
  return {
      {"WizardPurpose", gen.WizardPurpose()},
      {"ProjectType", gen.ProjectType()},
      {"CompanyName", gen.CompanyName()},
      {"ApplicationName", gen.ApplicationName()},
      {"ProjectName", gen.ProjectName()},
      {"ProjectFilename", gen.ProjectFilename()},
      {"ProjectDesc", gen.ProjectDesc()},
      {"CompleteProjFilename", gen.CompleteProjFilename()},
      {"CurrentPath", gen.CurrentPath()},
      {"CurrentPathSrc", gen.CurrentPathSrc()},
      {"CurrentPathBin", gen.CurrentPathBin()},
      {"CommandIsModeless", gen.CommandIsModeless()},
      {"FormNotRequired", gen.FormNotRequired()},
      {"IsMapViewListener", gen.IsMapViewListener()},
      {"ViewListener", gen.ViewListener()},
      {"ViewListenerRequirements", gen.ViewListenerRequirements()},
      {"ViewListenerCommandType", gen.ViewListenerCommandType()},
      {"CommandsEnablingConditions", gen.CommandsEnablingConditions()},
      {"Classname", run.cls.Classname()},
      {"ClassFilename", run.cls.ClassFilename()},
      {"CommandDesc", run.cls.CommandDesc()},
      {"CommandToolTip", run.cls.CommandToolTip()},
      {"ModuleName", run.module.ModuleName()},
      {"ModuleFilename", run.module.ModuleFilename()},
      {"FormName", run.form.FormName()},
      {"FormFilename", run.form.FormFilename()},
      {"FormPosition", int32_t{run.form.FormPosition()}},
      {"ResourceType", int32_t{run.bitmaps.ResourceType()}},
      {"LCBitmapLocation", run.bitmaps.LCBitmapLocation()},
      {"LCBMPFilename", run.bitmaps.LCBMPFilename()},
      {"LMBitmapLocation", run.bitmaps.LMBitmapLocation()},
      {"LMBMPFilename", run.bitmaps.LMBMPFilename()},
      {"SCBitmapLocation", run.bitmaps.SCBitmapLocation()},
      {"SCBMPFilename", run.bitmaps.SCBMPFilename()},
      {"SMBitmapLocation", run.bitmaps.SMBitmapLocation()},
      {"SMBMPFilename", run.bitmaps.SMBMPFilename()},
      {"RCFilename", run.bitmaps.RCFilename()},
      {"ResFilename", run.bitmaps.ResFilename()},
  };
}

std::optional<std::string> DigestOf(FileSystem& fs, const std::string& path) {
  if (path.empty()) return std::nullopt;
  try {
    return Sha256Hex(fs.ReadBytes(path));
  } catch (const VbError&) {
    return std::nullopt;
  }
}

}  // namespace

std::vector<std::pair<std::string, std::string>> FilesOfRun(const RunManagers& run) {
  const IGeneralMgr& gen = run.gen;
  const std::string src = gen.CurrentPathSrc();
  const std::string classname = run.cls.Classname();
  std::vector<std::pair<std::string, std::string>> files;
  if (gen.WizardPurpose() == purpose::kCreate || gen.WizardPurpose() == purpose::kEdit) {
    files = {{"project file", gen.CompleteProjFilename()},
             {"command class", run.cls.CompleteFilename()},
             {"main module", run.module.CompleteFilename()}};
    if (!gen.FormNotRequired()) files.emplace_back("command form", run.form.CompleteFilename());
    if (!run.bitmaps.RCFilename().empty())
      files.emplace_back("resource script", src + run.bitmaps.RCFilename());
    if (!run.bitmaps.ResFilename().empty()) files.emplace_back("resource", src + run.bitmaps.ResFilename());
  }
  files.emplace_back("recap", src + classname + ".txt");
  files.emplace_back("initialisation file", gen.CurrentPathBin() + classname + ".ini");
  return files;
}

std::string ManifestPathOfRun(const RunManagers& run) {
  return run.gen.CurrentPathSrc() + run.cls.Classname() + std::string(kManifestSuffix);
}

Manifest ManifestOfRun(Host& host, const RunManagers& run, const CommandEntry& entry) {
  Manifest manifest;
  manifest.projectDirectory = run.gen.CurrentPath();
  const std::string& project = manifest.projectDirectory;
  const std::string location = RelativeToDirectory(project, ManifestPathOfRun(run));
  manifest.location = location == ManifestPathOfRun(run) ? std::string() : location;
  manifest.specification = SpecificationOf(run);
  manifest.entry = entry;
  manifest.templateDirectory = host.templateDirectory;
  manifest.templateSetSha256 = TemplateSetSha256(host.fs, host.templateDirectory);
  for (const auto& [role, path] : FilesOfRun(run)) {
    if (auto digest = DigestOf(host.fs, path)) {
      manifest.files.push_back({role, RelativeToDirectory(project, path), std::move(*digest)});
    }
  }
  for (const auto& [row, path] : BitmapPathsOf(entry)) {
    if (auto digest = DigestOf(host.fs, path)) {
      manifest.bitmaps.push_back({row, RelativeToDirectory(project, path), std::move(*digest)});
    }
  }
  return manifest;
}

void WriteManifest(Host& host, const RunManagers& run, const CommandEntry& entry) {
  const std::string path = ManifestPathOfRun(run);
  try {
    host.fs.WriteBytes(path, ManifestJson(ManifestOfRun(host, run, entry)));
  } catch (const VbError& e) {
    ReportWriteError(host, text::kCannotOpenFileForWrite, path, e);
  }
}

}  // namespace verbsmith
