#include "generate/project_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/line_buffer.h"

namespace verbsmith {
namespace {

class ProjectLinesTest : public ::testing::Test {
 protected:
  ProjectLinesTest() {
    values_.description = "Command:  Measure";
    values_.formFilename = "frmMeasure.frm";
    values_.classname = "Measure";
    values_.classFilename = "Measure.cls";
    values_.moduleName = "Measure1";
    values_.moduleFilename = "Measure1.bas";
    values_.projectName = "MeasureProject";
    values_.binPath = "C:\\p\\bin\\";
  }
  std::vector<std::string> Lines() const { return SplitTextLines(buffer_.Text()); }

  LineBuffer buffer_;
  ProjectLineValues values_;
};

TEST_F(ProjectLinesTest, RewritesTheProjectsOwnLinesAndKeepsTheOthers) {
  buffer_.Assign({"Type=OleDll", "Form=MainForm.frm", "Class=T; T.cls", "Module=M; M.bas", "Name=\"X\"",
                  "ExeName32=\"X.dll\"", "Description=\"x\"", "VersionCompanyName=\"Valdren\""});
  SetProjectLines(buffer_, values_);
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"Type=OleDll", "Form=frmMeasure.frm", "Class=Measure;Measure.cls",
                                      "Module=Measure1;Measure1.bas", "Name=\"MeasureProject\"",
                                      "ExeName32=\"C:\\p\\bin\\Measure.dll\"",
                                      "Description=Command:  Measure", "VersionCompanyName=\"Valdren\""}));
}

TEST_F(ProjectLinesTest, ACommandWithoutAFormLeavesAnEmptyLineWhereTheFormLineWas) {
  buffer_.Assign({"Type=OleDll", "Form=MainForm.frm", "Class=T; T.cls", "Startup=\"Sub Main\""});
  values_.formFilename.clear();
  SetProjectLines(buffer_, values_);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Type=OleDll", "", "Class=Measure;Measure.cls",
                                               "Startup=\"Sub Main\""}));
}

TEST_F(ProjectLinesTest, ADescriptionHoldingFormEqualsIsTakenByTheFormRule) {
  buffer_.Assign({"Description=\"x\"", "Form=MainForm.frm"});
  values_.description = "Form=odd";
  SetProjectLines(buffer_, values_);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Form=frmMeasure.frm", "Form=MainForm.frm"}));
}

TEST_F(ProjectLinesTest, ResFileLineIsInsertedFirstWhenMissing) {
  buffer_.Assign({"Type=OleDll", "Name=\"X\""});
  SetResFileLine(buffer_, "C:\\p\\src\\Measure.res");
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"ResFile32=C:\\p\\src\\Measure.res", "Type=OleDll", "Name=\"X\""}));
}

TEST_F(ProjectLinesTest, ResFileLineIsReplacedOrEmptiedAndNeverAddedEmpty) {
  buffer_.Assign({"Type=OleDll", "ResFile32=old.res", "Name=\"X\""});
  SetResFileLine(buffer_, "new.res");
  EXPECT_EQ(buffer_[1], "ResFile32=new.res");
  SetResFileLine(buffer_, "");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Type=OleDll", "", "Name=\"X\""}));

  buffer_.Assign({"Type=OleDll"});
  SetResFileLine(buffer_, "");
  EXPECT_FALSE(SetFirstLineContaining(buffer_, "Class=", "Class=x"));
  EXPECT_EQ(buffer_.Text(), "Type=OleDll\r\n");
  EXPECT_EQ(buffer_.UpperBound(), 50u);
}

}  // namespace
}  // namespace verbsmith
