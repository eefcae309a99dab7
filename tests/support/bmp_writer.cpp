#include "support/bmp_writer.h"

namespace verbsmith::test {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

void Put16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

size_t RowBytes(int32_t width, int bitsPerPixel) {
  return ((static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 31) / 32) * 4;
}

size_t PaletteBytes(bool monochrome) {
  return monochrome ? 8 : 0;
}

}  // namespace

size_t BmpResourceSize(int32_t width, int32_t height, bool monochrome) {
  return kInfoHeaderSize + PaletteBytes(monochrome) +
         RowBytes(width, monochrome ? 1 : 24) * static_cast<size_t>(height);
}

std::string MakeBmp(int32_t width, int32_t height, bool monochrome) {
  const int bits = monochrome ? 1 : 24;
  const size_t rowBytes = RowBytes(width, bits);
  const size_t pixelBytes = rowBytes * static_cast<size_t>(height);
  const size_t offset = kFileHeaderSize + kInfoHeaderSize + PaletteBytes(monochrome);

  std::string out;
  out += "BM";
  Put32(out, static_cast<uint32_t>(offset + pixelBytes));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(offset));
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint16_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, static_cast<uint32_t>(pixelBytes));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  if (monochrome) {
    Put32(out, 0x00000000);
    Put32(out, 0x00FFFFFF);
  }
  for (int32_t y = 0; y < height; ++y) {
    for (size_t x = 0; x < rowBytes; ++x) {
      out.push_back(static_cast<char>((static_cast<size_t>(y) * 31 + x * 7) & 0xFF));
    }
  }
  return out;
}

}  // namespace verbsmith::test
