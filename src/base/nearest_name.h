#pragma once
// The name a mistyped word most likely meant, for "did you mean" hints.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbsmith {

// Edits (insertions, deletions, substitutions, ASCII case ignored) that turn
// one text into the other.
size_t EditDistance(std::string_view a, std::string_view b);

// The name nearest to the typed word, when it is near enough to be what was
// meant: at most a third of the word's length changed (two edits at least
// allowed). Ties go to the first name given.
std::optional<std::string> NearestName(std::string_view typed, const std::vector<std::string>& names);

}  // namespace verbsmith
