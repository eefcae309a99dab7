#include "resources/bitmap_file.h"

#include <gtest/gtest.h>

#include "support/bmp_writer.h"

namespace verbsmith {
namespace {

// Offsets of the fields the cases below spoil.
constexpr size_t kFileSize = 2, kInfoSize = 14, kHeight = 22, kPlanes = 26, kBits = 28, kCompression = 30;

void Put(std::string& bytes, size_t offset, uint32_t value, size_t width = 4) {
  for (size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

BitmapFault FaultOf(const std::string& bytes) {
  const BitmapReading reading = ReadBitmapHeader(bytes);
  EXPECT_TRUE(std::holds_alternative<BitmapFault>(reading));
  return std::holds_alternative<BitmapFault>(reading) ? std::get<BitmapFault>(reading)
                                                      : BitmapFault::kInconsistent;
}

TEST(BitmapFileTest, ReadsSizeAndDepthOfColorMonochromeAndTopDownBitmaps) {
  const auto color = std::get<BitmapHeader>(ReadBitmapHeader(test::MakeBmp(24, 23, false)));
  EXPECT_EQ(color.width, 24);
  EXPECT_EQ(color.height, 23);
  EXPECT_EQ(color.bitsPerPixel, 24);
  EXPECT_EQ(std::get<BitmapHeader>(ReadBitmapHeader(test::MakeBmp(16, 15, true))).bitsPerPixel, 1);
  std::string topDown = test::MakeBmp(16, 15, false);
  Put(topDown, kHeight, static_cast<uint32_t>(-15));
  EXPECT_EQ(std::get<BitmapHeader>(ReadBitmapHeader(topDown)).height, 15);
}

TEST(BitmapFileTest, RefusesTextAndEveryCutOfARealBitmapWithoutReadingPastTheEnd) {
  EXPECT_EQ(FaultOf("Just some notes, named .bmp\r\n"), BitmapFault::kNotBitmap);
  EXPECT_EQ(FaultOf(""), BitmapFault::kNotBitmap);
  const std::string whole = test::MakeBmp(16, 15, true);
  for (size_t length = 2; length < whole.size(); ++length) {
    // A fresh buffer of exactly this length, so a sanitizer sees any overread.
    const std::string cut(whole.data(), length);
    EXPECT_EQ(FaultOf(cut), BitmapFault::kTruncated) << length;
  }
}

TEST(BitmapFileTest, RefusesHeadersThatContradictThemselvesOrAreOfAnUnknownKind) {
  const std::string good = test::MakeBmp(24, 23, false);
  auto spoilt = [&good](size_t offset, uint32_t value, size_t width = 4) {
    std::string bytes = good;
    Put(bytes, offset, value, width);
    return FaultOf(bytes);
  };
  EXPECT_EQ(spoilt(kInfoSize, 64), BitmapFault::kUnsupported);
  EXPECT_EQ(spoilt(kBits, 7, 2), BitmapFault::kUnsupported);
  EXPECT_EQ(spoilt(kCompression, 4), BitmapFault::kUnsupported);  // an embedded JPEG
  EXPECT_EQ(spoilt(kPlanes, 2, 2), BitmapFault::kInconsistent);
  EXPECT_EQ(spoilt(kHeight, 0), BitmapFault::kInconsistent);
  EXPECT_EQ(spoilt(kHeight, 0x80000000), BitmapFault::kInconsistent);
  EXPECT_EQ(spoilt(kCompression, 1), BitmapFault::kInconsistent);  // RLE8 at 24 bits
  EXPECT_EQ(spoilt(kFileSize, 100), BitmapFault::kInconsistent);
  EXPECT_EQ(spoilt(kHeight, 100000), BitmapFault::kTruncated);
}

}  // namespace
}  // namespace verbsmith
