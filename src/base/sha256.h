#pragma once
// SHA-256 digests as lower-case hexadecimal text, the form manifests and
// people compare.

#include <nettle/sha2.h>

#include <string>
#include <string_view>

namespace verbsmith {

// A digest fed piece by piece: the pieces hash as their concatenation.
class Sha256 {
 public:
  Sha256();
  Sha256& Update(std::string_view bytes);
  // The digest of everything fed so far (64 hex digits); the object then
  // starts over, empty.
  std::string HexDigest();

 private:
  sha256_ctx context_;
};

// The digest of one text of bytes.
std::string Sha256Hex(std::string_view bytes);

}  // namespace verbsmith
