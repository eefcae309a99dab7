#pragma once
// A fresh host directory for one test, removed with everything in it when
// the object goes away.

#include <filesystem>
#include <string>
#include <string_view>

namespace verbsmith::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory itself (canonical: no symlinks in it).
  const std::filesystem::path& HostPath() const { return path_; }
  // A path inside the directory; relativePath uses '/' separators.
  std::filesystem::path HostPath(std::string_view relativePath) const;

  // The directory as the product names it: "Z:\tmp\verbsmith-XXXXXX",
  // without a trailing backslash.
  std::string WindowsPath() const;
  // A path inside the directory in Windows form; '/' in relativePath become
  // backslashes. An empty relativePath gives the directory with a trailing
  // backslash, the form the product keeps its directories in.
  std::string WindowsPath(std::string_view relativePath) const;

  // Writes bytes to a file inside the directory, making parent directories.
  // Returns the host path written.
  std::filesystem::path Write(std::string_view relativePath, std::string_view bytes) const;
  // The whole content of a file inside the directory, as bytes.
  std::string Read(std::string_view relativePath) const;
  bool Exists(std::string_view relativePath) const;
  // Makes a directory (and its parents) inside the directory.
  std::filesystem::path MakeDir(std::string_view relativePath) const;

 private:
  std::filesystem::path path_;
};

}  // namespace verbsmith::test
