#include "managers/manifest_writer.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/sha256.h"
#include "base/texts.h"
#include "base/vb_error.h"
#include "generate/vs_main.h"
#include "model/command_spec_mapping.h"

namespace verbsmith {

namespace {

std::optional<std::string> DigestOf(FileSystem& fs, const std::string& path) {
  if (path.empty()) return std::nullopt;
  try {
    return Sha256Hex(fs.ReadBytes(path));
  } catch (const VbError&) {
    return std::nullopt;
  }
}

}  // namespace

std::vector<std::pair<std::string, std::string>> FilesOfRun(const CommandSpec& spec) {
  const std::string& src = spec.currentPathSrc;
  std::vector<std::pair<std::string, std::string>> files;
  if (spec.wizardPurpose == purpose::kCreate || spec.wizardPurpose == purpose::kEdit) {
    files = {{"project file", spec.completeProjFilename},
             {"command class", spec.InSource(spec.classFilename)},
             {"main module", spec.InSource(spec.moduleFilename)}};
    if (!spec.formNotRequired) files.emplace_back("command form", spec.InSource(spec.formFilename));
    if (!spec.rcFilename.empty()) files.emplace_back("resource script", src + spec.rcFilename);
    if (!spec.resFilename.empty()) files.emplace_back("resource", src + spec.resFilename);
  }
  files.emplace_back("recap", src + spec.classname + ".txt");
  files.emplace_back("initialisation file", IniPath(spec));
  return files;
}

std::string ManifestPathOfRun(const CommandSpec& spec) {
  return spec.currentPathSrc + spec.classname + std::string(kManifestSuffix);
}

Manifest ManifestOfRun(Host& host, const CommandSpec& spec, const CommandEntry& entry) {
  Manifest manifest;
  manifest.projectDirectory = spec.currentPath;
  const std::string& project = manifest.projectDirectory;
  const std::string location = RelativeToDirectory(project, ManifestPathOfRun(spec));
  manifest.location = location == ManifestPathOfRun(spec) ? std::string() : location;
  manifest.specification = NamedValues(spec);
  manifest.entry = entry;
  manifest.templateDirectory = host.templateDirectory;
  manifest.templateSetSha256 = TemplateSetSha256(host.fs, host.templateDirectory);
  for (const auto& [role, path] : FilesOfRun(spec)) {
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

void WriteManifest(Host& host, const CommandSpec& spec, const CommandEntry& entry) {
  const std::string path = ManifestPathOfRun(spec);
  try {
    host.fs.WriteBytes(path, ManifestJson(ManifestOfRun(host, spec, entry)));
  } catch (const VbError& e) {
    ReportWriteError(host, text::kCannotOpenFileForWrite, path, e);
  }
}

}  // namespace verbsmith
