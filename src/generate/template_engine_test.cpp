// The edits made to template text: the marker blocks and which of them a
// command switches on, the attribute and form lines, and the project's own
// lines.

#include "generate/template_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "generate/class_blocks.h"
#include "generate/line_buffer.h"
#include "generate/project_lines.h"

namespace verbsmith {
namespace {

class TemplateEngineTest : public ::testing::Test {
 protected:
  void Load(std::vector<std::string> lines) { buffer_.Assign(std::move(lines)); }
  // The lines as they would be written.
  std::vector<std::string> Lines() const { return SplitTextLines(buffer_.Text()); }

  LineBuffer buffer_;
};

// One block applied to a small file: the file before and after.
struct BlockCase {
  const char* what;
  std::vector<std::string> before;
  const char* block;
  std::vector<std::string> after;
};

TEST_F(TemplateEngineTest, ApplyingABlockUncommentsOnlyTheBodiesOfThatName) {
  const BlockCase cases[] = {
      {"the body loses its apostrophe, the markers stay",
       {"'WIZARD Modeless", "'    m_IsActive = True", "'ENDWIZARD", "' a comment"},
       "Modeless",
       {"'WIZARD Modeless", "    m_IsActive = True", "'ENDWIZARD", "' a comment"}},
      {"a double-apostrophe line becomes a comment",
       {"'WIZARD HasForm", "'' Loaded, never shown.", "'    Load frmMainForm", "'ENDWIZARD"},
       "HasForm",
       {"'WIZARD HasForm", "' Loaded, never shown.", "    Load frmMainForm", "'ENDWIZARD"}},
      {"a nested block of another name stays commented, the outer body resumes",
       {"'WIZARD ModalWithForm", "'    Load", "'WIZARD CenterOnScreen", "'    Center", "'ENDWIZARD",
        "'    Show", "'ENDWIZARD", "'after"},
       "ModalWithForm",
       {"'WIZARD ModalWithForm", "    Load", "'WIZARD CenterOnScreen", "'    Center", "'ENDWIZARD",
        "    Show", "'ENDWIZARD", "'after"}},
      {"a nested block is selected by its own name, the outer stays commented",
       {"'WIZARD ModalWithForm", "'    Load", "'WIZARD CenterOnScreen", "'    Center", "'ENDWIZARD",
        "'    Show", "'ENDWIZARD"},
       "CenterOnScreen",
       {"'WIZARD ModalWithForm", "'    Load", "'WIZARD CenterOnScreen", "    Center", "'ENDWIZARD",
        "'    Show", "'ENDWIZARD"}},
      {"a block whose name contains the applied name is selected with it",
       {"'WIZARD HasFormX", "'    a", "'ENDWIZARD", "'WIZARD Other", "'    b", "'ENDWIZARD"},
       "HasForm",
       {"'WIZARD HasFormX", "    a", "'ENDWIZARD", "'WIZARD Other", "'    b", "'ENDWIZARD"}},
      {"every block of the name is applied",
       {"'WIZARD Modeless", "'a", "'ENDWIZARD", "code", "'WIZARD Modeless", "'b", "'ENDWIZARD"},
       "Modeless",
       {"'WIZARD Modeless", "a", "'ENDWIZARD", "code", "'WIZARD Modeless", "b", "'ENDWIZARD"}},
      {"a line naming the block outside a marker uncomments nothing",
       {"' Modeless commands end in Deactivate", "'not code", "'WIZARD Other", "'x", "'ENDWIZARD", "'y"},
       "Modeless",
       {"' Modeless commands end in Deactivate", "'not code", "'WIZARD Other", "'x", "'ENDWIZARD", "'y"}},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.what);
    Load(c.before);
    ApplyWizardBlock(buffer_, c.block);
    EXPECT_EQ(Lines(), c.after);
  }
}

TEST_F(TemplateEngineTest, ApplyingTheSameBlockTwiceRemovesOneMoreApostrophe) {
  Load({"'WIZARD Modeless", "'' note", "'    x = 1", "'ENDWIZARD"});
  ApplyWizardBlock(buffer_, "Modeless");
  ApplyWizardBlock(buffer_, "Modeless");
  EXPECT_EQ(buffer_[1], " note");
  EXPECT_EQ(buffer_[2], "    x = 1");
}

TEST_F(TemplateEngineTest, NestingDeeperThanFiftyBlocksIsHandledLikeShallowNesting) {
  std::vector<std::string> lines;
  for (int depth = 1; depth <= 60; ++depth) lines.push_back("'WIZARD Other" + std::to_string(depth));
  lines.insert(lines.end(), {"'WIZARD Deep", "'    deep = 1", "'ENDWIZARD", "'    outer = 1"});
  for (int depth = 1; depth <= 60; ++depth) lines.push_back("'ENDWIZARD");
  lines.insert(lines.end(), {"'WIZARD Deep", "'    again = 1", "'ENDWIZARD"});
  Load(lines);
  ApplyWizardBlock(buffer_, "Deep");
  EXPECT_EQ(buffer_[61], "    deep = 1");
  EXPECT_EQ(buffer_[63], "'    outer = 1");
  EXPECT_EQ(buffer_[125], "    again = 1");
}

TEST_F(TemplateEngineTest, SetVBNameRewritesTheFirstAttributeLineOnly) {
  Load({"x", "Attribute VB_Name = \"Old\"", "Attribute VB_Name = \"Other\""});
  SetVBName(buffer_, "MyCommand");
  EXPECT_EQ(buffer_[1], "Attribute VB_Name = \"MyCommand\"");
  EXPECT_EQ(buffer_[2], "Attribute VB_Name = \"Other\"");
  Load({"Option Explicit"});
  SetVBName(buffer_, "MyCommand");
  EXPECT_EQ(Lines(), std::vector<std::string>{"Option Explicit"});
}

TEST_F(TemplateEngineTest, QuotesInTextsAreDoubledSoTheLinesStayValidStrings) {
  Load({"Attribute VB_Name = \"x\"", "Attribute VB_Description = \"x\"", "   Caption         =   \"x\""});
  SetVBDescription(buffer_, "The \"big\" one", "Say \"hi\"");
  SetFormCaption(buffer_, "Say \"hi\"");
  SetVBName(buffer_, "A\"B");
  EXPECT_EQ(buffer_[0], R"(Attribute VB_Name = "A""B")");
  EXPECT_EQ(buffer_[1], R"(Attribute VB_Description = "The ""big"" one\\nSay ""hi""")");
  EXPECT_EQ(buffer_[2], R"(   Caption         =   "Say ""hi""")");
  SetVBDescription(buffer_, "", "");
  EXPECT_EQ(buffer_[1], R"(Attribute VB_Description = "\\n")");
}

TEST_F(TemplateEngineTest, FormNameHeaderAndCaptionLinesAreRewritten) {
  Load({"frmMainForm.Show frmMainForm", "no form here", "  Load frmMainForm"});
  ReplaceMainFormName(buffer_, "frmOne");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"frmOne.Show frmMainForm", "no form here", "  Load frmOne"}));

  // A form named after a key ("frmEditCaption") keeps its header line.
  Load({"Begin VB.Form frmMainForm", "   Caption         =   \"Command\"", "      Caption = \"Close\""});
  SetFormBegin(buffer_, "frmEditCaption");
  SetFormCaption(buffer_, "Measure");
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"Begin VB.Form frmEditCaption", "   Caption         =   \"Measure\"",
                                      "      Caption = \"Close\""}));
}

class ProjectLinesTest : public TemplateEngineTest {
 protected:
  ProjectLineValues values_{"Command:  Measure", "frmMeasure.frm", "Measure",        "Measure.cls",
                            "Measure1",          "Measure1.bas",   "MeasureProject", "C:\\p\\bin\\"};
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

// Without a form the Form line is emptied. Keys are matched only where a
// line starts with them: a description holding "Form=" or "Name=" stays the
// description, and ExeName32 is not a Name line.
TEST_F(ProjectLinesTest, TheFormLineIsEmptiedWithoutAFormAndKeysInsideValuesAreLeft) {
  buffer_.Assign({"Type=OleDll", "Form=MainForm.frm", "Class=T; T.cls", "Startup=\"Sub Main\""});
  values_.formFilename.clear();
  SetProjectLines(buffer_, values_);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Type=OleDll", "", "Class=Measure;Measure.cls",
                                               "Startup=\"Sub Main\""}));
  buffer_.Assign({"Description=\"x\"", "ExeName32=\"old.dll\"", "Form=MainForm.frm", "Name=\"Old\""});
  values_.formFilename = "frmMeasure.frm";
  for (const char* description : {"Command:  Form=odd", "Command:  Set Name=x"}) {
    values_.description = description;
    SetProjectLines(buffer_, values_);
    EXPECT_EQ(buffer_[0], std::string("Description=") + description);
  }
  EXPECT_EQ(buffer_[2], "Form=frmMeasure.frm");
  EXPECT_EQ(buffer_[3], "Name=\"" + values_.projectName + "\"");
  EXPECT_TRUE(buffer_[1].starts_with("ExeName32="));
}

TEST_F(ProjectLinesTest, ResFileLineIsInsertedFirstReplacedOrEmptiedButNeverAddedEmpty) {
  buffer_.Assign({"Type=OleDll", "Name=\"X\""});
  SetResFileLine(buffer_, "C:\\p\\src\\Measure.res");
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"ResFile32=C:\\p\\src\\Measure.res", "Type=OleDll", "Name=\"X\""}));
  buffer_.Assign({"Type=OleDll", "ResFile32=old.res", "Name=\"X\""});
  SetResFileLine(buffer_, "new.res");
  EXPECT_EQ(buffer_[1], "ResFile32=new.res");
  SetResFileLine(buffer_, "");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Type=OleDll", "", "Name=\"X\""}));

  buffer_.Assign({"Type=OleDll"});
  SetResFileLine(buffer_, "");
  EXPECT_FALSE(SetFirstLineStartingWith(buffer_, "Class=", "Class=x"));
  EXPECT_EQ(buffer_.Text(), "Type=OleDll\r\n");
  EXPECT_EQ(buffer_.UpperBound(), 50u);
}

using Blocks = std::vector<std::string_view>;

ClassBlockOptions WithForm(int16_t position) {
  ClassBlockOptions options;
  options.formPosition = position;
  return options;
}

TEST(SelectedClassBlocksTest, FormPositionChoosesTheFormBlocks) {
  EXPECT_EQ(SelectedClassBlocks(WithForm(0)), Blocks{"HasForm"});
  EXPECT_EQ(SelectedClassBlocks(WithForm(1)), (Blocks{"ModalWithForm", "CenterOnScreen"}));
  EXPECT_EQ(SelectedClassBlocks(WithForm(2)), (Blocks{"ModalWithForm", "CenterOnApp"}));
  EXPECT_EQ(SelectedClassBlocks(WithForm(3)), Blocks{"ModalWithForm"});
  ClassBlockOptions options = WithForm(3);
  options.commandIsModeless = true;  // a modeless command with a shown form gets both blocks
  EXPECT_EQ(SelectedClassBlocks(options), (Blocks{"Modeless", "ModalWithForm"}));
  options.commandIsModeless = false;
  options.formNotRequired = true;  // no form: no form block, whatever the position
  for (options.formPosition = 0; options.formPosition <= 3; ++options.formPosition) {
    EXPECT_TRUE(SelectedClassBlocks(options).empty()) << options.formPosition;
  }
}

TEST(SelectedClassBlocksTest, OnlyTheExactMaskValueOneSwitchesOnTheCustomHooks) {
  ClassBlockOptions options;
  options.formNotRequired = true;
  options.commandsEnablingConditions = 3;
  options.viewListener = 2;
  EXPECT_TRUE(SelectedClassBlocks(options).empty());
  options.viewListener = 8;
  EXPECT_TRUE(SelectedClassBlocks(options).empty());
  options.commandsEnablingConditions = 1;
  options.viewListener = 1;
  options.isMapViewListener = true;
  EXPECT_EQ(SelectedClassBlocks(options),
            (Blocks{"MapViewListener", "CustomEnablingRequirements", "HasCustomStartupRequirements"}));
}

}  // namespace
}  // namespace verbsmith
