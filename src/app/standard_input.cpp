#include "app/standard_input.h"

#include <iostream>

namespace verbsmith::app {

std::optional<std::string> ReadStandardInput(std::size_t limit) {
  std::string bytes;
  char chunk[64 * 1024];
  while (std::cin.read(chunk, sizeof chunk) || std::cin.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(std::cin.gcount()));
    if (bytes.size() > limit) return std::nullopt;
  }
  return bytes;
}

}  // namespace verbsmith::app
