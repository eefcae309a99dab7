#pragma once
// Carthex's command set kept in one SQLite database. The database holds the
// sets of every company and application; each set is an ordered list of
// entries whose positions stay dense, so identifier 41001 + n is entry n.
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
inline constexpr int32_t kCommandSetSchemaVersion = 1;
inline constexpr int32_t kCommandSetApplicationId = 0x56534D43;  // "VSMC"

// The largest number of entries one set can hold (the count is 16-bit).
inline constexpr int32_t kMaxCommandSetEntries = 32767;

class SqliteCommandSet final : public CommandSet {
 public:
  // Works on the database at the host path; nothing is opened until
  // OpenCommandSet.
  explicit SqliteCommandSet(std::string databasePath);
  ~SqliteCommandSet() override;
  SqliteCommandSet(const SqliteCommandSet&) = delete;
  SqliteCommandSet& operator=(const SqliteCommandSet&) = delete;

  void OpenCommandSet(const std::string& companyName, const std::string& applicationName) override;
  int16_t CommandCount() override;
  int16_t FindCommand(int32_t commandId) override;
  CommandEntry GetCommand(int16_t index) override;
  void AddCommand(const CommandEntry& entry) override;
  void RemoveCommand(const std::string& progId) override;

 private:
  class Database;
  std::string path_;
  std::unique_ptr<Database> db_;
  // The entry FindCommand last found, handed out by the GetCommand that
  // follows it.
  std::optional<std::pair<int16_t, CommandEntry>> found_;
};

class SqliteCommandSetFactory final : public CommandSetFactory {
 public:
  explicit SqliteCommandSetFactory(std::string databasePath) : path_(std::move(databasePath)) {}
  std::unique_ptr<CommandSet> Create() override;
  const std::string& DatabasePath() const { return path_; }

 private:
  std::string path_;
};

// Where the command set lives: the configured path (VERBSMITH_COMMAND_SET)
// unless empty, otherwise commandset.db in carthex-verbsmith under the
// user's data directory.
std::string CommandSetPath(const std::string& configured, const UserDirectories& dirs);
// The same, from this process's environment.
std::string CommandSetPathFromEnvironment();

}  // namespace verbsmith
