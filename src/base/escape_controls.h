#pragma once
// Text for a terminal: what came from a file, an entry or the registry is
// shown with its control characters spelled out, so that it can neither
// split a line nor send the terminal an escape sequence.

#include <string>
#include <string_view>

namespace verbsmith {

// Control characters as \n, \r, \t or \xHH. With keepLineFeeds a line feed
// stays as it is: for the product's own messages, whose paragraphs it
// separates.
std::string EscapeControls(std::string_view value, bool keepLineFeeds = false);

}  // namespace verbsmith
