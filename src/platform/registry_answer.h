#pragma once
// How every registry adapter hands a text over to a caller's buffer, as the
// single-byte registry calls do.

#include <cstddef>
#include <string>
#include <string_view>

namespace verbsmith {

// Gives text to out when it fits a buffer of bufferSize characters with its
// terminating zero: regcode::kSuccess; else clears out: regcode::kMoreData.
// Text is counted by code points when countCodePoints, else by bytes.
long DeliverRegistryText(std::string_view text, bool countCodePoints, std::size_t bufferSize,
                         std::string* out);

}  // namespace verbsmith
