#pragma once
// Comparing a project with the manifest its last Finish left: the files it
// made, the bitmaps it used and its command-set entry, each as it is now.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/command_set.h"
#include "platform/file_system.h"

namespace verbsmith {

struct ProjectCheck {
  std::string manifestPath;      // Windows form
  std::string projectDirectory;  // where the project is now, trailing backslash
  std::string progId;
  // What differs from the manifest, one line each; empty when nothing does.
  std::vector<std::string> drift;
  // What is worth knowing but is not the project's drift.
  std::vector<std::string> notes;
  std::size_t files = 0;
  std::size_t bitmaps = 0;

  bool Drifted() const { return !drift.empty(); }
};

// The manifest named by path: path itself when it names a manifest, else
// the only one in the directory path, in its src or else in its bin.
// Throws ManifestError when there is none, or more than one in one place.
std::string FindManifest(FileSystem& fs, const std::string& path);

// Reads the manifest (ManifestError when it cannot be read or understood),
// digests the files and bitmaps it lists, and reads the entry through the
// command set, which is not changed (its failures are VbErrors). The
// templates of templateDir (Windows form, trailing backslash) are compared
// with the set the project was made from.
ProjectCheck CheckProject(FileSystem& fs, CommandSetFactory& commandSets, const std::string& templateDir,
                          const std::string& manifestPath);

// The check as people read it: the project, each drift, and a verdict.
std::string DescribeProjectCheck(const ProjectCheck& check);

}  // namespace verbsmith
