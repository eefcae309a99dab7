#pragma once
// Carthex's command set kept in one SQLite database. The database holds the
// sets of every company and application; each set is an ordered list of
// entries whose positions stay dense, so identifier 41001 + n is entry n.
//
// Reading never creates or changes a file: nothing is written until the
// first AddCommand or RemoveCommand, a missing or empty file reads as an
// empty set, and no -wal or -shm file outlives the read. Only AddCommand
// creates the database. A write that was cut short (a hot journal) is
// rolled back by the next open, as SQLite does for any writer.
//
// Failures throw VbError with the source "CommandSet" and a number from
// vbObjectError + 0x1000 on (the constants below). The database is only ever
// written once it is known to be ours: a damaged file, or an SQLite file of
// another program or of a newer schema, is reported and left untouched.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "base/vb_error.h"
#include "platform/command_set.h"
#include "platform/posix/user_directories.h"

namespace verbsmith {

// The schema this build reads and writes, kept in PRAGMA user_version; the
// file is marked as ours by PRAGMA application_id.
// Version 2 adds the case-blind ProgID index; a version 1 file is read as it
// is and given the index when it is first written.
inline constexpr int32_t kCommandSetSchemaVersion = 2;
inline constexpr int32_t kCommandSetApplicationId = 0x56534D43;  // "VSMC"

// The largest number of entries one set can hold (the count is 16-bit).
inline constexpr int32_t kMaxCommandSetEntries = 32767;

// How long to wait for another program's lock, and whom to tell that the
// wait has begun (once per wait, after a short while).
struct CommandSetWait {
  int limitMs = 3000;
  std::function<void(const std::string&)> notify;
};

class SqliteCommandSet final : public CommandSet {
 public:
  // Works on the database at the host path; nothing is opened until
  // OpenCommandSet.
  explicit SqliteCommandSet(std::string databasePath, CommandSetWait wait = {});
  ~SqliteCommandSet() override;
  SqliteCommandSet(const SqliteCommandSet&) = delete;
  SqliteCommandSet& operator=(const SqliteCommandSet&) = delete;

  void OpenCommandSet(const std::string& companyName, const std::string& applicationName) override;
  int16_t CommandCount() override;
  std::optional<CommandEntry> FindCommand(int32_t commandId) override;
  void AddCommand(const CommandEntry& entry) override;
  void RemoveCommand(const std::string& progId) override;

  // After OpenCommandSet: whether the database file exists yet.
  bool StoreExists() const override;
  // Removes the database file, which SQLite allows only when no other
  // connection has it open: leaving write-ahead logging proves that.
  bool RemoveStoreIfEmpty() override;
  // By the index of ProgIDs.
  std::optional<NumberedCommand> FindProgId(const std::string& progId) override;
  // From one query in one read transaction, rows beyond the 16-bit count
  // included.
  int64_t ForEachCommand(const std::function<void(int64_t position, const CommandEntry&)>& visit) override;
  // From one query; no file: none.
  std::vector<HeldSet> HeldSets() override;

 private:
  class Database;
  // The database for reading; nullptr while there is no file. A file that
  // another program creates later is found by the next read.
  Database* Readable();
  // The database, opened for writing once a write needs it.
  Database& Writable();
  std::string path_;
  CommandSetWait wait_;
  std::string company_;
  std::string application_;
  bool opened_ = false;
  bool exists_ = false;
  std::unique_ptr<Database> db_;
};

class SqliteCommandSetFactory final : public CommandSetFactory {
 public:
  explicit SqliteCommandSetFactory(std::string databasePath, CommandSetWait wait = {})
      : path_(std::move(databasePath)), wait_(std::move(wait)) {}
  std::unique_ptr<CommandSet> Create() override;

 private:
  std::string path_;
  CommandSetWait wait_;
};

// Where the command set lives: the configured path (VERBSMITH_COMMAND_SET)
// unless empty, otherwise commandset.db in carthex-verbsmith under the
// user's data directory.
std::string CommandSetPath(const std::string& configured, const UserDirectories& dirs);
// The same, from this process's environment.
std::string CommandSetPathFromEnvironment();

}  // namespace verbsmith
