#include "resources/bitmap_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace verbsmith {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // the oldest header: 16-bit sizes, no compression
constexpr std::size_t kInfoHeaderSize = 40;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

// Little-endian fields at an offset; nullopt past the end.
std::optional<uint32_t> Field(std::string_view bytes, std::size_t offset, std::size_t width) {
  if (offset > bytes.size() || bytes.size() - offset < width) return std::nullopt;
  uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

bool KnownInfoHeader(uint32_t size) {
  // BITMAPINFOHEADER and its later versions, which only add fields at the end.
  return size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

// What the headers say, before it is held against the file's length.
struct Layout {
  BitmapHeader header;
  uint32_t fileSize = 0;
  uint32_t pixelOffset = 0;
  uint32_t compression = kRgb;
  uint32_t imageSize = 0;
  uint64_t tablesEnd = 0;  // end of the headers, colour masks and palette
  bool topDown = false;
};

std::variant<Layout, BitmapFault> ReadLayout(std::string_view bytes) {
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return BitmapFault::kNotBitmap;
  const auto infoSize = Field(bytes, kFileHeaderSize, 4);
  if (!infoSize) return BitmapFault::kTruncated;
  if (*infoSize != kCoreHeaderSize && !KnownInfoHeader(*infoSize)) return BitmapFault::kUnsupported;
  if (bytes.size() - kFileHeaderSize < *infoSize) return BitmapFault::kTruncated;

  Layout layout;
  layout.fileSize = *Field(bytes, 2, 4);
  layout.pixelOffset = *Field(bytes, 10, 4);
  const std::size_t info = kFileHeaderSize;
  uint32_t planes = 0;
  uint32_t colorsUsed = 0;
  std::size_t paletteEntry = 4;
  if (*infoSize == kCoreHeaderSize) {
    layout.header.width = static_cast<int32_t>(*Field(bytes, info + 4, 2));
    layout.header.height = static_cast<int32_t>(*Field(bytes, info + 6, 2));
    planes = *Field(bytes, info + 8, 2);
    layout.header.bitsPerPixel = static_cast<uint16_t>(*Field(bytes, info + 10, 2));
    paletteEntry = 3;
  } else {
    layout.header.width = static_cast<int32_t>(*Field(bytes, info + 4, 4));
    const auto height = static_cast<int32_t>(*Field(bytes, info + 8, 4));
    planes = *Field(bytes, info + 12, 2);
    layout.header.bitsPerPixel = static_cast<uint16_t>(*Field(bytes, info + 14, 2));
    layout.compression = *Field(bytes, info + 16, 4);
    layout.imageSize = *Field(bytes, info + 20, 4);
    colorsUsed = *Field(bytes, info + 32, 4);
    // A negative height stores the rows top-down; the lowest one has no
    // positive counterpart.
    if (height == INT32_MIN) return BitmapFault::kInconsistent;
    layout.topDown = height < 0;
    layout.header.height = height < 0 ? -height : height;
  }

  const uint16_t bits = layout.header.bitsPerPixel;
  const bool core = *infoSize == kCoreHeaderSize;
  const bool paletted = bits == 1 || bits == 4 || bits == 8;
  if (!paletted && bits != 24 && (core || (bits != 16 && bits != 32))) return BitmapFault::kUnsupported;
  switch (layout.compression) {
    case kRgb:
      break;
    case kRle8:
    case kRle4:
      if (bits != (layout.compression == kRle8 ? 8 : 4) || layout.topDown) return BitmapFault::kInconsistent;
      break;
    case kBitfields:
      if (bits != 16 && bits != 32) return BitmapFault::kInconsistent;
      break;
    default:
      return BitmapFault::kUnsupported;  // embedded JPEG or PNG, and the like
  }
  if (planes != 1 || layout.header.width <= 0 || layout.header.height == 0) return BitmapFault::kInconsistent;

  const uint64_t paletteLimit = paletted ? (uint64_t{1} << bits) : 0;
  if (paletted && colorsUsed > paletteLimit) return BitmapFault::kInconsistent;
  const uint64_t colors = paletted && colorsUsed == 0 ? paletteLimit : colorsUsed;
  // The three colour masks follow a plain information header; later headers
  // hold them inside.
  const uint64_t masks = layout.compression == kBitfields && *infoSize == kInfoHeaderSize ? 12 : 0;
  layout.tablesEnd = kFileHeaderSize + *infoSize + masks + colors * paletteEntry;
  return layout;
}

}  // namespace

BitmapReading ReadBitmapHeader(std::string_view bytes) {
  const auto read = ReadLayout(bytes);
  if (const auto* fault = std::get_if<BitmapFault>(&read)) return *fault;
  const Layout& layout = std::get<Layout>(read);
  const uint64_t size = bytes.size();
  if (layout.tablesEnd > size || layout.pixelOffset > size || layout.fileSize > size) {
    return BitmapFault::kTruncated;
  }
  if (layout.pixelOffset < layout.tablesEnd) return BitmapFault::kInconsistent;

  const uint64_t available = size - layout.pixelOffset;
  uint64_t pixelBytes = layout.imageSize;
  if (layout.compression == kRle8 || layout.compression == kRle4) {
    // Compressed rows have no fixed length: the header's image size is all
    // there is to hold against the file.
    if (pixelBytes == 0) return BitmapFault::kInconsistent;
    if (pixelBytes > available) return BitmapFault::kTruncated;
  } else {
    // Each row is padded to a multiple of four bytes.
    const uint64_t rowBytes = (uint64_t(layout.header.width) * layout.header.bitsPerPixel + 31) / 32 * 4;
    if (rowBytes > available || uint64_t(layout.header.height) > available / rowBytes) {
      return BitmapFault::kTruncated;
    }
    pixelBytes = rowBytes * uint64_t(layout.header.height);
  }
  // A file size of zero is allowed by the format: it means "not given".
  if (layout.fileSize != 0 && layout.fileSize < layout.pixelOffset + pixelBytes) {
    return BitmapFault::kInconsistent;
  }
  return layout.header;
}

}  // namespace verbsmith
