#pragma once
// The product's texts are UTF-8; the Windows API's are UTF-16. Every call
// into the wide API goes through these.

#include <string>
#include <string_view>

namespace verbsmith {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace verbsmith
