#pragma once
// File-name matching as Windows does it: wildcards, and names that differ
// only in case count as the same name.

#include <string>
#include <string_view>

namespace verbsmith {

// Whether a file name (UTF-8, no directory) matches a Windows wildcard
// pattern: "*" stands for any run of characters, "?" for exactly one; case
// is ignored. As on Windows, a pattern ending in ".*" also matches the name
// without an extension ("*.*" matches every name, "logo.*" matches "logo"),
// and a pattern ending in "." matches only names without a dot ("*." lists
// names that have no extension).
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// Whether a pattern holds a wildcard character.
bool HasWildcard(std::string_view pattern);

// Whether two names are equal when case is ignored.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The name with every letter folded to one case, for keys and ordering.
std::u32string FoldCase(std::string_view name);

}  // namespace verbsmith
