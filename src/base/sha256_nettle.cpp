// SHA-256 on nettle.

#include <nettle/sha2.h>

#include <array>
#include <cstdint>

#include "base/sha256.h"

namespace verbsmith {

struct Sha256::State {
  sha256_ctx context;
};

Sha256::Sha256() : state_(std::make_unique<State>()) {
  sha256_init(&state_->context);
}

Sha256::~Sha256() = default;

Sha256& Sha256::Update(std::string_view bytes) {
  sha256_update(&state_->context, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
  return *this;
}

std::string Sha256::HexDigest() {
  std::array<uint8_t, SHA256_DIGEST_SIZE> digest{};
  sha256_digest(&state_->context, digest.size(), digest.data());
  return DigestHex(digest.data(), digest.size());
}

}  // namespace verbsmith
