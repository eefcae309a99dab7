#pragma once
// The manifest a Finish leaves beside the recap: the answers the run held,
// the command-set entry it registered, the template set it came from, and a
// SHA-256 of every file it made and every bitmap it used, so that a later
// check can tell what has drifted since.
//
// It is JSON in UTF-8 with its keys in a fixed order and no time stamps, so
// the same run always gives the same bytes.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "model/command_spec_mapping.h"
#include "platform/command_set.h"
#include "platform/file_system.h"

namespace verbsmith {

// Raised when the manifest's text is not one this build can read.
class ManifestError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Written into every manifest; a reader refuses a version it does not know.
inline constexpr int kManifestFormatVersion = 1;
// The manifest of command C is C.verbsmith.json beside C's recap.
inline constexpr std::string_view kManifestSuffix = ".verbsmith.json";

using ManifestAnswer = SpecValue;

// One file the run made or used, with its digest.
struct ManifestFile {
  std::string role;  // "command class", "recap", ...; for a bitmap its row, "LC"
  // Relative to the project directory when the file lies inside it, else the
  // full Windows-form path.
  std::string path;
  std::string sha256;

  bool operator==(const ManifestFile&) const = default;
};

struct Manifest {
  // Where the project was at Finish: Windows form, trailing backslash.
  std::string projectDirectory;
  // The manifest's own path relative to the project directory, by which a
  // project that has moved is found again; empty when it lies outside.
  std::string location;
  // The command specification, by the properties' own names, in a fixed
  // order.
  std::vector<std::pair<std::string, ManifestAnswer>> specification;
  CommandEntry entry;
  std::string templateDirectory;
  // Empty when a template could not be read at Finish.
  std::string templateSetSha256;
  std::vector<ManifestFile> files;
  std::vector<ManifestFile> bitmaps;

  // The text answer of that name; empty when there is none.
  std::string TextAnswer(std::string_view name) const;

  bool operator==(const Manifest&) const = default;
};

// The manifest's bytes.
std::string ManifestJson(const Manifest& manifest);
// Reads them back; throws ManifestError saying what is wrong.
Manifest ParseManifest(std::string_view json);

// path relative to directory (both Windows form, directory with a trailing
// backslash) when it lies inside it, letters compared without case; else
// path as it is.
std::string RelativeToDirectory(const std::string& directory, const std::string& path);
// The full path of a path recorded by RelativeToDirectory.
std::string ResolvedInDirectory(const std::string& directory, const std::string& recorded);

// The bitmap paths an entry names, by row: LC, LM, SC, SM.
std::vector<std::pair<std::string, std::string>> BitmapPathsOf(const CommandEntry& entry);

// The digest of the four template files of templateDir, over each one's
// name, size and bytes in a fixed order; empty when one cannot be read.
std::string TemplateSetSha256(FileSystem& fs, const std::string& templateDir);

}  // namespace verbsmith
