#include "base/nearest_name.h"

#include <gtest/gtest.h>

namespace verbsmith {
namespace {

TEST(NearestNameTest, SuggestsTheNearestNameOnlyWhenItIsNearEnough) {
  EXPECT_EQ(EditDistance("comands", "commands"), 1u);
  EXPECT_EQ(EditDistance("Chek", "check"), 1u);
  EXPECT_EQ(EditDistance("", "new"), 3u);
  const std::vector<std::string> commands = {"run", "new", "templates", "commands", "check"};
  EXPECT_EQ(NearestName("comands", commands), "commands");
  EXPECT_EQ(NearestName("nwe", commands), "new");
  EXPECT_EQ(NearestName("--answer", {"--answers", "--transcript"}), "--answers");
  EXPECT_EQ(NearestName("frobnicate", commands), std::nullopt);
  EXPECT_EQ(NearestName("x", {}), std::nullopt);
}

}  // namespace
}  // namespace verbsmith
