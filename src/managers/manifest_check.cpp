#include "managers/manifest_check.h"

#include <memory>
#include <optional>
#include <string>

#include "base/sha256.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "managers/manifest.h"

namespace verbsmith {

namespace {

// The manifest's project directory as it lies now: a project that has
// moved still holds its manifest at the same place inside it.
std::string ProjectDirectoryNow(const Manifest& manifest, const std::string& manifestPath) {
  const std::string& location = manifest.location;
  if (location.empty() || manifestPath.size() <= location.size()) return manifest.projectDirectory;
  const std::size_t start = manifestPath.size() - location.size();
  if (manifestPath[start - 1] != '\\' ||
      !EqualsIgnoringCase(std::string_view(manifestPath).substr(start), location)) {
    return manifest.projectDirectory;
  }
  return manifestPath.substr(0, start);
}

// A path for people, as the host names it: relative to the project when it
// lies inside it (a path the host cannot name is left as it is).
std::string HostName(FileSystem& fs, const std::string& project, const std::string& path) {
  try {
    const std::string full = fs.HostPath(ResolvedInDirectory(project, path));
    const std::string base = fs.HostPath(WithoutTrailingBackslash(project));
    if (full.size() > base.size() + 1 && full.starts_with(base)) return full.substr(base.size() + 1);
    return full;
  } catch (const VbError&) {
    return path;
  }
}

// A directory without its trailing separator, which the Windows form keeps.
std::string HostName(FileSystem& fs, const std::string& path) {
  try {
    return fs.HostPath(WithoutTrailingBackslash(path));
  } catch (const VbError&) {
    return path;
  }
}

// One recorded file against the disk: the drift line, or nothing.
std::optional<std::string> FileDrift(FileSystem& fs, const std::string& project, const ManifestFile& file,
                                     const std::string& what, const char* changed) {
  std::string bytes;
  try {
    bytes = fs.ReadBytes(ResolvedInDirectory(project, file.path));
  } catch (const VbError& e) {
    if (e.Number() == vberr::kFileNotFound || e.Number() == vberr::kPathNotFound) {
      return "missing: " + what;
    }
    return "cannot read " + what + ": " + e.Description();
  }
  if (Sha256Hex(bytes) == file.sha256) return std::nullopt;
  return changed + what;
}

std::string Shown(const CommandEntry& entry, const CommandField& field) {
  if (field.number != nullptr) return std::to_string(entry.*field.number);
  return "\"" + entry.*field.text + "\"";
}

// The entry with the manifest's ProgID, found as the command set finds
// names, without regard to case.
std::optional<CommandEntry> RegisteredEntry(CommandSetFactory& commandSets, const Manifest& manifest) {
  std::unique_ptr<CommandSet> commandSet = commandSets.Create();
  commandSet->OpenCommandSet(manifest.TextAnswer("CompanyName"), manifest.TextAnswer("ApplicationName"));
  std::optional<NumberedCommand> found = commandSet->FindProgId(manifest.entry.progId);
  if (!found) return std::nullopt;
  return std::move(found->entry);
}

void CheckEntry(CommandSetFactory& commandSets, const Manifest& manifest, ProjectCheck& check) {
  const std::optional<CommandEntry> registered = RegisteredEntry(commandSets, manifest);
  if (!registered) {
    check.drift.push_back("entry removed: " + manifest.entry.progId + " is not in the command set of " +
                          manifest.TextAnswer("CompanyName") + " " + manifest.TextAnswer("ApplicationName"));
    return;
  }
  for (const CommandField& field : kCommandFields) {
    const std::string was = Shown(manifest.entry, field);
    const std::string now = Shown(*registered, field);
    if (was != now) {
      check.drift.push_back("entry changed: " + std::string(field.name) + " was " + was + ", now " + now);
    }
  }
}

// Control characters (another program's entry, a damaged manifest) are
// shown as \xNN rather than obeyed by the terminal.
std::string Printable(std::string_view line) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string text;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      text += c;
    } else {
      text += {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0x0F]};
    }
  }
  return text;
}

std::string Counted(std::size_t count, const std::string& thing) {
  return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

}  // namespace

std::string FindManifest(FileSystem& fs, const std::string& path) {
  if (path.size() > kManifestSuffix.size() &&
      EqualsIgnoringCase(std::string_view(path).substr(path.size() - kManifestSuffix.size()),
                         kManifestSuffix) &&
      !DirectoryExists(fs, path)) {
    return path;
  }
  const std::string directory = AddTrailingBackslash(path);
  if (!DirectoryExists(fs, directory)) throw ManifestError(HostName(fs, path) + " does not exist");
  for (const char* below : {"", "src\\", "bin\\"}) {
    const std::string place = directory + below;
    const std::vector<std::string> found = fs.List(place + "*" + std::string(kManifestSuffix), 0);
    if (found.size() == 1) return place + found.front();
    if (found.size() > 1) {
      std::string names;
      for (const std::string& name : found) names += (names.empty() ? "" : ", ") + name;
      throw ManifestError(HostName(fs, place) + " holds several manifests (" + names +
                          "); name the one to check");
    }
  }
  throw ManifestError("there is no manifest (*" + std::string(kManifestSuffix) + ") in " +
                      HostName(fs, directory) + ", its src or its bin");
}

ProjectCheck CheckProject(FileSystem& fs, CommandSetFactory& commandSets, const std::string& templateDir,
                          const std::string& manifestPath) {
  std::string text;
  try {
    text = fs.ReadBytes(manifestPath);
  } catch (const VbError& e) {
    throw ManifestError("cannot read " + HostName(fs, manifestPath) + ": " + e.Description());
  }
  Manifest manifest;
  try {
    manifest = ParseManifest(text);
  } catch (const ManifestError& e) {
    throw ManifestError("cannot read " + HostName(fs, manifestPath) + ": " + e.what());
  }

  ProjectCheck check;
  check.manifestPath = manifestPath;
  check.projectDirectory = ProjectDirectoryNow(manifest, manifestPath);
  check.progId = manifest.entry.progId;
  for (const ManifestFile& file : manifest.files) {
    const std::string what = HostName(fs, check.projectDirectory, file.path) + " (" + file.role + ")";
    if (auto drift = FileDrift(fs, check.projectDirectory, file, what, "edited by hand: ")) {
      check.drift.push_back(std::move(*drift));
    }
  }
  for (const ManifestFile& bitmap : manifest.bitmaps) {
    const std::string what =
        "bitmap " + bitmap.role + " " + HostName(fs, check.projectDirectory, bitmap.path);
    if (auto drift = FileDrift(fs, check.projectDirectory, bitmap, what, "changed: ")) {
      check.drift.push_back(std::move(*drift));
    }
  }
  check.files = manifest.files.size();
  check.bitmaps = manifest.bitmaps.size();
  CheckEntry(commandSets, manifest, check);

  const std::string templates = TemplateSetSha256(fs, templateDir);
  if (!templates.empty() && !manifest.templateSetSha256.empty() && templates != manifest.templateSetSha256) {
    check.notes.push_back("the templates in " + HostName(fs, templateDir) +
                          " differ from those the project was made from");
  }
  return check;
}

std::string DescribeProjectCheck(const ProjectCheck& check) {
  std::string text = Printable(check.projectDirectory + " (" + check.progId + "):") + "\n";
  for (const std::string& line : check.drift) text += "  " + Printable(line) + "\n";
  for (const std::string& line : check.notes) text += "  note: " + Printable(line) + "\n";
  if (check.Drifted()) {
    text += Counted(check.drift.size(), "thing") + (check.drift.size() == 1 ? " has" : " have") +
            " drifted since Finish.\n";
  } else {
    text += "Nothing has drifted: " + Counted(check.files, "file") + ", " + Counted(check.bitmaps, "bitmap") +
            " and the command-set entry are as Finish left them.\n";
  }
  return text;
}

}  // namespace verbsmith
