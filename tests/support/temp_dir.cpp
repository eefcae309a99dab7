#include "support/temp_dir.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace verbsmith::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string templ = (fs::temp_directory_path() / "verbsmith-XXXXXX").string();
  if (mkdtemp(templ.data()) == nullptr) {
    throw std::runtime_error("cannot make temporary directory " + templ);
  }
  path_ = fs::canonical(templ);
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Read-only entries must not keep the tree alive when not running as root.
  for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow,
                    ignored);
  }
  fs::remove_all(path_, ignored);
}

fs::path TempDir::HostPath(std::string_view relativePath) const {
  return path_ / fs::path(relativePath);
}

std::string TempDir::WindowsPath() const {
  std::string result = "Z:" + path_.string();
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

std::string TempDir::WindowsPath(std::string_view relativePath) const {
  std::string result = WindowsPath() + "\\";
  for (char c : relativePath) result += (c == '/') ? '\\' : c;
  return result;
}

fs::path TempDir::Write(std::string_view relativePath, std::string_view bytes) const {
  fs::path target = HostPath(relativePath);
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + target.string());
  return target;
}

std::string TempDir::Read(std::string_view relativePath) const {
  std::ifstream in(HostPath(relativePath), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + HostPath(relativePath).string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempDir::Exists(std::string_view relativePath) const {
  std::error_code ignored;
  return fs::exists(HostPath(relativePath), ignored);
}

fs::path TempDir::MakeDir(std::string_view relativePath) const {
  fs::path target = HostPath(relativePath);
  fs::create_directories(target);
  return target;
}

}  // namespace verbsmith::test
