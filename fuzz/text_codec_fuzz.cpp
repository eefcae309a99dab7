// Feeds arbitrary bytes to the Windows-1252 codec and the wildcard matcher.
// Decoding then encoding must give back the input; encoding arbitrary
// (often malformed) UTF-8 must never fail; a name always matches "*".

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/cp1252.h"
#include "platform/wildcard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (verbsmith::Utf8ToCp1252(verbsmith::Cp1252ToUtf8(input)) != input) std::abort();
  const std::string encoded = verbsmith::Utf8ToCp1252(input);
  if (encoded.size() > input.size()) std::abort();

  const std::size_t split = input.find('\0');
  const std::string_view pattern = input.substr(0, split);
  const std::string_view name =
      split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
  verbsmith::MatchesWildcard(pattern, name);
  if (!verbsmith::MatchesWildcard("*", name)) std::abort();
  if (!verbsmith::SameNameIgnoringCase(name, name)) std::abort();
  return 0;
}
