#include "spec/registry_lookups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/messages.h"
#include "base/texts.h"
#include "support/file_host.h"
#include "support/source_tree.h"

namespace verbsmith {
namespace {

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
    test::FileHost env;
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
      EXPECT_EQ(box.title, text::kDefaultTitle);
    }
    EXPECT_EQ(env.registry.OpenHandleCount(), 0u) << "a registry key was left open";
  }
}

TEST(RegistryLookupsTest, ServerPathPrefersTheInProcessServerAndReportsEachMissingStep) {
  const Lookup path = [](Host& h, const std::string& p) { return ServerPathFromProgID(h, p); };
  ExpectLookups("commands.reg",
                {
                    {path, "InprocCmd.CmdSvr", "C:\\Cmds\\InprocCmd\\bin\\InprocCmd.dll", ""},
                    {path, "LocalCmd.CmdSvr", "C:\\Cmds\\LocalCmd\\bin\\LocalCmd.exe", ""},
                    {path, "BareCmd.CmdSvr", "Error", LoadResString(173)},
                    {path, "NoClsid.CmdSvr", "Error", LoadResString(171)},
                    {path, "Absent.CmdSvr", "Error",
                     "Cannot open registry ProgID.  Recompile project to register command."},
                    {path, "Orphan.CmdSvr", "Error",
                     LoadResString(172) + kNL + kNL + "CLSID\\{5A1C0DE4-0000-4000-8000-000000000004}"},
                    {path, "LongServer.CmdSvr", "Error", LoadResString(174) + kNL + kNL + "InprocServer32"},
                });
}

TEST(RegistryLookupsTest, DescriptionIsTheClassKeysDefaultValueOfAtMost254Characters) {
  const Lookup desc = [](Host& h, const std::string& p) { return DescriptionFromProgID(h, p); };
  std::string full;
  while (full.size() < 254) full += "Long description ";
  full.resize(254);
  ExpectLookups("commands.reg",
                {
                    {desc, "InprocCmd.CmdSvr", "Inproc command|Inproc tip", ""},
                    {desc, "FullDesc.CmdSvr", full, ""},
                    {desc, "LongDesc.CmdSvr", "Error",
                     LoadResString(174) + kNL + kNL + "{5A1C0DE5-0000-4000-8000-000000000005}"},
                    {desc, "Absent.CmdSvr", "Error", LoadResString(180)},
                    {desc, "NoClsid.CmdSvr", "Error", LoadResString(171)},
                    {desc, "Orphan.CmdSvr", "Error",
                     LoadResString(174) + kNL + kNL + "{5A1C0DE4-0000-4000-8000-000000000004}"},
                });
  ExpectLookups("no_class_table.reg",
                {{desc, "Lonely.CmdSvr", "Error", LoadResString(172) + kNL + kNL + "CLSID"}});
}

}  // namespace
}  // namespace verbsmith
