// The general manager: its paths and names, InitializeObjects, the recap
// and initialisation files, the registration lookups and the operations on
// the environment's project.

#include "model/general_mgr_class.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "base/messages.h"
#include "base/texts.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "model/registry_lookups.h"
#include "support/fake_connection.h"
#include "support/fake_ide.h"
#include "support/fake_managers.h"
#include "support/file_host.h"
#include "support/source_tree.h"

namespace verbsmith {
namespace {

class GeneralMgrClassTest : public ::testing::Test {
 protected:
  GeneralMgrClassTest() {
    env.registry.LoadFile(test::SourceTreePath("tests/fixtures/registration/commands.reg").string());
    dir.MakeDir("proj/bin");
    connection.classMgr = &classMgr;
    connection.moduleMgr = &moduleMgr;
    connection.formMgr = &formMgr;
    connection.bitmapMgr = &bitmapMgr;
    Connect(&ide);
    gen.SetProjectName("ZoomCmd");
    gen.SetCurrentPathBin(dir.WindowsPath("proj/bin"));
  }

  void Connect(Ide* environment) {
    connection.vbInst = environment;
    gen.InitializeObjects(&connection);
  }
  bool Dirty() {
    bool dirty = false;
    gen.AreComponentsDirty(dirty);
    return dirty;
  }
  std::string Ini() const { return dir.Read("proj/bin/CmdSvr.ini"); }

  test::MemoryHost env;
  test::MemoryDir dir{env.files};
  LineBuffer lines;
  test::FakeClassMgr classMgr;
  ModuleMgrClass moduleMgr{env.host, lines};
  FormMgrClass formMgr{env.host, lines};
  test::FakeBitmapMgr bitmapMgr;
  test::FakeIde ide;
  test::FakeConnection connection;
  GeneralMgrClass gen{env.host, lines};
};

TEST_F(GeneralMgrClassTest, PathsKeepExactlyOneTrailingBackslash) {
  GeneralMgrClass fresh(env.host, lines);
  const std::string current = env.files.CurrentDirectory();
  EXPECT_EQ(fresh.CurrentPath(), current.back() == '\\' ? current : current + "\\");
  EXPECT_EQ(fresh.CurrentPath().find("\\\\"), std::string::npos);
  gen.SetCurrentPathSrc("C:\\p\\src");
  EXPECT_EQ(gen.CurrentPathSrc(), "C:\\p\\src\\");
  gen.SetCurrentPathSrc("C:\\p\\src\\");
  EXPECT_EQ(gen.CurrentPathSrc(), "C:\\p\\src\\");
  gen.SetCurrentPathSrc("");
  EXPECT_EQ(gen.CurrentPathSrc(), "");
  gen.SetCurrentPathBin("C:\\p\\bin");
  EXPECT_EQ(gen.CurrentPathBin(), "C:\\p\\bin\\");
  gen.SetCurrentPath("C:\\p");
  EXPECT_EQ(gen.CurrentPath(), "C:\\p\\");
}

TEST_F(GeneralMgrClassTest, ProjectNameSetsTheFileNameButNotTheOtherWayRound) {
  EXPECT_EQ(gen.ProjectFilename(), "ZoomCmd.vbp");
  gen.SetProjectFilename("Other.vbp");
  EXPECT_EQ(gen.ProjectName(), "ZoomCmd");
}

TEST_F(GeneralMgrClassTest, MissingFormManagerIsRecordedAfterClassAndModuleManagers) {
  connection.formMgr = nullptr;
  GeneralMgrClass partial(env.host, lines);
  partial.InitializeObjects(&connection);
  EXPECT_EQ(env.err.Number(), 22509);
  EXPECT_EQ(env.err.Source(), "General Manager Object");
  EXPECT_EQ(env.err.Description(), "Form Manager object not properly created.");
  EXPECT_NE(partial.ClassMgr(), nullptr);
  EXPECT_NE(partial.ModuleMgr(), nullptr);
  EXPECT_EQ(partial.FormMgr(), nullptr);
  EXPECT_EQ(partial.BitmapMgr(), nullptr);
  EXPECT_EQ(partial.VBInst(), nullptr);
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(GeneralMgrClassTest, InitializeChecksFollowTheirFixedOrder) {
  using Clear = void (*)(test::FakeConnection&);
  for (const auto& [clear, number] :
       {std::pair<Clear, int32_t>{
            [](test::FakeConnection& c) { c.classMgr = nullptr, c.moduleMgr = nullptr; }, 22508},
        {[](test::FakeConnection& c) { c.moduleMgr = nullptr, c.formMgr = nullptr; }, 22510},
        {[](test::FakeConnection& c) { c.bitmapMgr = nullptr, c.vbInst = nullptr; }, 22511},
        {[](test::FakeConnection& c) { c.vbInst = nullptr; }, 22512}}) {
    SCOPED_TRACE(number);
    test::FakeConnection broken = connection;
    clear(broken);
    GeneralMgrClass fresh(env.host, lines);
    fresh.InitializeObjects(&broken);
    EXPECT_EQ(env.err.Number(), number);
  }
  gen.InitializeObjects(nullptr);
  EXPECT_EQ(env.err.Number(), 22506);
  EXPECT_EQ(env.err.Description(), "Verbsmith not properly created.");
}

TEST_F(GeneralMgrClassTest, WriteINITwiceKeepsOneSectionWithTheSecondValuesAndOtherSections) {
  dir.Write("proj/bin/CmdSvr.ini", "[Other]\r\nKey=Value\r\n");
  gen.WriteINI();
  classMgr.desc = "Pans to the selection";
  gen.SetCommandIsModeless(true);
  gen.WriteINI();

  const std::string text = Ini();
  EXPECT_EQ(text.find("[CmdSvr]"), text.rfind("[CmdSvr]"));
  EXPECT_NE(text.find("Description=Pans to the selection\r\n"), std::string::npos);
  EXPECT_NE(text.find("IsModal=0\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Zooms"), std::string::npos);
  EXPECT_EQ(env.profiles.GetString("Other", "Key", "", dir.WindowsPath("proj/bin/CmdSvr.ini"), 255), "Value");
}

// A missing bin directory, or a file in its place, fails the write: one
// message, and no directory made.
TEST_F(GeneralMgrClassTest, AFailedWriteINIIsReportedOnce) {
  dir.Write("proj/blocked", "not a directory");
  for (const char* bin : {"proj/missing", "proj/blocked"}) {
    gen.SetCurrentPathBin(dir.WindowsPath(bin));
    gen.WriteINI();
  }
  EXPECT_EQ(env.Prompts(), std::vector<std::string>(2, LoadResString(185) + "  "));
  EXPECT_FALSE(dir.Exists("proj/missing"));
}

// Without a bitmap manager the bitmap paths cannot be had; the keys before
// them are still written, and the failure shown.
TEST_F(GeneralMgrClassTest, WriteINIWithoutABitmapManagerKeepsTheKeysBeforeTheBitmaps) {
  connection.bitmapMgr = nullptr;
  Connect(&ide);
  gen.WriteINI();
  EXPECT_NE(Ini().find("ToolTip="), std::string::npos);
  EXPECT_EQ(Ini().find("BitmapPath"), std::string::npos);
  EXPECT_EQ(env.Prompts().size(), 1u);
}

// A ProgID is taken when it is registered, with or without a class id.
TEST_F(GeneralMgrClassTest, OnlyAnUnregisteredProgIDIsUnique) {
  for (const auto& [project, expected] :
       {std::pair{"ZoomCmd", true}, {"InprocCmd", false}, {"NoClsid", false}}) {
    SCOPED_TRACE(project);
    gen.SetProjectName(project);
    bool unique = !expected;
    gen.IsCommandUnique(unique);
    EXPECT_EQ(unique, expected);
  }
  EXPECT_EQ(env.registry.OpenHandleCount(), 0u);
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

const std::string kNL(text::kNL);
using Lookup = std::string (*)(Host&, const std::string&);

struct LookupCase {
  Lookup lookup;
  const char* progId;
  std::string result;
  std::string prompt;  // empty: nothing shown
};

// Each lookup on a fresh registry loaded from the fixture: the value or
// "Error", the one exclamation box shown, and no key left open.
void ExpectLookups(const char* fixture, const std::vector<LookupCase>& cases) {
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.progId);
    test::MemoryHost env;
    env.registry.LoadFile(
        test::SourceTreePath(std::string("tests/fixtures/registration/") + fixture).string());
    EXPECT_EQ(c.lookup(env.host, c.progId), c.result);
    if (c.prompt.empty()) {
      EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
    } else {
      ASSERT_EQ(env.dialogs.MessageBoxes().size(), 1u);
      const MessageBoxRecord& box = env.dialogs.MessageBoxes().front();
      EXPECT_EQ(box.prompt, c.prompt);
      EXPECT_EQ(box.style, mb::kOKOnly | mb::kExclamation);
      EXPECT_EQ(box.title, text::kTitle);
    }
    EXPECT_EQ(env.registry.OpenHandleCount(), 0u) << "a registry key was left open";
  }
}

TEST(RegistryLookupsTest, ServerPathPrefersTheInProcessServerAndDescriptionsFitTheirBuffer) {
  const Lookup path = [](Host& h, const std::string& p) { return ServerPathFromProgID(h, p); };
  const Lookup desc = [](Host& h, const std::string& p) { return DescriptionFromProgID(h, p); };
  std::string full;
  while (full.size() < 254) full += "Long description ";
  full.resize(254);
  ExpectLookups("commands.reg",
                {{path, "InprocCmd.CmdSvr", "C:\\Cmds\\InprocCmd\\bin\\InprocCmd.dll", ""},
                 {path, "LocalCmd.CmdSvr", "C:\\Cmds\\LocalCmd\\bin\\LocalCmd.exe", ""},
                 {path, "BareCmd.CmdSvr", "Error", LoadResString(173)},
                 {path, "NoClsid.CmdSvr", "Error", LoadResString(171)},
                 {path, "Absent.CmdSvr", "Error",
                  "Cannot open registry ProgID.  Recompile project to register command."},
                 {path, "Orphan.CmdSvr", "Error",
                  LoadResString(172) + kNL + kNL + "CLSID\\{5A1C0DE4-0000-4000-8000-000000000004}"},
                 {path, "LongServer.CmdSvr", "Error", LoadResString(174) + kNL + kNL + "InprocServer32"},
                 {desc, "InprocCmd.CmdSvr", "Inproc command|Inproc tip", ""},
                 {desc, "FullDesc.CmdSvr", full, ""},
                 {desc, "LongDesc.CmdSvr", "Error",
                  LoadResString(174) + kNL + kNL + "{5A1C0DE5-0000-4000-8000-000000000005}"},
                 {desc, "Absent.CmdSvr", "Error", LoadResString(180)},
                 {desc, "NoClsid.CmdSvr", "Error", LoadResString(171)},
                 {desc, "Orphan.CmdSvr", "Error",
                  LoadResString(174) + kNL + kNL + "{5A1C0DE4-0000-4000-8000-000000000004}"}});
  ExpectLookups("no_class_table.reg",
                {{desc, "Lonely.CmdSvr", "Error", LoadResString(172) + kNL + kNL + "CLSID"}});
}

TEST_F(GeneralMgrClassTest, ReloadingStopsAtTheFirstChangedComponentOrFailedReload) {
  ide.OpenProject("C:\\p\\Empty.vbp");
  EXPECT_FALSE(Dirty());
  test::FakeProject& project = ide.OpenProject();
  project.Add("frmMain");
  project.Add("modMain");
  EXPECT_FALSE(Dirty());
  EXPECT_EQ(project.At(0).reloads, 1);
  EXPECT_EQ(project.At(1).reloads, 1);

  test::FakeProject& changed = ide.OpenProject();
  changed.Add("frmMain");
  changed.Add("modMain", true);
  changed.Add("CmdSvr");
  EXPECT_TRUE(Dirty());
  EXPECT_EQ(changed.At(0).reloads, 1);
  EXPECT_EQ(changed.At(1).reloads, 0);
  EXPECT_EQ(changed.At(2).reloads, 0);

  test::FakeProject& failing = ide.OpenProject();
  failing.Add("frmMain").failReload = true;
  failing.Add("modMain");
  EXPECT_TRUE(Dirty());
  EXPECT_EQ(failing.At(1).reloads, 0);
}

TEST_F(GeneralMgrClassTest, WhatCannotBeCheckedCountsAsChanged) {
  EXPECT_FALSE(Dirty());  // no project open: nothing to save
  ide.OpenProject().Add("frmMain").failIsDirty = true;
  EXPECT_TRUE(Dirty());
  test::FakeProject& project = ide.OpenProject();
  project.Add("frmMain");
  project.failComponentAccess = true;
  EXPECT_TRUE(Dirty());
  Connect(nullptr);  // no environment: no project either
  EXPECT_FALSE(Dirty());
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
  Connect(&ide);
  ide.OpenProject().Add("frmMain").faultInIsDirty = true;
  EXPECT_THROW(Dirty(), std::logic_error);  // a fault of the program is no unsaved change
}

TEST_F(GeneralMgrClassTest, ReloadLoadsTheProjectAsUnchangedAndPassesFailuresOn) {
  ide.markLoadedDirty = true;
  gen.ReloadProject("C:\\p\\src\\ZoomCmd.vbp");
  ASSERT_EQ(ide.loaded, std::vector<std::string>{"C:\\p\\src\\ZoomCmd.vbp"});
  EXPECT_EQ(ide.ActiveProject().FileName(), "C:\\p\\src\\ZoomCmd.vbp");
  EXPECT_FALSE(ide.ActiveProject().IsDirty());
  ide.failLoad = true;
  EXPECT_THROW(gen.ReloadProject("C:\\p\\src\\ZoomCmd.vbp"), VbError);
  Connect(nullptr);
  EXPECT_THROW(gen.ReloadProject("C:\\p\\src\\ZoomCmd.vbp"), VbError);
}

}  // namespace
}  // namespace verbsmith
