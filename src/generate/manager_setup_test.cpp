// InitializeObjects and the name setters of the class, module and form
// managers.

#include <gtest/gtest.h>

#include "generate/class_mgr_class.h"
#include "generate/form_mgr_class.h"
#include "generate/line_buffer.h"
#include "generate/module_mgr_class.h"
#include "support/fake_connection.h"
#include "support/file_host.h"
#include "support/stub_general_mgr.h"

namespace verbsmith {
namespace {

class ManagerSetupTest : public ::testing::Test {
 protected:
  ManagerSetupTest() : classMgr(host(), lines), moduleMgr(host(), lines), formMgr(host(), lines) {
    genMgr.SetCurrentPathSrc("C:\\p\\src");
    connection.genMgr = &genMgr;
    connection.classMgr = &classMgr;
    connection.moduleMgr = &moduleMgr;
    connection.formMgr = &formMgr;
  }

  Host& host() { return env.host; }
  void ExpectRecorded(int32_t number, const std::string& source) {
    EXPECT_EQ(host().err.Number(), number);
    EXPECT_EQ(host().err.Source(), source);
  }

  test::FileHost env;
  LineBuffer lines;
  test::StubGeneralMgr genMgr;
  ClassMgrClass classMgr;
  ModuleMgrClass moduleMgr;
  FormMgrClass formMgr;
  test::FakeConnection connection;
};

TEST_F(ManagerSetupTest, ClassManagerTakesItsDefaultNameUnderTheSourceDirectory) {
  classMgr.InitializeObjects(&connection);
  EXPECT_EQ(host().err.Number(), 0);
  EXPECT_EQ(classMgr.Classname(), "CommandClass");
  EXPECT_EQ(classMgr.ClassFilename(), "CommandClass.cls");
  EXPECT_EQ(classMgr.CompleteFilename(), "C:\\p\\src\\CommandClass.cls");
}

TEST_F(ManagerSetupTest, ClassManagerRecordsTheFirstMissingMemberAndKeepsNoName) {
  classMgr.InitializeObjects(nullptr);
  ExpectRecorded(22506, "Class Manager Object");
  EXPECT_EQ(host().err.Description(), "Verbsmith not properly created.");

  connection.genMgr = nullptr;
  classMgr.InitializeObjects(&connection);
  ExpectRecorded(22507, "Class Manager Object");
  EXPECT_EQ(classMgr.Classname(), "");

  connection.genMgr = &genMgr;
  connection.formMgr = nullptr;
  classMgr.InitializeObjects(&connection);
  ExpectRecorded(22509, "Class Manager Object");
  EXPECT_EQ(host().err.Description(), "Form Manager object not properly created.");
  EXPECT_EQ(classMgr.Classname(), "");
}

TEST_F(ManagerSetupTest, ClassnameIsJoinedToTheSourceDirectoryOfTheMomentItIsSet) {
  classMgr.InitializeObjects(&connection);
  classMgr.SetClassname("MyCommand");
  EXPECT_EQ(classMgr.ClassFilename(), "MyCommand.cls");
  EXPECT_EQ(classMgr.CompleteFilename(), "C:\\p\\src\\MyCommand.cls");
  genMgr.SetCurrentPathSrc("D:\\other\\src");
  EXPECT_EQ(classMgr.CompleteFilename(), "C:\\p\\src\\MyCommand.cls");
}

TEST_F(ManagerSetupTest, ModuleManagerDerivesItsNameFromTheClass) {
  classMgr.InitializeObjects(&connection);
  moduleMgr.InitializeObjects(&connection);
  EXPECT_EQ(host().err.Number(), 0);
  EXPECT_EQ(moduleMgr.ModuleName(), "CommandClass1");
  EXPECT_EQ(moduleMgr.ModuleFilename(), "CommandClass1.bas");
  EXPECT_EQ(moduleMgr.CompleteFilename(), "C:\\p\\src\\CommandClass1.bas");
}

TEST_F(ManagerSetupTest, ModuleNameClashingWithTheClassInAnyCaseGetsOneSuffix) {
  classMgr.InitializeObjects(&connection);
  moduleMgr.InitializeObjects(&connection);
  classMgr.SetClassname("MyCommand");

  moduleMgr.SetModuleName("mycommand");
  EXPECT_EQ(moduleMgr.ModuleName(), "mycommand1");
  EXPECT_EQ(moduleMgr.ModuleFilename(), "mycommand1.bas");

  moduleMgr.SetModuleName("MyCommand1");
  EXPECT_EQ(moduleMgr.ModuleName(), "MyCommand1");

  moduleMgr.SetModuleName("vsMain");
  EXPECT_EQ(moduleMgr.ModuleName(), "vsMain");
  EXPECT_EQ(moduleMgr.CompleteFilename(), "C:\\p\\src\\vsMain.bas");
}

TEST_F(ManagerSetupTest, ModuleNameComparisonFoldsAccentedLetters) {
  classMgr.InitializeObjects(&connection);
  moduleMgr.InitializeObjects(&connection);
  classMgr.SetClassname("Größe");
  moduleMgr.SetModuleName("grÖße");
  EXPECT_EQ(moduleMgr.ModuleName(), "grÖße1");
  moduleMgr.SetModuleName("Grosse");
  EXPECT_EQ(moduleMgr.ModuleName(), "Grosse");
}

TEST_F(ManagerSetupTest, ModuleManagerChecksClassThenGeneralThenFormManager) {
  moduleMgr.InitializeObjects(nullptr);
  ExpectRecorded(22506, "Module Manager Object");

  connection.classMgr = nullptr;
  connection.genMgr = nullptr;
  moduleMgr.InitializeObjects(&connection);
  ExpectRecorded(22508, "Module Manager Object");

  connection.classMgr = &classMgr;
  moduleMgr.InitializeObjects(&connection);
  ExpectRecorded(22507, "Module Manager Object");

  connection.genMgr = &genMgr;
  connection.formMgr = nullptr;
  moduleMgr.InitializeObjects(&connection);
  ExpectRecorded(22509, "Module Manager Object");
  EXPECT_EQ(moduleMgr.ModuleName(), "");
}

TEST_F(ManagerSetupTest, ModuleManagerBeforeTheClassManagerGetsAnEmptyClassNamePlusSuffix) {
  // The class manager has no name yet, so the empty name clashes with it.
  moduleMgr.InitializeObjects(&connection);
  EXPECT_EQ(moduleMgr.ModuleName(), "1");
}

TEST_F(ManagerSetupTest, NameSettersBeforeInitializeObjectsRaiseInsteadOfCrashing) {
  EXPECT_THROW(classMgr.SetClassname("X"), VbError);
  EXPECT_THROW(moduleMgr.SetModuleName("X"), VbError);
  EXPECT_THROW(formMgr.SetFormName("X"), VbError);
}

TEST_F(ManagerSetupTest, FormManagerChecksGeneralThenClassManager) {
  formMgr.InitializeObjects(nullptr);
  ExpectRecorded(22506, "Form Manager Object");

  connection.genMgr = nullptr;
  formMgr.InitializeObjects(&connection);
  ExpectRecorded(22507, "Form Manager Object");

  connection.genMgr = &genMgr;
  connection.classMgr = nullptr;
  formMgr.InitializeObjects(&connection);
  ExpectRecorded(22508, "Form Manager Object");
  EXPECT_EQ(host().err.Description(), "Class Manager object not properly created.");
}

TEST_F(ManagerSetupTest, NewFormManagerHasItsNameButNoFileNames) {
  formMgr.InitializeObjects(&connection);
  EXPECT_EQ(formMgr.FormName(), "frmCommand");
  EXPECT_EQ(formMgr.FormFilename(), "");
  EXPECT_EQ(formMgr.CompleteFilename(), "");
  EXPECT_EQ(formMgr.FormPosition(), 0);
}

TEST_F(ManagerSetupTest, FormNameSetsFileNamesAndAnEmptyNameGivesTheSourceDirectory) {
  formMgr.InitializeObjects(&connection);
  formMgr.SetFormName("frmMine");
  EXPECT_EQ(formMgr.FormFilename(), "frmMine.frm");
  EXPECT_EQ(formMgr.CompleteFilename(), "C:\\p\\src\\frmMine.frm");
  formMgr.SetFormName("");
  EXPECT_EQ(formMgr.FormFilename(), "");
  EXPECT_EQ(formMgr.CompleteFilename(), "C:\\p\\src\\");
}

TEST_F(ManagerSetupTest, FormPositionOutsideItsRangeIsRecordedAndKept) {
  formMgr.SetFormPosition(2);
  EXPECT_EQ(formMgr.FormPosition(), 2);
  EXPECT_EQ(host().err.Number(), 0);

  formMgr.SetFormPosition(4);
  EXPECT_EQ(formMgr.FormPosition(), 2);
  ExpectRecorded(-2147199001, "Form Manager Object");
  EXPECT_EQ(host().err.Description(), "Invalid form position.");

  host().err.Clear();
  formMgr.SetFormPosition(-1);
  EXPECT_EQ(formMgr.FormPosition(), 2);
  EXPECT_EQ(host().err.Number(), -2147199001);

  formMgr.SetFormPosition(0);
  formMgr.SetFormPosition(3);
  EXPECT_EQ(formMgr.FormPosition(), 3);
}

TEST_F(ManagerSetupTest, NothingIsShownWhenMembersAreMissing) {
  classMgr.InitializeObjects(nullptr);
  moduleMgr.InitializeObjects(nullptr);
  formMgr.InitializeObjects(nullptr);
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

}  // namespace
}  // namespace verbsmith
