#include "base/sha256.h"

namespace verbsmith {

std::string DigestHex(const unsigned char* digest, std::size_t size) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex;
  hex.reserve(size * 2);
  for (std::size_t i = 0; i < size; ++i) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 0x0F];
  }
  return hex;
}

std::string Sha256Hex(std::string_view bytes) {
  return Sha256().Update(bytes).HexDigest();
}

}  // namespace verbsmith
