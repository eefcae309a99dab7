#pragma once
// SHA-256 digests as lower-case hexadecimal text, the form manifests and
// people compare. The hashing itself is the system's: nettle on Linux,
// the CNG (BCrypt) provider on Windows.

#include <memory>
#include <string>
#include <string_view>

namespace verbsmith {

// A digest fed piece by piece: the pieces hash as their concatenation.
class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;
  Sha256& Update(std::string_view bytes);
  // The digest of everything fed so far (64 hex digits); the object then
  // starts over, empty.
  std::string HexDigest();

 private:
  // The backend's hashing state.
  struct State;
  std::unique_ptr<State> state_;
};

// The digest of one text of bytes.
std::string Sha256Hex(std::string_view bytes);

// The 32 bytes of a digest as hexadecimal text.
std::string DigestHex(const unsigned char* digest, std::size_t size);

}  // namespace verbsmith
