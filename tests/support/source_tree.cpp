#include "support/source_tree.h"

#include <cstdlib>

namespace verbsmith::test {

std::filesystem::path SourceTreeRoot() {
  const char* root = std::getenv("VERBSMITH_SOURCE_DIR");
  if (root != nullptr && *root != '\0') return root;
  // tests/support/source_tree.cpp -> the root two levels up.
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

std::filesystem::path SourceTreePath(std::string_view relativePath) {
  return SourceTreeRoot() / std::filesystem::path(relativePath);
}

}  // namespace verbsmith::test
