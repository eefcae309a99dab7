#include "base/sha256.h"

#include <array>
#include <cstdint>

namespace verbsmith {

Sha256::Sha256() {
  sha256_init(&context_);
}

Sha256& Sha256::Update(std::string_view bytes) {
  sha256_update(&context_, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
  return *this;
}

std::string Sha256::HexDigest() {
  std::array<uint8_t, SHA256_DIGEST_SIZE> digest{};
  sha256_digest(&context_, digest.size(), digest.data());
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex;
  hex.reserve(digest.size() * 2);
  for (const uint8_t byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

std::string Sha256Hex(std::string_view bytes) {
  return Sha256().Update(bytes).HexDigest();
}

}  // namespace verbsmith
