#pragma once
// Writes small Windows bitmap files for tests: 24-bit colour or 1-bit
// monochrome, with a recognisable pixel pattern.

#include <cstdint>
#include <string>

namespace verbsmith::test {

// The bytes of a .bmp file (BITMAPFILEHEADER included).
std::string MakeBmp(int32_t width, int32_t height, bool monochrome);

// The size of the bitmap without its 14-byte file header, which is what a
// resource compiler stores.
size_t BmpResourceSize(int32_t width, int32_t height, bool monochrome);

}  // namespace verbsmith::test
