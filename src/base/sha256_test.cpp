#include "base/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace verbsmith {
namespace {

// The published test vectors, and a text with a zero byte and high bytes,
// which must hash as bytes and not stop at the zero.
TEST(Sha256Test, GivesThePublishedDigests) {
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Hex(std::string("a\0\xE9", 3)),
            "de4bf56aff74c81ef141d4e1b9fd75d82a5d728fad6365e18d79d47b80190251");
}

TEST(Sha256Test, PiecesHashAsTheirConcatenationAndTheDigestStartsOver) {
  Sha256 digest;
  digest.Update("ab").Update("c");
  EXPECT_EQ(digest.HexDigest(), Sha256Hex("abc"));
  EXPECT_EQ(digest.HexDigest(), Sha256Hex(""));
}

}  // namespace
}  // namespace verbsmith
