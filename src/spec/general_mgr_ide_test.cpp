#include <gtest/gtest.h>

#include <string>

#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "spec/general_mgr_class.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/fake_managers.h"
#include "support/file_host.h"

namespace verbsmith {
namespace {

class IdeOperationsTest : public ::testing::Test {
 protected:
  // Gives the general manager the environment; the managers it takes first
  // are never used by these operations.
  void Connect(Ide* environment) {
    test::FakeConnection connection;
    connection.classMgr = &classMgr;
    connection.moduleMgr = &moduleMgr;
    connection.formMgr = &formMgr;
    connection.bitmapMgr = &bitmapMgr;
    connection.vbInst = environment;
    gen.InitializeObjects(&connection);
  }

  bool Dirty() {
    bool dirty = false;
    gen.AreComponentsDirty(dirty);
    return dirty;
  }

  test::FileHost env;
  Host& host = env.host;
  LineBuffer lines;
  GeneralMgrClass gen{host, lines};
  test::FakeIde ide;
  test::FakeClassMgr classMgr;
  ModuleMgrClass moduleMgr{host, lines};
  FormMgrClass formMgr{host, lines};
  test::FakeBitmapMgr bitmapMgr;
};

TEST_F(IdeOperationsTest, CleanComponentsAreAllReloaded) {
  Connect(&ide);
  ide.OpenProject("C:\\p\\Empty.vbp");
  EXPECT_FALSE(Dirty());
  test::FakeProject& project = ide.OpenProject();
  project.Add("frmMain");
  project.Add("modMain");
  EXPECT_FALSE(Dirty());
  EXPECT_EQ(project.At(0).reloads, 1);
  EXPECT_EQ(project.At(1).reloads, 1);
}

TEST_F(IdeOperationsTest, StopsAtTheFirstChangedComponent) {
  Connect(&ide);
  test::FakeProject& project = ide.OpenProject();
  project.Add("frmMain");
  project.Add("modMain", true);
  project.Add("CmdSvr");
  EXPECT_TRUE(Dirty());
  EXPECT_EQ(project.At(0).reloads, 1);
  EXPECT_EQ(project.At(1).reloads, 0);
  EXPECT_EQ(project.At(2).reloads, 0);
}

TEST_F(IdeOperationsTest, AFailedReloadCountsAsChanged) {
  Connect(&ide);
  test::FakeProject& project = ide.OpenProject();
  project.Add("frmMain").failReload = true;
  project.Add("modMain");
  EXPECT_TRUE(Dirty());
  EXPECT_EQ(project.At(1).reloads, 0);
}

TEST_F(IdeOperationsTest, WhatCannotBeCheckedCountsAsChanged) {
  Connect(&ide);
  EXPECT_TRUE(Dirty());  // no active project
  ide.OpenProject().Add("frmMain").failIsDirty = true;
  EXPECT_TRUE(Dirty());
  test::FakeProject& project = ide.OpenProject();
  project.Add("frmMain");
  project.failComponentAccess = true;
  EXPECT_TRUE(Dirty());
  Connect(nullptr);
  EXPECT_TRUE(Dirty());
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(IdeOperationsTest, ReloadLoadsTheProjectAsUnchanged) {
  Connect(&ide);
  ide.markLoadedDirty = true;
  gen.ReloadProject("C:\\p\\src\\ZoomCmd.vbp");
  ASSERT_EQ(ide.loaded, std::vector<std::string>{"C:\\p\\src\\ZoomCmd.vbp"});
  EXPECT_EQ(ide.ActiveProject().FileName(), "C:\\p\\src\\ZoomCmd.vbp");
  EXPECT_FALSE(ide.ActiveProject().IsDirty());
}

TEST_F(IdeOperationsTest, ReloadPassesALoadFailureOnAndNeedsAnEnvironment) {
  Connect(&ide);
  ide.failLoad = true;
  EXPECT_THROW(gen.ReloadProject("C:\\p\\src\\ZoomCmd.vbp"), VbError);
  Connect(nullptr);
  EXPECT_THROW(gen.ReloadProject("C:\\p\\src\\ZoomCmd.vbp"), VbError);
}

}  // namespace
}  // namespace verbsmith
