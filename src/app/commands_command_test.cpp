// The commands tool as a user runs it: the built executable, its output and
// its exit status.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace verbsmith::app {
namespace {

using Outcome = test::ProgramOutcome;

class CommandsCommandTest : public ::testing::Test {
 protected:
  // Runs verbsmith commands ARGS against this test's database.
  Outcome Run(std::vector<std::string> args, bool withDb = true) {
    const std::string exe = test::VerbsmithExecutable();
    if (exe.empty()) return {};
    std::vector<std::string> all = {exe, "commands"};
    all.insert(all.end(), args.begin(), args.end());
    if (withDb) all.insert(all.end(), {"--db", Db()});
    return test::RunProgram(all);
  }

  Outcome InSet(std::vector<std::string> args) {
    args.insert(args.end(), {"--company", "Valdren", "--application", "Carthex"});
    return Run(std::move(args));
  }

  std::string Db() const { return dir_.HostPath("data/commandset.db").string(); }

  test::TempDir dir_;
};

TEST_F(CommandsCommandTest, AddsListsShowsAndRemovesCommandsAlsoAsJson) {
  EXPECT_EQ(InSet({"add", "Proj.One", "--description", "Erste", "--tool-tip", "First"}).out,
            "41001  Proj.One  Erste\n");
  EXPECT_EQ(InSet({"add", "Proj.Two", "--enable-mask", "-3", "--field8", "x"}).out, "41002  Proj.Two\n");

  EXPECT_EQ(InSet({"list"}).out, "41001  Proj.One  Erste\n41002  Proj.Two\n");
  const Outcome shown = InSet({"show", "Proj.Two"});
  EXPECT_EQ(shown.status, 0);
  EXPECT_NE(shown.out.find("EnablingMask:     -3\n"), std::string::npos);
  EXPECT_NE(shown.out.find("Field8:           x\n"), std::string::npos);
  EXPECT_NE(InSet({"show", "--id", "41001", "--json"}).out.find("\"progId\": \"Proj.One\""),
            std::string::npos);

  InSet({"add", "Proj.Three", "--tool-tip", "a\"b"});
  const Outcome listed = InSet({"list", "--json"});
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.out.find("{\"company\": \"Valdren\", \"application\": \"Carthex\", \"commands\": [\n"),
            0u);
  EXPECT_NE(listed.out.find("\"toolTip\": \"a\\\"b\""), std::string::npos);

  const Outcome removed = InSet({"remove", "Proj.One"});
  EXPECT_EQ(removed.status, 0);
  EXPECT_EQ(InSet({"list"}).out, "41001  Proj.Two\n41002  Proj.Three\n");

  Run({"add", "Other.Cmd", "--company", "Acme", "--application", "Maps"});
  EXPECT_EQ(Run({"sets"}).out, "Acme  Maps  1\nValdren  Carthex  2\n");
  EXPECT_NE(Run({"sets", "--json"}).out.find("\"application\": \"Maps\",\n    \"commands\": 1,"),
            std::string::npos);
}

TEST_F(CommandsCommandTest, FailsClearlyForMissingCommands) {
  InSet({"add", "Proj.One"});
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"show", "Proj.None"}, {"show", "--id", "41002"}, {"remove", "Proj.None"}}) {
    const Outcome outcome = InSet(args);
    EXPECT_EQ(outcome.status, 1) << args[0] << " " << args[1];
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.find("verbsmith commands " + args[0] + ": there is no command "), 0u)
        << outcome.err;
  }
  // Adding a ProgID that is there replaces its entry, and says so.
  const Outcome replaced = InSet({"add", "Proj.One", "--description", "Again"});
  EXPECT_EQ(replaced.err,
            "verbsmith commands add: Proj.One was in the command set already; its entry is replaced\n");
  EXPECT_EQ(InSet({"list"}).out, "41001  Proj.One  Again\n");
}

TEST_F(CommandsCommandTest, RefusesBadUsageWithStatusTwo) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"frob"},
                                                                {"list", "extra"},
                                                                {"list", "--colour", "red"},
                                                                {"add"},
                                                                {"add", "P.X", "--modal-flag", "yes"},
                                                                {"remove", "--json", "P.X"},
                                                                {"show", "--id", "abc"},
                                                                {"show", "P.X", "--id", "41001"},
                                                                {"list", "--company"}}) {
    const Outcome outcome = InSet(args);
    EXPECT_EQ(outcome.status, 2) << args[0];
    EXPECT_NE(outcome.err.find("--help' for usage."), std::string::npos) << args[0];
  }
  EXPECT_EQ(Run({"list", "--application", "Carthex"}).status, 2);
  EXPECT_FALSE(dir_.Exists("data/commandset.db"));
}

TEST_F(CommandsCommandTest, ReportsADamagedDatabaseAndLeavesIt) {
  const std::string junk = "this is not a database, just some text that is long enough to matter.\n";
  dir_.Write("data/commandset.db", junk);
  const Outcome outcome = InSet({"add", "Proj.One"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find("is not a command set database"), std::string::npos);
  EXPECT_EQ(dir_.Read("data/commandset.db"), junk);
}

TEST_F(CommandsCommandTest, FindsTheDatabaseThroughTheEnvironment) {
  const std::string elsewhere = dir_.HostPath("env/set.db").string();
  Outcome added;
  {
    test::ScopedEnv env("VERBSMITH_COMMAND_SET", elsewhere.c_str());
    added = Run({"add", "Env.Cmd", "--company", "V", "--application", "A"}, false);
  }
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_TRUE(dir_.Exists("env/set.db"));
  EXPECT_EQ(Run({"list", "--company", "V", "--application", "A", "--db", elsewhere}, false).out,
            "41001  Env.Cmd\n");
}

TEST_F(CommandsCommandTest, ReadsWithoutCreatingAnythingAndRefusesOddFiles) {
  for (const char* sub : {"list", "show"}) {
    const Outcome outcome = InSet(sub == std::string("list") ? std::vector<std::string>{"list"}
                                                             : std::vector<std::string>{"show", "A.B"});
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("there is no command set at " + Db()), std::string::npos) << sub;
  }
  EXPECT_FALSE(dir_.Exists("data"));
  const Outcome devNull = Run({"list", "--company", "V", "--application", "A", "--db", "/dev/null"}, false);
  EXPECT_EQ(devNull.status, 1);
  EXPECT_NE(devNull.err.find("is not a regular file"), std::string::npos);
}

TEST_F(CommandsCommandTest, AddChecksProgIdsAndLengthsAndCaseMakesNoDifference) {
  for (const char* bad :
       {"", "NoPeriod", "A.B.C", "Has Space.X", "1st.Cmd", "Q\"uote.X", "A.\x1b[2J", "Roads.End"}) {
    const Outcome outcome = InSet({"add", bad});
    EXPECT_EQ(outcome.status, 2) << bad;
    EXPECT_EQ(outcome.err.find('\x1b'), std::string::npos);
  }
  EXPECT_EQ(InSet({"add", "Prj.Wide", "--description", std::string(256, 'x')}).status, 2);
  EXPECT_EQ(InSet({"add", "Prj.L" + std::string(35, 'x')}).status, 2);
  EXPECT_EQ(InSet({"add", "Prj.Two", "--tool-tip", "Line1\r\n[Injected]"}).status, 2);
  EXPECT_FALSE(dir_.Exists("data"));
  EXPECT_EQ(InSet({"add", "Prj.Wide", "--description", std::string(255, 'x')}).status, 0);
  EXPECT_EQ(InSet({"add", "Prj.Zoom", "--description", "a\x1b[31mred\tline\x7f"}).out,
            "41002  Prj.Zoom  a\\x1B[31mred\\tline\\x7F\n");
  EXPECT_EQ(InSet({"add", "PRJ.ZOOM", "--description", "Zoom"}).out, "41002  PRJ.ZOOM  Zoom\n");
  EXPECT_EQ(InSet({"show", "prj.zoom", "--json"}).status, 0);
  EXPECT_EQ(InSet({"remove", "Prj.zoom"}).out, "Removed Prj.zoom.\n");
  EXPECT_EQ(InSet({"list"}).out.find("Zoom"), std::string::npos);
}

TEST_F(CommandsCommandTest, ReportsRowsAnotherProgramWroteBeyondTheCount) {
  InSet({"add", "Seed.Cmd"});
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(Db().c_str(), &db), SQLITE_OK);
  const int rc =
      sqlite3_exec(db,
                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32768) "
                   "INSERT INTO commands SELECT set_id, i, 'Fill.Cmd' || i, command_type, enable_mask, "
                   "listener_mask, modal_flag, field6, field7, field8, field9, field10, field11, field12, "
                   "field13, field14, description, tool_tip, small_mono_bitmap, small_color_bitmap, "
                   "large_mono_bitmap, large_color_bitmap FROM commands, n",
                   nullptr, nullptr, nullptr);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK);
  const Outcome listed = InSet({"list"});
  EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 32767);
  EXPECT_NE(listed.err.find("holds 2 entries beyond the 32767"), std::string::npos) << listed.err;
  EXPECT_EQ(InSet({"remove", "Fill.Cmd32768"}).status, 0);
  EXPECT_NE(InSet({"list"}).err.find("holds 1 entries beyond"), std::string::npos);
}

}  // namespace
}  // namespace verbsmith::app
