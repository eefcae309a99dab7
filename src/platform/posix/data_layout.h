#pragma once
// Where the product's own files are (templates, samples, help pages, the
// help file), found from where the executable is. Each layout keeps the
// add-in's own shape: an add-in directory holding Templates, Samples and
// help, with the help file in ../resdlls/0009 beside it. Looked for in this
// order:
//   build tree          <build>/bin/verbsmith, <build>/CMakeCache.txt; the
//                       build puts the files beside the executable
//   installed tree      <prefix>/bin/verbsmith, the files in
//                       <prefix>/share/carthex-verbsmith/addin
//   beside the executable   <dir>/verbsmith with <dir>/Templates, as the
//                       Windows add-in is laid out

#include <filesystem>
#include <string>

namespace verbsmith {

enum class DataLayoutKind { kBuildTree, kInstalledTree, kBesideExecutable, kNotFound };

struct DataLayout {
  DataLayoutKind kind = DataLayoutKind::kNotFound;
  // Host path of the directory holding Templates, Samples and help.
  std::filesystem::path addInDirectory;

  // "build tree", "installed tree", "beside the executable", "not found".
  std::string KindName() const;
};

// The installed tree's add-in directory, relative to the prefix.
inline constexpr const char* kInstalledAddInDirectory = "share/carthex-verbsmith/addin";

// The first layout that fits the executable's directory; when none does,
// kNotFound with the executable's directory (where the files were looked
// for last).
DataLayout FindDataLayout(const std::filesystem::path& executableDirectory);

}  // namespace verbsmith
