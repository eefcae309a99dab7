#pragma once
// Files of the source tree (fixtures, templates) for tests, wherever the
// test binary runs from.

#include <filesystem>
#include <string_view>

namespace verbsmith::test {

// The source root: VERBSMITH_SOURCE_DIR when set (CTest sets it), else the
// tree the tests were built from.
std::filesystem::path SourceTreeRoot();
// A path below the source root; relativePath uses '/' separators.
std::filesystem::path SourceTreePath(std::string_view relativePath);

}  // namespace verbsmith::test
