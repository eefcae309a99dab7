#include "generate/template_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/line_buffer.h"

namespace verbsmith {
namespace {

class TemplateEngineTest : public ::testing::Test {
 protected:
  void Load(std::vector<std::string> lines) { buffer_.Assign(std::move(lines)); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < buffer_.LineCount(); ++i) lines.push_back(buffer_[i]);
    return lines;
  }

  LineBuffer buffer_;
};

TEST_F(TemplateEngineTest, ApplyingABlockUncommentsItsBodyAndKeepsTheMarkers) {
  Load({"'WIZARD Modeless", "'    m_IsActive = True", "'ENDWIZARD", "' a comment"});
  ApplyWizardBlock(buffer_, "Modeless");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"'WIZARD Modeless", "    m_IsActive = True", "'ENDWIZARD",
                                               "' a comment"}));
}

TEST_F(TemplateEngineTest, OnlyTheFirstApostropheOfABodyLineGoes) {
  Load({"'WIZARD Modeless", "'    x = 1 ' trailing note", "'ENDWIZARD"});
  ApplyWizardBlock(buffer_, "Modeless");
  EXPECT_EQ(buffer_[1], "    x = 1 ' trailing note");
}

TEST_F(TemplateEngineTest, ADoubleApostropheLineBecomesACommentInTheCode) {
  Load({"'WIZARD HasForm", "'' Loaded, never shown.", "'    Load frmMainForm", "'ENDWIZARD"});
  ApplyWizardBlock(buffer_, "HasForm");
  EXPECT_EQ(buffer_[1], "' Loaded, never shown.");
  EXPECT_EQ(buffer_[2], "    Load frmMainForm");
}

TEST_F(TemplateEngineTest, ApplyingTheSameBlockTwiceRemovesOneMoreApostrophe) {
  Load({"'WIZARD Modeless", "'' note", "'    x = 1", "'ENDWIZARD"});
  ApplyWizardBlock(buffer_, "Modeless");
  ApplyWizardBlock(buffer_, "Modeless");
  EXPECT_EQ(buffer_[1], " note");
  EXPECT_EQ(buffer_[2], "    x = 1");
}

TEST_F(TemplateEngineTest, ANestedBlockOfAnotherNameStaysCommentedAndTheOuterBodyResumesAfterIt) {
  Load({"'WIZARD ModalWithForm", "'    Load frmMainForm", "'WIZARD CenterOnScreen",
        "'    CenterOnScreen frmMainForm", "'ENDWIZARD", "'    frmMainForm.Show", "'ENDWIZARD", "'after"});
  ApplyWizardBlock(buffer_, "ModalWithForm");
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"'WIZARD ModalWithForm", "    Load frmMainForm",
                                      "'WIZARD CenterOnScreen", "'    CenterOnScreen frmMainForm",
                                      "'ENDWIZARD", "    frmMainForm.Show", "'ENDWIZARD", "'after"}));
}

TEST_F(TemplateEngineTest, ANestedBlockIsSelectedByItsOwnNameWhileTheOuterStaysCommented) {
  Load({"'WIZARD ModalWithForm", "'    Load frmMainForm", "'WIZARD CenterOnScreen", "'    Center",
        "'ENDWIZARD", "'    Show", "'ENDWIZARD"});
  ApplyWizardBlock(buffer_, "CenterOnScreen");
  EXPECT_EQ(buffer_[1], "'    Load frmMainForm");
  EXPECT_EQ(buffer_[3], "    Center");
  EXPECT_EQ(buffer_[5], "'    Show");
}

TEST_F(TemplateEngineTest, ABlockWhoseNameContainsTheAppliedNameIsSelectedWithIt) {
  Load({"'WIZARD HasFormX", "'    a", "'ENDWIZARD", "'WIZARD Other", "'    b", "'ENDWIZARD"});
  ApplyWizardBlock(buffer_, "HasForm");
  EXPECT_EQ(buffer_[1], "    a");
  EXPECT_EQ(buffer_[4], "'    b");
}

TEST_F(TemplateEngineTest, EveryBlockOfTheNameInTheFileIsApplied) {
  Load({"'WIZARD Modeless", "'a", "'ENDWIZARD", "code", "'WIZARD Modeless", "'b", "'ENDWIZARD"});
  ApplyWizardBlock(buffer_, "Modeless");
  EXPECT_EQ(buffer_[1], "a");
  EXPECT_EQ(buffer_[5], "b");
}

TEST_F(TemplateEngineTest, ALineNamingTheBlockOutsideAMarkerUncommentsNothing) {
  Load({"' Modeless commands end in Deactivate", "'not code", "'WIZARD Other", "'x", "'ENDWIZARD", "'y"});
  ApplyWizardBlock(buffer_, "Modeless");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"' Modeless commands end in Deactivate", "'not code",
                                               "'WIZARD Other", "'x", "'ENDWIZARD", "'y"}));
}

TEST_F(TemplateEngineTest, NestingDeeperThanFiftyBlocksIsHandledLikeShallowNesting) {
  std::vector<std::string> lines;
  for (int depth = 1; depth <= 60; ++depth) lines.push_back("'WIZARD Other" + std::to_string(depth));
  lines.push_back("'WIZARD Deep");
  lines.push_back("'    deep = 1");
  lines.push_back("'ENDWIZARD");
  lines.push_back("'    outer = 1");
  for (int depth = 1; depth <= 60; ++depth) lines.push_back("'ENDWIZARD");
  lines.push_back("'WIZARD Deep");
  lines.push_back("'    again = 1");
  lines.push_back("'ENDWIZARD");
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
}

TEST_F(TemplateEngineTest, SetVBNameWithoutAnAttributeLineChangesNothing) {
  Load({"Option Explicit"});
  SetVBName(buffer_, "MyCommand");
  EXPECT_EQ(Lines(), std::vector<std::string>{"Option Explicit"});
}

TEST_F(TemplateEngineTest, TheDescriptionAttributeJoinsDescriptionAndToolTip) {
  Load({"Attribute VB_Description = \"x\""});
  SetVBDescription(buffer_, "Measures areas", "Measure");
  EXPECT_EQ(buffer_[0], R"(Attribute VB_Description = "Measures areas\\nMeasure")");
  SetVBDescription(buffer_, "", "");
  EXPECT_EQ(buffer_[0], R"(Attribute VB_Description = "\\n")");
}

TEST_F(TemplateEngineTest, QuotesInTextsAreDoubledSoTheLinesStayValidStrings) {
  Load({"Attribute VB_Name = \"x\"", "Attribute VB_Description = \"x\"", "   Caption         =   \"x\""});
  SetVBDescription(buffer_, "The \"big\" one", "Say \"hi\"");
  SetFormCaption(buffer_, "Say \"hi\"");
  SetVBName(buffer_, "A\"B");
  EXPECT_EQ(buffer_[0], R"(Attribute VB_Name = "A""B")");
  EXPECT_EQ(buffer_[1], R"(Attribute VB_Description = "The ""big"" one\\nSay ""hi""")");
  EXPECT_EQ(buffer_[2], R"(   Caption         =   "Say ""hi""")");
}

TEST_F(TemplateEngineTest, ReplaceMainFormNameReplacesTheFirstOccurrenceOfEachLine) {
  Load({"frmMainForm.Show frmMainForm", "no form here", "  Load frmMainForm"});
  ReplaceMainFormName(buffer_, "frmOne");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"frmOne.Show frmMainForm", "no form here", "  Load frmOne"}));
}

TEST_F(TemplateEngineTest, FormHeaderAndCaptionLinesAreRewritten) {
  Load({"Begin VB.Form frmMainForm", "   Caption         =   \"Command\"", "      Caption = \"Close\""});
  SetFormBegin(buffer_, "frmMeasure");
  SetFormCaption(buffer_, "Measure");
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"Begin VB.Form frmMeasure", "   Caption         =   \"Measure\"",
                                      "      Caption = \"Close\""}));
}

}  // namespace
}  // namespace verbsmith
