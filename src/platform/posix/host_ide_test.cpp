#include "platform/posix/host_ide.h"

#include <gtest/gtest.h>

#include "support/file_host.h"

namespace verbsmith {
namespace {

class HostIdeTest : public ::testing::Test {
 protected:
  HostIdeTest() {
    dir.Write("p/src/Cmd.vbp",
              "Type=OleDll\r\nForm=frmCommand.frm\r\nClass=CommandClass; CommandClass.cls\r\n"
              "Module=CommandClass1; CommandClass1.bas\r\nName=\"Cmd\"\r\n");
    dir.Write("p/src/frmCommand.frm", "VERSION 5.00\r\nAttribute VB_Name = \"frmCommand\"\r\n");
    dir.Write("p/src/CommandClass.cls", "x");
    dir.Write("p/src/CommandClass1.bas", "x");
  }
  test::MemoryHost files;
  test::MemoryDir dir{files.files};
  test::FakeProcesses& processes = files.processes;
};

TEST_F(HostIdeTest, DefaultsToVersionSixWhoseClickReachesLiveSubscribersOfAttachedControlsOnly) {
  HostIde ide(files.files, processes);
  EXPECT_EQ(ide.Version(), "6.0");
  EXPECT_EQ(ide.FindCommandBar("Tools"), nullptr);
  EXPECT_FALSE(ide.HasActiveProject());
  EXPECT_THROW(ide.ActiveProject(), VbError);
  ASSERT_NE(ide.FindCommandBar("Add-Ins"), nullptr);
  CommandBarControl& button = ide.FindCommandBar("Add-Ins")->AddButton();
  int clicks = 0;
  auto events = ide.CommandBarEventsFor(button);
  events->OnClick([&] { ++clicks; });
  ide.ClickControl(button);
  EXPECT_EQ(clicks, 1);
  events.reset();
  ide.ClickControl(button);
  EXPECT_EQ(clicks, 1);

  auto again = ide.CommandBarEventsFor(button);
  again->OnClick([&] { ++clicks; });
  button.Delete();
  EXPECT_EQ(ide.FindCommandBar("Add-Ins")->ControlCount(), 0);
  ide.ClickControl(button);
  EXPECT_EQ(clicks, 1);
}

TEST_F(HostIdeTest, LoadProjectListsFormClassAndModuleComponentsAndRaisesForAMissingFile) {
  HostIde ide(files.files, processes);
  EXPECT_THROW(ide.LoadProject(dir.WindowsPath("p/src/None.vbp"), true), VbError);
  EXPECT_FALSE(ide.HasActiveProject());
  ide.LoadProject(dir.WindowsPath("p/src/Cmd.vbp"), true);
  IdeProject& project = ide.ActiveProject();
  EXPECT_EQ(project.FileName(), dir.WindowsPath("p/src/Cmd.vbp"));
  ASSERT_EQ(project.ComponentCount(), 3);
  EXPECT_EQ(project.Component(0).Name(), "frmCommand");
  EXPECT_EQ(project.Component(1).Name(), "CommandClass");
  EXPECT_EQ(project.Component(2).Name(), "CommandClass1");
  EXPECT_FALSE(project.IsDirty());
  EXPECT_TRUE(processes.started.empty());
}

TEST_F(HostIdeTest, DirtyFlagsAreKeptAndReloadFailsForAGoneFile) {
  HostIdeOptions options;
  options.loadMarksDirty = true;
  HostIde ide(files.files, processes, options);
  ide.LoadProject(dir.WindowsPath("p/src/Cmd.vbp"), true);
  IdeProject& project = ide.ActiveProject();
  EXPECT_TRUE(project.IsDirty());
  project.SetIsDirty(false);
  EXPECT_FALSE(project.IsDirty());

  IdeComponent& module = project.Component(2);
  module.SetIsDirty(true);
  module.Reload();
  EXPECT_FALSE(module.IsDirty());
  files.files.DeleteFile(dir.WindowsPath("p/src/CommandClass1.bas"));
  EXPECT_THROW(module.Reload(), VbError);
  EXPECT_THROW(project.Component(3), VbError);
}

TEST_F(HostIdeTest, ConfiguredCommandGetsTheLoadedProjectsHostPath) {
  processes.env["VERBSMITH_IDE_COMMAND"] = "my-editor --new-window";
  processes.env["VERBSMITH_IDE_VERSION"] = "5.0";
  auto ide = MakeHostIde(files.files, processes);
  EXPECT_EQ(ide->Version(), "5.0");
  ide->LoadProject(dir.WindowsPath("p/src/Cmd.vbp"), true);
  ASSERT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(processes.started[0],
            (std::vector<std::string>{"my-editor", "--new-window",
                                      files.files.HostPath(dir.WindowsPath("p/src/Cmd.vbp"))}));
}

}  // namespace
}  // namespace verbsmith
