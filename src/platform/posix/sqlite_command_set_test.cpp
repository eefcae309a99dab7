#include "platform/posix/sqlite_command_set.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/vb_error.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;

CommandEntry Entry(const std::string& progId, const std::string& description = "Does a thing") {
  CommandEntry e;
  e.progId = progId;
  e.commandType = 2;
  e.enableMask = 5;
  e.listenerMask = 1;
  e.modalFlag = 1;
  e.description = description;
  e.toolTip = "Tip of " + progId;
  e.smallMonoBitmap = "C:\\bmp\\sm.bmp";
  e.smallColorBitmap = "C:\\bmp\\sc.bmp";
  e.largeMonoBitmap = "C:\\bmp\\lm.bmp";
  e.largeColorBitmap = "C:\\bmp\\lc.bmp";
  return e;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

void RunSql(const fs::path& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error != nullptr ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << message;
}

// Copies the one command of the set in the file into rows 1..lastIndex, as
// no AddCommand would: the way to a full set without 32,767 additions.
void FillFromTheFirstCommand(const fs::path& path, int lastIndex) {
  RunSql(path,
         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
             std::to_string(lastIndex) +
             ") INSERT INTO commands SELECT set_id, i, 'Fill.Cmd' || i, command_type, enable_mask, "
             "listener_mask, modal_flag, field6, field7, field8, field9, field10, field11, field12, field13, "
             "field14, description, tool_tip, small_mono_bitmap, small_color_bitmap, large_mono_bitmap, "
             "large_color_bitmap FROM commands, n;");
}

class SqliteCommandSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ =
        fs::temp_directory_path() / ("verbsmith-cmdset-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "commandset.db").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<CommandSet> Open(const std::string& company = "Valdren",
                                   const std::string& application = "Carthex") {
    auto set = SqliteCommandSetFactory(path_).Create();
    set->OpenCommandSet(company, application);
    return set;
  }

  static std::vector<std::string> ProgIdsInOrder(CommandSet& set) {
    std::vector<std::string> ids;
    const int16_t count = set.CommandCount();
    for (int32_t i = 0; i < count; ++i) {
      const std::optional<CommandEntry> entry = set.FindCommand(kFirstCommandId + i);
      EXPECT_TRUE(entry) << "identifier " << kFirstCommandId + i;
      if (entry) ids.push_back(entry->progId);
    }
    return ids;
  }

  static int32_t ErrorNumberOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const VbError& e) {
      EXPECT_EQ(e.Source(), "CommandSet");
      EXPECT_FALSE(e.Description().empty());
      return e.Number();
    }
    return 0;
  }

  // The error an action raises, checking that the file is left byte for byte.
  int32_t RefusalLeavingTheFile(const std::function<void()>& action) {
    const std::string before = ReadBytes(path_);
    const int32_t number = ErrorNumberOf(action);
    EXPECT_EQ(ReadBytes(path_), before);
    return number;
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(SqliteCommandSetTest, RoundTripsAllTwentyFieldsExactly) {
  CommandEntry e;
  e.progId = "Projekt.Größe";
  e.commandType = INT32_MIN;
  e.enableMask = -1;
  e.listenerMask = INT32_MAX;
  e.modalFlag = 0;
  e.field6 = -6;
  e.field7 = 7;
  e.field8 = "";
  e.field9 = -9;
  e.field10 = 10;
  e.field11 = "eleven \xE2\x82\xAC";
  e.field12 = -12;
  e.field13 = "  spaced  ";
  e.field14 = "tab\there\r\nline";
  e.description = "Zählt die Flächen \xF0\x9F\x97\xBA";
  e.toolTip = "";
  e.smallMonoBitmap = "C:\\bilder\\sm.bmp";
  e.smallColorBitmap = "";
  e.largeMonoBitmap = "Z:\\tmp\\\xE6\x97\xA5\xE6\x9C\xAC.bmp";
  e.largeColorBitmap = "C:\\lc.bmp";
  Open()->AddCommand(e);

  auto set = Open();
  ASSERT_EQ(set->CommandCount(), 1);
  EXPECT_EQ(set->FindCommand(kFirstCommandId), e);
}

TEST_F(SqliteCommandSetTest, AppendsNewCommandsNumberedFrom41001ComparingProgIdsWithoutCase) {
  auto set = Open();
  for (const char* id : {"P.First", "P.Second", "P.SECOND", "p.third"}) set->AddCommand(Entry(id, id));
  EXPECT_EQ(set->FindCommand(41001).value().progId, "P.First");
  // The replacement is stored as written, in the place of the one it replaces.
  EXPECT_EQ(ProgIdsInOrder(*set), (std::vector<std::string>{"P.First", "P.SECOND", "p.third"}));
  EXPECT_EQ(set->FindCommand(41002).value().description, "P.SECOND");
  SqliteCommandSet direct(path_);
  direct.OpenCommandSet("Valdren", "Carthex");
  EXPECT_EQ(direct.FindProgId("P.THIRD").value().commandId, 41003);
  direct.RemoveCommand("p.FIRST");
  EXPECT_EQ(ProgIdsInOrder(direct), (std::vector<std::string>{"P.SECOND", "p.third"}));
}

TEST_F(SqliteCommandSetTest, RemovalMovesLaterEntriesUpAndRefusesUnknownProgIds) {
  auto set = Open();
  for (const char* id : {"A.One", "A.Two", "A.Three", "A.Four"}) set->AddCommand(Entry(id));
  set->RemoveCommand("A.Two");
  EXPECT_EQ(set->CommandCount(), 3);
  EXPECT_EQ(ProgIdsInOrder(*set), (std::vector<std::string>{"A.One", "A.Three", "A.Four"}));
  EXPECT_EQ(set->FindCommand(41004), std::nullopt);
  EXPECT_EQ(set->FindCommand(41002), Entry("A.Three"));

  set->RemoveCommand("A.One");
  set->RemoveCommand("A.Four");
  EXPECT_EQ(ProgIdsInOrder(*set), (std::vector<std::string>{"A.Three"}));
  set->AddCommand(Entry("A.Five"));
  EXPECT_EQ(ErrorNumberOf([&] { set->RemoveCommand("A.Missing"); }), cmdseterr::kNoSuchCommand);
  EXPECT_EQ(ProgIdsInOrder(*set), (std::vector<std::string>{"A.Three", "A.Five"}));

  set->RemoveCommand("A.Three");
  set->RemoveCommand("A.Five");
  EXPECT_EQ(set->CommandCount(), 0);
  EXPECT_EQ(set->FindCommand(41001), std::nullopt);
  // Nor is there anything to remove from a set never made.
  EXPECT_EQ(ErrorNumberOf([&] { Open("Nobody", "Nothing")->RemoveCommand("A.One"); }),
            cmdseterr::kNoSuchCommand);
}

TEST_F(SqliteCommandSetTest, FindsNothingAndRefusesIndexesOutsideTheSet) {
  auto set = Open();
  EXPECT_EQ(set->FindCommand(kFirstCommandId), std::nullopt);
  set->AddCommand(Entry("A.One"));
  set->AddCommand(Entry("A.Two"));
  for (int32_t id : {41000, 41003, 0, -1, 41001 + 32767, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(set->FindCommand(id), std::nullopt) << id;
  }
  for (int32_t id : {41003, 41000}) {
    EXPECT_EQ(ErrorNumberOf([&] { GetCommand(*set, id); }), cmdseterr::kBadIndex) << id;
  }
}

TEST_F(SqliteCommandSetTest, KeepsEachCompanyAndApplicationApartAndSeesChangesMadeThroughOtherObjects) {
  auto valdren = Open("Valdren", "Carthex");
  EXPECT_EQ(valdren->CommandCount(), 0);
  EXPECT_TRUE(SqliteCommandSet(path_).HeldSets().empty());
  EXPECT_FALSE(fs::exists(path_));
  Open("Valdren", "Carthex")->AddCommand(Entry("V.Cmd"));
  Open("Valdren", "Other")->AddCommand(Entry("O.Cmd"));
  Open("Elsewhere", "Carthex")->AddCommand(Entry("E.Cmd"));
  Open("Elsewhere", "Carthex")->AddCommand(Entry("V.Cmd", "a different entry"));
  Open("Valdren", "Other")->RemoveCommand("O.Cmd");

  EXPECT_EQ(ProgIdsInOrder(*valdren), (std::vector<std::string>{"V.Cmd"}));
  EXPECT_EQ(valdren->FindCommand(41001).value().description, "Does a thing");
  EXPECT_EQ(Open("Valdren", "Other")->CommandCount(), 0);
  EXPECT_EQ(ProgIdsInOrder(*Open("Elsewhere", "Carthex")), (std::vector<std::string>{"E.Cmd", "V.Cmd"}));
  EXPECT_EQ(Open("VALDREN", "carthex")->CommandCount(), 1);  // names match without regard to case
  // The sets that hold commands, unopened; an emptied one is none of them.
  EXPECT_EQ(SqliteCommandSet(path_).HeldSets(),
            (std::vector<HeldSet>{{"Elsewhere", "Carthex", 2}, {"Valdren", "Carthex", 1}}));
  Open("Valdren", "Carthex")->RemoveCommand("V.Cmd");
  EXPECT_EQ(valdren->CommandCount(), 0);
  valdren->OpenCommandSet("Elsewhere", "Carthex");  // reopening switches sets
  EXPECT_EQ(valdren->CommandCount(), 2);
}

TEST_F(SqliteCommandSetTest, ReplacesInPlaceAndFindCommandGivesTheCurrentEntryOfAnyIdentifier) {
  auto set = Open();
  for (const char* id : {"A.One", "A.Two", "A.Three"}) set->AddCommand(Entry(id, "before"));
  ASSERT_TRUE(set->FindCommand(41002));
  CommandEntry changed = Entry("A.Two", "after");
  changed.modalFlag = 0;
  set->AddCommand(changed);
  EXPECT_EQ(ProgIdsInOrder(*set), (std::vector<std::string>{"A.One", "A.Two", "A.Three"}));
  EXPECT_EQ(set->FindCommand(41002), changed);

  ASSERT_TRUE(set->FindCommand(41001));
  set->RemoveCommand("A.One");
  EXPECT_EQ(set->FindCommand(41001), changed);
  EXPECT_EQ(set->FindCommand(41002).value().progId, "A.Three");  // any identifier, not just the next
}

TEST_F(SqliteCommandSetTest, EveryOperationBeforeOpeningFails) {
  SqliteCommandSet set(path_);
  EXPECT_EQ(ErrorNumberOf([&] { set.CommandCount(); }), cmdseterr::kNotOpen);
  EXPECT_EQ(ErrorNumberOf([&] { set.FindCommand(41001); }), cmdseterr::kNotOpen);
  EXPECT_EQ(ErrorNumberOf([&] { set.FindProgId("A.B"); }), cmdseterr::kNotOpen);
  EXPECT_EQ(ErrorNumberOf([&] { set.AddCommand(Entry("A.B")); }), cmdseterr::kNotOpen);
  EXPECT_EQ(ErrorNumberOf([&] { set.RemoveCommand("A.B"); }), cmdseterr::kNotOpen);
  EXPECT_FALSE(fs::exists(path_));
}

TEST_F(SqliteCommandSetTest, MakesMissingParentsAndAnEmptyFileIntoACommandSet) {
  path_ = (dir_ / "deep" / "er" / "commandset.db").string();
  Open()->AddCommand(Entry("A.One"));
  EXPECT_EQ(Open()->CommandCount(), 1);
  path_ = (dir_ / "empty.db").string();
  WriteBytes(path_, "");
  Open()->AddCommand(Entry("A.One"));
  EXPECT_EQ(Open()->CommandCount(), 1);
}

TEST_F(SqliteCommandSetTest, ReportsADirectoryOrFileInTheWayOfTheDatabase) {
  fs::create_directories(path_);
  EXPECT_EQ(ErrorNumberOf([&] { Open(); }), cmdseterr::kCannotOpen);
  path_ = "/dev/null";
  EXPECT_EQ(ErrorNumberOf([&] { Open(); }), cmdseterr::kCannotOpen);
  WriteBytes(dir_ / "blocker", "x");
  path_ = (dir_ / "blocker" / "commandset.db").string();
  EXPECT_EQ(ErrorNumberOf([&] { Open()->AddCommand(Entry("A.B")); }), cmdseterr::kCannotOpen);
  EXPECT_EQ(ReadBytes(dir_ / "blocker"), "x");
}

TEST_F(SqliteCommandSetTest, ReadingNeverCreatesOrChangesTheFile) {
  path_ = (dir_ / "not" / "there.db").string();
  auto missing = Open();
  EXPECT_EQ(missing->CommandCount(), 0);
  EXPECT_EQ(missing->FindCommand(kFirstCommandId), std::nullopt);
  EXPECT_EQ(ErrorNumberOf([&] { missing->RemoveCommand("A.B"); }), cmdseterr::kNoSuchCommand);
  EXPECT_FALSE(fs::exists(dir_ / "not"));
  path_ = (dir_ / "empty.db").string();
  WriteBytes(path_, "");
  EXPECT_EQ(Open()->CommandCount(), 0);
  EXPECT_EQ(ReadBytes(path_), "");
  // A rollback-journal database stays one while it is only read.
  path_ = (dir_ / "journal.db").string();
  Open()->AddCommand(Entry("A.One"));
  RunSql(path_, "PRAGMA journal_mode = DELETE");
  const std::string before = ReadBytes(path_);
  EXPECT_EQ(ProgIdsInOrder(*Open()), std::vector<std::string>{"A.One"});
  EXPECT_EQ(ReadBytes(path_), before);
  EXPECT_FALSE(fs::exists(path_ + "-wal"));
  // Nor does a write-ahead-log database keep the files a reader made.
  path_ = (dir_ / "wal.db").string();
  Open()->AddCommand(Entry("A.One"));
  {
    SqliteCommandSet reader(path_);
    reader.OpenCommandSet("Valdren", "Carthex");
    EXPECT_EQ(reader.ForEachCommand([](int64_t, const CommandEntry&) {}) + ProgIdsInOrder(reader).size(), 2u);
  }
  EXPECT_FALSE(fs::exists(path_ + "-wal") || fs::exists(path_ + "-shm"));
}

// A writer killed once its pages reached the file leaves a hot journal: the
// file and journal copied while a transaction is open are such a pair.
TEST_F(SqliteCommandSetTest, RollsBackAWriteThatWasCutShortBeforeReadingOrWriting) {
  Open()->AddCommand(Entry("A.One"));
  RunSql(path_, "PRAGMA journal_mode = DELETE");
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer,
                         "PRAGMA cache_size = 1; BEGIN; DELETE FROM commands; CREATE TABLE filler (x);"
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                         "INSERT INTO filler SELECT randomblob(3000) FROM n;",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  const std::string cut = (dir_ / "cut.db").string();
  fs::copy_file(path_, cut);
  fs::copy_file(path_ + "-journal", cut + "-journal");
  sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(writer);
  path_ = cut;
  EXPECT_EQ(ProgIdsInOrder(*Open()), std::vector<std::string>{"A.One"});
  EXPECT_FALSE(fs::exists(cut + "-journal"));
  Open()->AddCommand(Entry("A.Two"));
  EXPECT_EQ(Open()->CommandCount(), 2);
}

TEST_F(SqliteCommandSetTest, RemovesTheStoreOnlyWhenNoSetHoldsACommandAndNobodyElseHasItOpen) {
  auto set = Open();
  EXPECT_FALSE(set->StoreExists());
  set->AddCommand(Entry("A.One"));
  EXPECT_FALSE(set->RemoveStoreIfEmpty());
  set->OpenCommandSet("Valdren", "Carthex");
  set->RemoveCommand("A.One");
  auto other = Open("Other", "App");
  EXPECT_EQ(other->CommandCount(), 0);  // holds the file open
  EXPECT_FALSE(set->RemoveStoreIfEmpty());
  other.reset();
  set->OpenCommandSet("Valdren", "Carthex");
  EXPECT_TRUE(set->RemoveStoreIfEmpty());
  EXPECT_FALSE(fs::exists(path_) || fs::exists(path_ + "-wal") || fs::exists(path_ + "-shm"));
  EXPECT_FALSE(set->StoreExists());
}

TEST_F(SqliteCommandSetTest, WaitsForAnotherProgramsWriteLockOnlyAWhileAndSaysSo) {
  Open()->AddCommand(Entry("A.One"));
  sqlite3* holder = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &holder), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  std::vector<std::string> told;
  SqliteCommandSet set(path_,
                       {.limitMs = 600, .notify = [&](const std::string& line) { told.push_back(line); }});
  set.OpenCommandSet("Valdren", "Carthex");
  EXPECT_EQ(set.CommandCount(), 1);  // readers are not held up
  EXPECT_EQ(ErrorNumberOf([&] { set.AddCommand(Entry("A.Two")); }), cmdseterr::kBusy);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told.front().find("waiting for the command set " + path_), std::string::npos);
  sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(holder);
  set.AddCommand(Entry("A.Two"));
  EXPECT_EQ(set.CommandCount(), 2);
}

TEST_F(SqliteCommandSetTest, GivesAVersionOneFileTheCaseBlindIndexWhenFirstWritten) {
  Open()->AddCommand(Entry("A.One"));
  RunSql(path_, "DROP INDEX commands_by_prog_id; PRAGMA user_version = 1");
  SqliteCommandSet set(path_);
  set.OpenCommandSet("Valdren", "Carthex");
  EXPECT_EQ(set.FindProgId("a.ONE").value().entry.progId, "A.One");
  set.AddCommand(Entry("A.TWO"));
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* plan = nullptr;
  sqlite3_prepare_v2(db,
                     "EXPLAIN QUERY PLAN SELECT position FROM commands WHERE set_id = 1 AND prog_id = 'x' "
                     "COLLATE NOCASE ORDER BY +position LIMIT 1",
                     -1, &plan, nullptr);
  std::string detail;
  while (sqlite3_step(plan) == SQLITE_ROW)
    detail += reinterpret_cast<const char*>(sqlite3_column_text(plan, 3));
  sqlite3_finalize(plan);
  sqlite3_close(db);
  EXPECT_NE(detail.find("commands_by_prog_id"), std::string::npos) << detail;
}

TEST_F(SqliteCommandSetTest, RefusesDamagedOrTruncatedFilesAndLeavesThemByteIdentical) {
  Open()->AddCommand(Entry("A.One"));
  std::string truncated = ReadBytes(path_);
  ASSERT_GT(truncated.size(), 100u);
  truncated.resize(100);  // a valid header followed by nothing where the pages should be
  truncated.append(4000, '\x5a');
  WriteBytes(path_, truncated);
  EXPECT_NE(RefusalLeavingTheFile([&] { Open()->AddCommand(Entry("A.Two")); }), 0);

  std::mt19937 random(1234);
  std::string noise(8192, '\0');
  for (char& c : noise) c = static_cast<char>(random() & 0xff);
  WriteBytes(path_, noise);
  EXPECT_EQ(RefusalLeavingTheFile([&] { Open()->AddCommand(Entry("A.One")); }), cmdseterr::kDamaged);
}

TEST_F(SqliteCommandSetTest, RefusesAnotherProgramsDatabaseAndLeavesItByteIdentical) {
  RunSql(path_, "CREATE TABLE customers (name TEXT); INSERT INTO customers VALUES ('Ada');");
  EXPECT_EQ(RefusalLeavingTheFile([&] { Open()->AddCommand(Entry("A.One")); }), cmdseterr::kForeign);
  fs::remove(path_);
  RunSql(path_, "PRAGMA user_version = 7;");  // empty, but marked by another program
  EXPECT_EQ(RefusalLeavingTheFile([&] { Open(); }), cmdseterr::kForeign);
}

TEST_F(SqliteCommandSetTest, RefusesANewerSchemaVersionAndLeavesItByteIdentical) {
  Open()->AddCommand(Entry("A.One"));
  RunSql(path_, "PRAGMA journal_mode = DELETE; PRAGMA user_version = " +
                    std::to_string(kCommandSetSchemaVersion + 1) + ";");
  const std::string bytes = ReadBytes(path_);

  try {
    Open();
    FAIL() << "a newer schema was accepted";
  } catch (const VbError& e) {
    EXPECT_EQ(e.Number(), cmdseterr::kUnsupportedVersion);
    EXPECT_NE(e.Description().find(std::to_string(kCommandSetSchemaVersion + 1)), std::string::npos);
  }
  EXPECT_EQ(ReadBytes(path_), bytes);
}

TEST_F(SqliteCommandSetTest, AFullSetRefusesNewCommandsButStillReplaces) {
  Open()->AddCommand(Entry("Seed.Cmd"));
  FillFromTheFirstCommand(path_, 32766);
  auto set = Open();
  ASSERT_EQ(set->CommandCount(), 32767);
  EXPECT_EQ(set->FindCommand(41001 + 32766).value().progId, "Fill.Cmd32766");

  EXPECT_EQ(ErrorNumberOf([&] { set->AddCommand(Entry("One.TooMany")); }), cmdseterr::kSetFull);
  EXPECT_EQ(set->CommandCount(), 32767);
  set->AddCommand(Entry("Fill.Cmd5", "replaced"));
  EXPECT_EQ(set->FindCommand(41006).value().description, "replaced");
}

TEST_F(SqliteCommandSetTest, CountsNoFurtherThanSixteenBitsCanTell) {
  Open()->AddCommand(Entry("Seed.Cmd"));
  FillFromTheFirstCommand(path_, 32767);  // one more than a set may hold
  EXPECT_EQ(Open()->CommandCount(), 32767);
  // The walk of every row still sees the one past the count, in order.
  SqliteCommandSet set(path_);
  set.OpenCommandSet("Valdren", "Carthex");
  int64_t expected = 0;
  EXPECT_EQ(
      set.ForEachCommand([&](int64_t position, const CommandEntry&) { EXPECT_EQ(position, expected++); }),
      32768);
  EXPECT_EQ(set.FindCommand(kFirstCommandId + 32767), std::nullopt);
}

TEST(CommandSetPathTest, TakesTheConfiguredPathElseTheUsersDataDirectory) {
  UserDirectories dirs;
  dirs.dataHome = "/data";
  EXPECT_EQ(CommandSetPath("/srv/sets/x.db", dirs), "/srv/sets/x.db");
  EXPECT_EQ(CommandSetPath("", dirs), "/data/carthex-verbsmith/commandset.db");
  dirs.dataHome = "/";
  EXPECT_EQ(CommandSetPath("", dirs), "/carthex-verbsmith/commandset.db");
}

}  // namespace
}  // namespace verbsmith
