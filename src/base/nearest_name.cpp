#include "base/nearest_name.h"

#include <algorithm>
#include <numeric>

#include "base/strings.h"

namespace verbsmith {

size_t EditDistance(std::string_view a, std::string_view b) {
  // One row of the table at a time: row[j] is the distance from a's prefix
  // to b's first j characters.
  std::vector<size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), size_t{0});
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const size_t substitution = diagonal + (AsciiUpper(a[i - 1]) == AsciiUpper(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::optional<std::string> NearestName(std::string_view typed, const std::vector<std::string>& names) {
  const size_t allowed = std::max<size_t>(2, typed.size() / 3);
  std::optional<std::string> nearest;
  size_t best = allowed + 1;
  for (const std::string& name : names) {
    if (const size_t distance = EditDistance(typed, name); distance < best) {
      best = distance;
      nearest = name;
    }
  }
  return nearest;
}

}  // namespace verbsmith
