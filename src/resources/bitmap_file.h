#pragma once
// Reading the headers of a Windows bitmap file (.bmp): enough to tell that a
// toolbar bitmap is a real one of the right size and depth before the
// resource compiler gets it. Only the headers are read, and never past the
// bytes given, whatever they hold.

#include <cstdint>
#include <string_view>
#include <variant>

namespace verbsmith {

struct BitmapHeader {
  int32_t width = 0;
  int32_t height = 0;  // rows, whether stored bottom-up or top-down
  uint16_t bitsPerPixel = 0;
};

enum class BitmapFault {
  kNotBitmap,     // no "BM" file header
  kUnsupported,   // an information header, depth or compression no bitmap reader of ours takes
  kTruncated,     // the file ends before its headers, palette or pixels do
  kInconsistent,  // the headers contradict each other (sizes, offsets, planes)
};

using BitmapReading = std::variant<BitmapHeader, BitmapFault>;

// The header of the bitmap file held in bytes, or what is wrong with it.
BitmapReading ReadBitmapHeader(std::string_view bytes);

}  // namespace verbsmith
