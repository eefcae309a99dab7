#include <stdlib.h>

#include <stdexcept>
#include <system_error>

#include "support/temp_dir.h"

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

std::string TempDir::WindowsPath() const {
  std::string result = "Z:" + path_.string();
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

}  // namespace verbsmith::test
