#include "wizard/command_name_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace verbsmith {
namespace {

// The first rule a name breaks decides the reason; the period is allowed.
TEST(IsValidProgIDTest, FirstBrokenRuleGivesTheReason) {
  const struct {
    std::string name;
    bool valid;
    int reason;
  } cases[] = {
      {"Roads.Buffer2", true, -1},
      {"", false, progid::kBlank},
      {std::string(39, 'a'), true, -1},
      {std::string(40, 'a'), false, progid::kTooLong},
      {std::string(40, ' '), false, progid::kTooLong},
      {"Roads.Buf fer", false, progid::kSpace},
      {"1 Roads", false, progid::kSpace},
      {"Roads.Buf_fer", false, progid::kPunctuation},
      {"Roads.Buf-fer", false, progid::kPunctuation},
      {"Roads.Buf,fer", false, progid::kPunctuation},
      {"1Roads.Buffer", false, progid::kLeadingDigit},
      {"Roads.1Buffer", true, -1},
  };
  for (const auto& c : cases) {
    int reason = -1;
    EXPECT_EQ(IsValidProgID(c.name, reason), c.valid) << c.name;
    EXPECT_EQ(reason, c.reason) << c.name;
  }
  EXPECT_EQ(InvalidProgIDMessage(progid::kBlank),
            "The Project Name and Command Name fields cannot be blank.\r\n\r\nReturn to the Project Name and "
            "Location step and choose a Project Name and a Command Name.");
  EXPECT_EQ(InvalidProgIDMessage(progid::kLeadingDigit), "The Project Name cannot start with a digit.");
}

// One backslash or two before the "n": the separator never leaves a
// backslash on the description.
TEST(SplitRegisteredDescriptionTest, SplitsAtTheFirstSeparator) {
  const auto one = SplitRegisteredDescription("Zooms in\\nZoom");
  ASSERT_TRUE(one);
  EXPECT_EQ(one->description, "Zooms in");
  EXPECT_EQ(one->toolTip, "Zoom");
  const auto two = SplitRegisteredDescription("Zooms in\\\\nZoom\\nmore");
  ASSERT_TRUE(two);
  EXPECT_EQ(two->description, "Zooms in");
  EXPECT_EQ(two->toolTip, "Zoom\\nmore");
  EXPECT_FALSE(SplitRegisteredDescription("Zooms in"));
  EXPECT_FALSE(SplitRegisteredDescription("Error"));
}

TEST(DirectoriesOfServerTest, ABinDirectoryInAnyCaseHasItsSourcesBeside) {
  const ProjectDirectories upper = DirectoriesOfServer("C:\\Cmds\\Zoom\\BIN\\Zoom.dll");
  EXPECT_EQ(upper.bin, "C:\\Cmds\\Zoom\\BIN\\");
  EXPECT_EQ(upper.path, "C:\\Cmds\\Zoom\\");
  EXPECT_EQ(upper.src, "C:\\Cmds\\Zoom\\src");
  // Only the server's own directory counts, not a bin further up.
  const ProjectDirectories flat = DirectoriesOfServer("C:\\bin\\Tools\\Zoom.dll");
  EXPECT_EQ(flat.path, "C:\\bin\\Tools\\");
  EXPECT_EQ(flat.src, "C:\\bin\\Tools\\");
  EXPECT_EQ(flat.bin, "C:\\bin\\Tools\\");
}

}  // namespace
}  // namespace verbsmith
