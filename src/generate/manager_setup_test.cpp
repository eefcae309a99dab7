// InitializeObjects and the name setters of the class, module and form
// managers.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

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

  test::MemoryHost env;
  LineBuffer lines;
  test::StubGeneralMgr genMgr;
  ClassMgrClass classMgr;
  ModuleMgrClass moduleMgr;
  FormMgrClass formMgr;
  test::FakeConnection connection;
};

TEST_F(ManagerSetupTest, ManagersStartWithTheirNamesUnderTheSourceDirectory) {
  classMgr.InitializeObjects(&connection);
  moduleMgr.InitializeObjects(&connection);
  formMgr.InitializeObjects(&connection);
  EXPECT_EQ(host().err.Number(), 0);
  EXPECT_EQ(classMgr.CompleteFilename(), "C:\\p\\src\\CommandClass.cls");
  // The module takes the class's name plus the clash suffix.
  EXPECT_EQ(moduleMgr.CompleteFilename(), "C:\\p\\src\\CommandClass1.bas");
  EXPECT_EQ(formMgr.FormName(), "frmCommand");
  EXPECT_EQ(formMgr.CompleteFilename(), "");

  classMgr.SetClassname("MyCommand");
  formMgr.SetFormName("frmMine");
  EXPECT_EQ(classMgr.ClassFilename(), "MyCommand.cls");
  EXPECT_EQ(formMgr.FormFilename(), "frmMine.frm");
  EXPECT_EQ(formMgr.CompleteFilename(), "C:\\p\\src\\frmMine.frm");
  // The files follow the source directory when it moves after naming.
  genMgr.SetCurrentPathSrc("D:\\other\\src");
  EXPECT_EQ(classMgr.CompleteFilename(), "D:\\other\\src\\MyCommand.cls");
  EXPECT_EQ(moduleMgr.CompleteFilename(), "D:\\other\\src\\CommandClass1.bas");
  formMgr.SetFormName("");  // an empty name names no file
  EXPECT_EQ(formMgr.FormFilename(), "");
  EXPECT_EQ(formMgr.CompleteFilename(), "");
}

// Each manager checks its members in a fixed order: with a member and every
// later one missing, that member's error is the one recorded, no name is
// taken and nothing is shown.
TEST_F(ManagerSetupTest, EachManagerRecordsItsFirstMissingMember) {
  using Remove = void (*)(test::FakeConnection&);
  const Remove noGen = [](test::FakeConnection& c) { c.genMgr = nullptr; };
  const Remove noClass = [](test::FakeConnection& c) { c.classMgr = nullptr; };
  const Remove noForm = [](test::FakeConnection& c) { c.formMgr = nullptr; };
  struct Case {
    const char* source;
    std::function<void(IConnection*)> initialize;
    std::function<std::string()> name;
    std::vector<std::pair<Remove, int32_t>> members;
  };
  const Case cases[] = {
      {"Class Manager Object",
       [&](IConnection* c) { classMgr.InitializeObjects(c); },
       [&] { return classMgr.Classname(); },
       {{noGen, 22507}, {noForm, 22509}}},
      {"Module Manager Object",
       [&](IConnection* c) { moduleMgr.InitializeObjects(c); },
       [&] { return moduleMgr.ModuleName(); },
       {{noClass, 22508}, {noGen, 22507}, {noForm, 22509}}},
      {"Form Manager Object",
       [&](IConnection* c) { formMgr.InitializeObjects(c); },
       [&] { return formMgr.CompleteFilename(); },
       {{noGen, 22507}, {noClass, 22508}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    c.initialize(nullptr);
    ExpectRecorded(22506, c.source);
    EXPECT_EQ(host().err.Description(), "Verbsmith not properly created.");
    for (std::size_t i = 0; i < c.members.size(); ++i) {
      test::FakeConnection partial = connection;
      for (std::size_t j = i; j < c.members.size(); ++j) c.members[j].first(partial);
      host().err.Clear();
      c.initialize(&partial);
      ExpectRecorded(c.members[i].second, c.source);
      EXPECT_EQ(c.name(), "");
    }
  }
  EXPECT_EQ(host().err.Description(), "Class Manager object not properly created.");
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(ManagerSetupTest, ModuleNameClashingWithTheClassInAnyCaseGetsOneSuffix) {
  // Before the class has a name, the module's empty name clashes with it.
  moduleMgr.InitializeObjects(&connection);
  EXPECT_EQ(moduleMgr.ModuleName(), "1");
  classMgr.InitializeObjects(&connection);
  const struct {
    const char* classname;
    const char* requested;
    const char* taken;
  } cases[] = {{"MyCommand", "mycommand", "mycommand1"},
               {"MyCommand", "MyCommand1", "MyCommand1"},
               {"MyCommand", "vsMain", "vsMain"},
               {"Größe", "grÖße", "grÖße1"},
               {"Größe", "Grosse", "Grosse"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.requested);
    classMgr.SetClassname(c.classname);
    moduleMgr.SetModuleName(c.requested);
    EXPECT_EQ(moduleMgr.ModuleName(), c.taken);
    EXPECT_EQ(moduleMgr.ModuleFilename(), std::string(c.taken) + ".bas");
    EXPECT_EQ(moduleMgr.CompleteFilename(), std::string("C:\\p\\src\\") + c.taken + ".bas");
  }
}

TEST_F(ManagerSetupTest, NameSettersBeforeInitializeObjectsRaiseInsteadOfCrashing) {
  EXPECT_THROW(classMgr.SetClassname("X"), VbError);
  EXPECT_THROW(moduleMgr.SetModuleName("X"), VbError);
  EXPECT_THROW(formMgr.SetFormName("X"), VbError);
}

TEST_F(ManagerSetupTest, FormPositionOutsideItsRangeIsRecordedAndKept) {
  formMgr.SetFormPosition(2);
  EXPECT_EQ(host().err.Number(), 0);
  formMgr.SetFormPosition(4);
  EXPECT_EQ(formMgr.FormPosition(), 2);
  ExpectRecorded(-2147199001, "Form Manager Object");
  EXPECT_EQ(host().err.Description(), "Invalid form position.");
  host().err.Clear();
  formMgr.SetFormPosition(-1);
  EXPECT_EQ(formMgr.FormPosition(), 2);
  EXPECT_EQ(host().err.Number(), -2147199001);
  formMgr.SetFormPosition(3);
  EXPECT_EQ(formMgr.FormPosition(), 3);
}

}  // namespace
}  // namespace verbsmith
