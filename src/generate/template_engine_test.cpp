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
      {"only the first apostrophe goes",
       {"'WIZARD Modeless", "'    x = 1 ' trailing note", "'ENDWIZARD"},
       "Modeless",
       {"'WIZARD Modeless", "    x = 1 ' trailing note", "'ENDWIZARD"}},
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

TEST_F(TemplateEngineTest, FormNameHeaderAndCaptionLinesAreRewritten) {
  Load({"frmMainForm.Show frmMainForm", "no form here", "  Load frmMainForm"});
  ReplaceMainFormName(buffer_, "frmOne");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"frmOne.Show frmMainForm", "no form here", "  Load frmOne"}));

  Load({"Begin VB.Form frmMainForm", "   Caption         =   \"Command\"", "      Caption = \"Close\""});
  SetFormBegin(buffer_, "frmMeasure");
  SetFormCaption(buffer_, "Measure");
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"Begin VB.Form frmMeasure", "   Caption         =   \"Measure\"",
                                      "      Caption = \"Close\""}));
}

}  // namespace
}  // namespace verbsmith
