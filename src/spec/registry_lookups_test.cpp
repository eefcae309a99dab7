#include "spec/registry_lookups.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/messages.h"
#include "base/texts.h"
#include "support/file_host.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

std::string Fixture(const char* name) {
  return test::SourceTreePath(std::string("tests/fixtures/registration/") + name).string();
}

const std::string kNL(text::kNL);

class RegistryLookupsTest : public ::testing::Test {
 protected:
  explicit RegistryLookupsTest(const char* fixture = "commands.reg") {
    env.registry.LoadFile(Fixture(fixture));
  }

  void TearDown() override {
    EXPECT_EQ(env.registry.OpenHandleCount(), 0u) << "a registry key was left open";
  }

  // The one message box shown, checked for the lookups' style and title.
  std::string OnlyPrompt() const {
    EXPECT_EQ(env.dialogs.MessageBoxes().size(), 1u);
    if (env.dialogs.MessageBoxes().empty()) return "";
    const MessageBoxRecord& box = env.dialogs.MessageBoxes().front();
    EXPECT_EQ(box.style, mb::kOKOnly | mb::kExclamation);
    EXPECT_EQ(box.title, text::kDefaultTitle);
    return box.prompt;
  }

  test::TempDir dir;
  test::FileHost env;
  Host& host = env.host;
};

TEST_F(RegistryLookupsTest, ServerPathPrefersTheInProcessServer) {
  EXPECT_EQ(ServerPathFromProgID(host, "InprocCmd.CmdSvr"), "C:\\Cmds\\InprocCmd\\bin\\InprocCmd.dll");
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(RegistryLookupsTest, ServerPathFallsBackToTheLocalServer) {
  EXPECT_EQ(ServerPathFromProgID(host, "LocalCmd.CmdSvr"), "C:\\Cmds\\LocalCmd\\bin\\LocalCmd.exe");
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(RegistryLookupsTest, ServerPathOfAClassWithoutServersIsAnError) {
  EXPECT_EQ(ServerPathFromProgID(host, "BareCmd.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(173));
}

TEST_F(RegistryLookupsTest, AProgIDWithoutClsidIsAnError) {
  EXPECT_EQ(ServerPathFromProgID(host, "NoClsid.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(171));
}

TEST_F(RegistryLookupsTest, AnUnregisteredProgIDIsAnError) {
  EXPECT_EQ(ServerPathFromProgID(host, "Absent.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), "Cannot open registry ProgID.  Recompile project to register command.");
}

TEST_F(RegistryLookupsTest, AClsidWithoutClassKeyNamesTheKeyPath) {
  EXPECT_EQ(ServerPathFromProgID(host, "Orphan.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(172) + kNL + kNL + "CLSID\\{5A1C0DE4-0000-4000-8000-000000000004}");
}

TEST_F(RegistryLookupsTest, AServerPathTooLongForTheBufferIsAnError) {
  EXPECT_EQ(ServerPathFromProgID(host, "LongServer.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(174) + kNL + kNL + "InprocServer32");
}

TEST_F(RegistryLookupsTest, DescriptionIsTheClassKeysDefaultValue) {
  EXPECT_EQ(DescriptionFromProgID(host, "InprocCmd.CmdSvr"), "Inproc command|Inproc tip");
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(RegistryLookupsTest, DescriptionOf254CharactersFitsTheBuffer) {
  EXPECT_EQ(DescriptionFromProgID(host, "FullDesc.CmdSvr").size(), 254u);
  EXPECT_TRUE(env.dialogs.MessageBoxes().empty());
}

TEST_F(RegistryLookupsTest, DescriptionOf255CharactersIsAReportedFailure) {
  EXPECT_EQ(DescriptionFromProgID(host, "LongDesc.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(174) + kNL + kNL + "{5A1C0DE5-0000-4000-8000-000000000005}");
}

TEST_F(RegistryLookupsTest, DescriptionOfAnUnregisteredProgIDIsAnError) {
  EXPECT_EQ(DescriptionFromProgID(host, "Absent.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(180));
}

TEST_F(RegistryLookupsTest, DescriptionOfAProgIDWithoutClsidIsAnError) {
  EXPECT_EQ(DescriptionFromProgID(host, "NoClsid.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(171));
}

TEST_F(RegistryLookupsTest, DescriptionOfAClassWithoutEntryIsAnError) {
  EXPECT_EQ(DescriptionFromProgID(host, "Orphan.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(174) + kNL + kNL + "{5A1C0DE4-0000-4000-8000-000000000004}");
}

class RegistryWithoutClassTableTest : public RegistryLookupsTest {
 protected:
  RegistryWithoutClassTableTest() : RegistryLookupsTest("no_class_table.reg") {}
};

TEST_F(RegistryWithoutClassTableTest, DescriptionNamesTheMissingClassTable) {
  EXPECT_EQ(DescriptionFromProgID(host, "Lonely.CmdSvr"), "Error");
  EXPECT_EQ(OnlyPrompt(), LoadResString(172) + kNL + kNL + "CLSID");
}

}  // namespace
}  // namespace verbsmith
