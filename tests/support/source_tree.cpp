#include "support/source_tree.h"

#include <cstdlib>

namespace verbsmith::test {

std::filesystem::path SourceTreeRoot() {
  const char* root = std::getenv("VERBSMITH_SOURCE_DIR");
  if (root != nullptr && *root != '\0') return root;
  // Set by the build: __FILE__ is relative when a compiler cache rewrites
  // the paths, and would then name a directory of the build tree.
  return VERBSMITH_SOURCE_ROOT;
}

std::filesystem::path SourceTreePath(std::string_view relativePath) {
  return SourceTreeRoot() / std::filesystem::path(relativePath);
}

}  // namespace verbsmith::test
