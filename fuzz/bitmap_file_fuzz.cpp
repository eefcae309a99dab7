// Reads the header of an arbitrary file named as a toolbar bitmap. A header
// it accepts must describe a picture with pixels.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "resources/bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace verbsmith;
  // A buffer of exactly the input's length, so any overread is caught.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const BitmapReading reading = ReadBitmapHeader(bytes);
  if (const auto* header = std::get_if<BitmapHeader>(&reading)) {
    if (header->width <= 0 || header->height <= 0 || header->bitsPerPixel == 0) std::abort();
  }
  return 0;
}
