#pragma once
// Visual Basic names ignore case.

#include <string_view>

#include "base/strings.h"

namespace verbsmith::forms {

inline bool SameName(std::string_view a, std::string_view b) {
  return EqualsIgnoringCase(a, b);
}

}  // namespace verbsmith::forms
