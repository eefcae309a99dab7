#include "base/messages.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace verbsmith {
namespace {

TEST(MessagesTest, EveryMessageIsKnownAndNotEmptyAndOtherNumbersThrow) {
  const int numbers[] = {1,   2,   3,   4,   5,   6,   8,   9,   11,  13,  14,  16,  17,  19,  20,  21,
                         22,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,
                         39,  48,  49,  50,  51,  52,  53,  54,  55,  61,  62,  64,  65,  66,  67,  68,
                         69,  71,  74,  75,  76,  77,  78,  79,  80,  81,  114, 116, 117, 138, 139, 140,
                         141, 142, 144, 145, 146, 156, 157, 158, 164, 165, 166, 167, 168, 169, 171, 172,
                         173, 174, 175, 176, 177, 178, 179, 180, 181, 185, 187};
  for (int n : numbers) {
    ASSERT_TRUE(HasResString(n)) << n;
    EXPECT_FALSE(LoadResString(n).empty()) << n;
  }
  EXPECT_THROW(LoadResString(0), std::out_of_range);
  EXPECT_THROW(LoadResString(7), std::out_of_range);
  EXPECT_THROW(LoadResString(100000), std::out_of_range);
  EXPECT_FALSE(HasResString(7));
}

}  // namespace
}  // namespace verbsmith
