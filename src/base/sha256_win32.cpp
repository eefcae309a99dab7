// SHA-256 on Windows' CNG provider, which every Windows since Vista ships.

#include <windows.h>
// bcrypt.h needs windows.h first.
#include <bcrypt.h>

#include <array>
#include <cstdlib>

#include "base/sha256.h"

namespace verbsmith {

namespace {

constexpr ULONG kDigestSize = 32;

// The algorithm is opened once; a failure there means the system is broken
// beyond what a digest can report.
BCRYPT_ALG_HANDLE Algorithm() {
  static const BCRYPT_ALG_HANDLE algorithm = [] {
    BCRYPT_ALG_HANDLE handle = nullptr;
    if (BCryptOpenAlgorithmProvider(&handle, BCRYPT_SHA256_ALGORITHM, nullptr, 0) != 0) std::abort();
    return handle;
  }();
  return algorithm;
}

BCRYPT_HASH_HANDLE NewHash() {
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (BCryptCreateHash(Algorithm(), &hash, nullptr, 0, nullptr, 0, 0) != 0) std::abort();
  return hash;
}

}  // namespace

struct Sha256::State {
  BCRYPT_HASH_HANDLE hash = NewHash();
  ~State() { BCryptDestroyHash(hash); }
};

Sha256::Sha256() : state_(std::make_unique<State>()) {}

Sha256::~Sha256() = default;

Sha256& Sha256::Update(std::string_view bytes) {
  // BCryptHashData takes at most 4 GiB a call; a larger piece goes in parts.
  while (!bytes.empty()) {
    const ULONG size = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<ULONG>(bytes.size());
    auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
    if (BCryptHashData(state_->hash, data, size, 0) != 0) std::abort();
    bytes.remove_prefix(size);
  }
  return *this;
}

std::string Sha256::HexDigest() {
  std::array<UCHAR, kDigestSize> digest{};
  if (BCryptFinishHash(state_->hash, digest.data(), kDigestSize, 0) != 0) std::abort();
  BCryptDestroyHash(state_->hash);
  state_->hash = NewHash();
  return DigestHex(digest.data(), digest.size());
}

}  // namespace verbsmith
