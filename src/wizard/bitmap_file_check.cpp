#include "wizard/bitmap_file_check.h"

#include <variant>

#include "base/texts.h"
#include "resources/bitmap_file.h"

namespace verbsmith {

namespace {

constexpr int32_t kLargeWidth = 24;
constexpr int32_t kLargeHeight = 23;
constexpr int32_t kSmallWidth = 16;
constexpr int32_t kSmallHeight = 15;

std::string_view FaultText(BitmapFault fault) {
  switch (fault) {
    case BitmapFault::kNotBitmap:
      return text::kBitmapNotBitmap;
    case BitmapFault::kUnsupported:
      return text::kBitmapUnsupported;
    case BitmapFault::kTruncated:
      return text::kBitmapTruncated;
    case BitmapFault::kInconsistent:
      break;
  }
  return text::kBitmapInconsistent;
}

}  // namespace

std::optional<std::string> BitmapFileRefusal(Host& host, const BitmapRow& row, const std::string& path) {
  std::string bytes;
  try {
    bytes = host.fs.ReadBytes(path);
  } catch (const VbError& error) {
    return path + std::string(text::kBitmapCannotBeRead) + "  " + error.Description();
  }
  const BitmapReading reading = ReadBitmapHeader(bytes);
  if (const auto* fault = std::get_if<BitmapFault>(&reading)) return path + std::string(FaultText(*fault));
  const BitmapHeader& header = std::get<BitmapHeader>(reading);
  const bool large = row.Large();
  if (header.width != (large ? kLargeWidth : kSmallWidth) ||
      header.height != (large ? kLargeHeight : kSmallHeight)) {
    return path + std::string(text::kBitmapIs) + std::to_string(header.width) + "x" +
           std::to_string(header.height) +
           std::string(large ? text::kBitmapMustBeLarge : text::kBitmapMustBeSmall);
  }
  if (row.Monochrome() && header.bitsPerPixel != 1) {
    return path + std::string(text::kBitmapHas) + std::to_string(header.bitsPerPixel) +
           std::string(text::kBitmapMustBeMonochrome);
  }
  if (!row.Monochrome() && header.bitsPerPixel == 1) return path + std::string(text::kBitmapMustBeColor);
  return std::nullopt;
}

}  // namespace verbsmith
