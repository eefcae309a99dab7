#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace verbsmith::test {

namespace fs = std::filesystem;

fs::path TempDir::HostPath(std::string_view relativePath) const {
  return path_ / fs::path(relativePath);
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
