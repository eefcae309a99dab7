#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form.h"
#include "support/forms_session.h"

namespace verbsmith::forms {
namespace {

using ::testing::ElementsAre;

// The number of the Visual Basic error the action raises; 0 when none.
template <typename Action>
int32_t ErrorNumberOf(Action action) {
  try {
    action();
  } catch (const VbError& error) {
    return error.Number();
  }
  return 0;
}

class ControlsTest : public ::testing::Test {
 protected:
  FormsSession session_;
  Form form_{session_.runtime, "frmTest"};
  std::vector<std::string> events_;

  // Records "<name> <event>" for each event of the control.
  void Watch(Control& control) {
    control.onClick = [this, &control] { events_.push_back(control.Name() + " Click"); };
  }
};

TEST_F(ControlsTest, SelectingAnOptionClearsTheOthersOfItsContainerAndClicksOnlyOnAChange) {
  auto& frame = form_.Add<Frame>("fraPurpose");
  auto& create = form_.Add<OptionButton>("optCreate", frame);
  auto& edit = form_.Add<OptionButton>("optEdit", frame);
  auto& elsewhere = form_.Add<OptionButton>("optElsewhere");
  for (Control* c : form_.Controls()) Watch(*c);
  elsewhere.SetValue(true);
  create.SetValue(true);
  edit.SetValue(true);

  EXPECT_FALSE(create.Value());
  EXPECT_TRUE(edit.Value());
  EXPECT_TRUE(elsewhere.Value()) << "an option in another container is not in the group";
  // Selecting the selected option again, or clearing it in code, clicks nothing.
  edit.SetValue(true);
  edit.SetValue(false);
  EXPECT_FALSE(edit.Value());
  EXPECT_FALSE(create.Value());
  EXPECT_THAT(events_, ElementsAre("optElsewhere Click", "optCreate Click", "optEdit Click"));
}

TEST_F(ControlsTest, CheckBoxValueSetInCodeClicksWhenItChanges) {
  auto& check = form_.Add<CheckBox>("chkNoForm");
  Watch(check);
  check.SetValue(check::kChecked);
  check.SetValue(check::kChecked);
  check.Toggle();
  EXPECT_EQ(check.Value(), check::kUnchecked);
  EXPECT_THAT(events_, ElementsAre("chkNoForm Click", "chkNoForm Click"));
  EXPECT_THROW(check.SetValue(3), VbError);
}

TEST_F(ControlsTest, TextBoxFiresChangeOnlyWhenTheTextChangesAndAfterItChanged) {
  auto& text = form_.Add<TextBox>("txtCmdName");
  std::vector<std::string> seen;
  text.onChange = [&] { seen.push_back(text.Text()); };
  text.SetText("Cmd");
  text.SetText("Cmd");
  text.SetText("");
  EXPECT_THAT(seen, ElementsAre("Cmd", ""));
}

TEST_F(ControlsTest, ComboListIndexSetsTheTextAndClicksWithoutChange) {
  auto& combo = form_.Add<ComboBox>("cboCmdName");
  int changes = 0;
  combo.onChange = [&] { ++changes; };
  Watch(combo);
  combo.AddItem("Alpha");
  combo.AddItem("Beta");
  combo.SetListIndex(1);
  combo.SetListIndex(1);
  EXPECT_EQ(combo.Text(), "Beta");
  EXPECT_EQ(changes, 0);
  EXPECT_THAT(events_, ElementsAre("cboCmdName Click"));
  combo.SetText("Alpha");
  EXPECT_EQ(combo.ListIndex(), 0) << "an exact entry typed is the selected one";
  combo.SetText("Gamma");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, DropDownListTakesOnlyItsEntriesOrNothingAsText) {
  auto& combo = form_.Add<ComboBox>("cboList");
  combo.SetStyle(combo::kDropdownList);
  combo.AddItem("One");
  combo.AddItem("Two");
  combo.SetText("Two");
  EXPECT_EQ(combo.ListIndex(), 1);
  combo.SetText("");
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.Text(), "");
  EXPECT_EQ(ErrorNumberOf([&] { combo.SetText("Three"); }), 383);
}

TEST_F(ControlsTest, SortedListsInsertInOrderIgnoringCaseAndKeepTheSelectedEntry) {
  auto& list = form_.Add<ListBox>("lstMultiCmd");
  list.SetSorted(true);
  list.AddItem("b.vbp");
  list.AddItem("C.vbp");
  list.SetListIndex(0);
  list.AddItem("a.vbp");
  EXPECT_THAT(list.Items(), ElementsAre("a.vbp", "b.vbp", "C.vbp"));
  EXPECT_EQ(list.Text(), "b.vbp");
  list.RemoveItem(0);
  EXPECT_EQ(list.Text(), "b.vbp");
  list.RemoveItem(0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_THROW(list.List(5), VbError);
  EXPECT_THROW(list.SetListIndex(3), VbError);
}

TEST_F(ControlsTest, OnlyOneDefaultButtonPerForm) {
  auto& next = form_.Add<CommandButton>("cmdNext");
  auto& finish = form_.Add<CommandButton>("cmdFinish");
  next.SetDefault(true);
  finish.SetDefault(true);
  EXPECT_FALSE(next.Default());
  EXPECT_EQ(form_.DefaultButton(), &finish);
  finish.SetDefault(false);
  EXPECT_EQ(form_.DefaultButton(), nullptr);
}

TEST_F(ControlsTest, ControlsAreFoundByNameIgnoringCaseAndOfTheirOwnKind) {
  form_.Add<TextBox>("txtCmdName");
  EXPECT_EQ(form_.Control<TextBox>("TXTCMDNAME").Name(), "txtCmdName");
  EXPECT_EQ(ErrorNumberOf([&] { form_.Control<CheckBox>("txtCmdName"); }), 13);
  EXPECT_EQ(ErrorNumberOf([&] { form_.Control("txtMissing"); }), 730);
  EXPECT_THROW(form_.Add<Label>("txtCmdName"), std::invalid_argument);
  auto& label = form_.Add<Label>("Label1");
  EXPECT_THROW(form_.Add<TextBox>("txtInLabel", label), std::invalid_argument);
}

TEST_F(ControlsTest, DisabledOrHiddenContainersDisableAndHideWhatTheyHoldAndKeepTheFocusFromIt) {
  auto& outer = form_.Add<Frame>("fraOuter");
  auto& inner = form_.Add<PictureBox>("picInner", outer);
  auto& text = form_.Add<TextBox>("txtDeep", inner);
  EXPECT_TRUE(text.IsEffectivelyEnabled());
  outer.SetEnabled(false);
  EXPECT_FALSE(text.IsEffectivelyEnabled());
  EXPECT_TRUE(text.Enabled());
  outer.SetEnabled(true);
  inner.SetVisible(false);
  EXPECT_FALSE(text.IsEffectivelyVisible());

  // Nor can a control in a hidden container, or a label, take the focus.
  auto& label = form_.Add<Label>("Label1");
  EXPECT_EQ(ErrorNumberOf([&] { text.SetFocus(); }), 5);
  EXPECT_EQ(ErrorNumberOf([&] { label.SetFocus(); }), 5);
  inner.SetVisible(true);
  text.SetFocus();
  EXPECT_TRUE(text.HasFocus());
}

TEST_F(ControlsTest, DirectoryListShowsPathsWithoutTrailingBackslashExceptRoots) {
  auto& dir = form_.Add<DirListBox>("dirProjLoc");
  int changes = 0;
  dir.onChange = [&] { ++changes; };
  dir.SetPath("Z:\\tmp\\proj\\");
  EXPECT_EQ(dir.Path(), "Z:\\tmp\\proj");
  dir.SetPath("Z:\\tmp\\proj");
  dir.SetPath("Z:");
  EXPECT_EQ(dir.Path(), "Z:\\");
  EXPECT_EQ(changes, 2);
  dir.pathCheck = [](const std::string&) { throw VbError::Standard(vberr::kPathNotFound); };
  EXPECT_THROW(dir.SetPath("Q:\\gone"), VbError);
  EXPECT_EQ(dir.Path(), "Z:\\");
}

TEST_F(ControlsTest, DriveImageAndScrollBarRefuseWhatTheyCannotHold) {
  auto& drive = form_.Add<DriveListBox>("drvProjLoc");
  drive.SetDrive("Z:\\tmp");
  EXPECT_EQ(drive.Drive(), "z:");
  EXPECT_THROW(drive.SetDrive("\\\\server"), VbError);

  auto& images = form_.Add<ImageList>("imlSteps");
  images.AddImage("step.bmp");
  EXPECT_FALSE(images.Visible());
  EXPECT_EQ(images.Image(1), "step.bmp");
  EXPECT_THROW(images.Image(0), VbError);

  auto& bar = form_.Add<VScrollBar>("vsbConditions");
  bar.SetMax(10);
  int changes = 0;
  bar.onChange = [&] { ++changes; };
  bar.SetValue(4);
  bar.SetValue(4);
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(bar.SetValue(11), VbError);
}

}  // namespace
}  // namespace verbsmith::forms
