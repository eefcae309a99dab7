#include "platform/posix/sqlite_command_set.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "base/texts.h"
#include "base/vb_error.h"

namespace verbsmith {

namespace {

// How long a wait goes on before the user is told of it.
constexpr auto kQuietWait = std::chrono::milliseconds(250);
constexpr auto kWaitStep = std::chrono::milliseconds(10);

[[noreturn]] void Raise(int32_t number, std::string description) {
  throw VbError(number, std::string(text::kCommandSetSource), std::move(description));
}

bool IsBusy(int rc) {
  return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
}
bool IsDamage(int rc) {
  return (rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT;
}

// COM compares ProgIDs without regard to case, and so does the set. The
// index is not unique: a version 1 file may hold two ProgIDs that differ
// only in case, and AddCommand keeps new ones apart under its write lock.
constexpr const char* kProgIdIndex =
    "CREATE INDEX commands_by_prog_id ON commands (set_id, prog_id COLLATE NOCASE);\n";

// The schema, the entry's columns following the field table.
std::string Schema() {
  std::string sql =
      "CREATE TABLE command_sets (\n"
      "  id INTEGER PRIMARY KEY,\n"
      "  company TEXT NOT NULL COLLATE NOCASE,\n"
      "  application TEXT NOT NULL COLLATE NOCASE,\n"
      "  UNIQUE (company, application)\n"
      ");\n"
      "CREATE TABLE commands (\n"
      "  set_id INTEGER NOT NULL REFERENCES command_sets (id),\n"
      "  position INTEGER NOT NULL,\n";
  for (const CommandField& field : kCommandFields) {
    sql +=
        "  " + std::string(field.column) + (field.number != nullptr ? " INTEGER" : " TEXT") + " NOT NULL,\n";
  }
  return sql + "  UNIQUE (set_id, position),\n  UNIQUE (set_id, prog_id)\n);\n" + kProgIdIndex;
}

// "a, b, c": the entry's columns in the stored order.
std::string EntryColumns() {
  std::string columns;
  for (const CommandField& field : kCommandFields) {
    if (!columns.empty()) columns += ", ";
    columns += field.column;
  }
  return columns;
}

// "?first, ..., ?last".
std::string Parameters(int first, int last) {
  std::string list;
  for (int i = first; i <= last; ++i) list += (i == first ? "?" : ", ?") + std::to_string(i);
  return list;
}

constexpr int kFieldCount = static_cast<int>(kCommandFields.size());

// The database header: a commit changes it (its change counter, or the
// journal mode a writer sets), so the same header means no writer came.
std::string FileHeader(const std::string& path) {
  constexpr std::streamsize kHeaderSize = 100;
  std::string header(kHeaderSize, '\0');
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file.read(header.data(), kHeaderSize)) return {};
  return header;
}

// Removes a closed database that no writer has touched since its header
// was read under the exclusive lock; a journal or log beside it means one
// has.
bool RemoveIfUnchanged(const std::string& path, const std::string& header) {
  std::error_code ec;
  for (const char* companion : {"-wal", "-journal"}) {
    if (std::filesystem::exists(path + companion, ec) || ec) return false;
  }
  return FileHeader(path) == header && std::filesystem::remove(path, ec);
}

}  // namespace

// The connection, its prepared statements and the set they work on.
class SqliteCommandSet::Database {
 public:
  // Read-only unless writable; only a writable one creates the file, its
  // directories and its schema.
  Database(const std::string& path, std::string company, std::string application, bool writable,
           const CommandSetWait& wait)
      : path_(path),
        company_(std::move(company)),
        application_(std::move(application)),
        writable_(writable),
        wait_(wait) {
    if (writable) CreateParentDirectories();
    // A reader opens read-write too, without creating anything: only such a
    // connection can roll back the hot journal of a writer that was killed,
    // and only it removes the -wal and -shm files when it closes. It writes
    // nothing of its own. A file the system protects is opened read-only.
    const int flags = SQLITE_OPEN_READWRITE | (writable ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
      std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
      Close();
      Raise(cmdseterr::kCannotOpen, std::string(text::kCommandSetCannotOpen) + path + ": " + message);
    }
    sqlite3_busy_handler(db_, &Database::OnBusy, this);
    sqlite3_extended_result_codes(db_, 1);
    try {
      EnsureSchema();
      if (!empty_) Prepare();
    } catch (...) {
      Close();
      throw;
    }
  }

  bool Writable() const { return writable_; }

  ~Database() { Close(); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  int32_t Count() {
    EndWalk();
    const int64_t setId = SetId(false);
    if (setId == 0) return 0;
    Statement& s = count_;
    s.Reset();
    s.Bind(1, setId);
    s.Step(*this);
    const auto count = static_cast<int32_t>(sqlite3_column_int64(s.handle, 0));
    // A statement left on a row would hold its read snapshot open.
    s.Reset();
    return count;
  }

  // Entry at a position. Reads in order, as the wizard's list does, step
  // one ordered query on instead of starting a new one for each entry.
  bool Get(int32_t position, CommandEntry& entry) {
    const int64_t setId = SetId(false);
    if (setId == 0) return false;
    Statement& s = walk_;
    if (!walking_ || walkPosition_ != position) {
      s.Reset();
      s.Bind(1, setId);
      s.Bind(2, position);
      walking_ = s.Step(*this);
      walkPosition_ = walking_ ? sqlite3_column_int64(s.handle, 0) : -1;
      if (walkPosition_ != position) {
        EndWalk();
        return false;
      }
    }
    ReadEntry(s, 1, entry);
    // Step past the row now, so the read snapshot ends with the last one.
    walking_ = s.Step(*this);
    if (walking_) {
      walkPosition_ = sqlite3_column_int64(s.handle, 0);
    } else {
      EndWalk();
    }
    return true;
  }

  // A statement left on a row would hold its read snapshot open.
  void EndWalk() {
    walk_.Reset();
    walking_ = false;
  }

  std::optional<int32_t> FindProgId(const std::string& progId) {
    EndWalk();
    const int64_t setId = SetId(false);
    return setId == 0 ? std::nullopt : PositionOf(setId, progId);
  }

  int64_t ForEach(const std::function<void(int64_t, const CommandEntry&)>& visit) {
    EndWalk();
    const int64_t setId = SetId(false);
    if (setId == 0) return 0;
    Statement& s = walk_;
    s.Reset();
    s.Bind(1, setId);
    s.Bind(2, 0);
    int64_t rows = 0;
    CommandEntry entry;
    try {
      // One statement is one read transaction: the whole list is of one state.
      while (s.Step(*this)) {
        ReadEntry(s, 1, entry);
        visit(sqlite3_column_int64(s.handle, 0), entry);
        ++rows;
      }
    } catch (...) {
      s.Reset();
      throw;
    }
    s.Reset();
    return rows;
  }

  std::vector<HeldSet> Sets() {
    EndWalk();
    std::vector<HeldSet> sets;
    if (empty_) return sets;
    Statement& s = sets_;
    s.Reset();
    try {
      while (s.Step(*this)) {
        sets.push_back({ColumnText(s, 0), ColumnText(s, 1), sqlite3_column_int64(s.handle, 2)});
      }
    } catch (...) {
      s.Reset();
      throw;
    }
    s.Reset();
    return sets;
  }

  void Add(const CommandEntry& entry) {
    EndWalk();
    Write([&] {
      const int64_t setId = SetId(true);
      const std::optional<int32_t> existing = PositionOf(setId, entry.progId);
      if (existing) {
        Statement& s = update_;
        s.Reset();
        BindEntry(s, entry, 1);
        s.Bind(kFieldCount + 1, setId);
        s.Bind(kFieldCount + 2, *existing);
        s.Step(*this);
        return;
      }
      // Positions are dense, so the next one is one past the last: a look at
      // the end of the index instead of counting every entry.
      nextPosition_.Reset();
      nextPosition_.Bind(1, setId);
      const int64_t count = nextPosition_.Step(*this) ? sqlite3_column_int64(nextPosition_.handle, 0) : 0;
      nextPosition_.Reset();
      if (count >= kMaxCommandSetEntries) Raise(cmdseterr::kSetFull, std::string(text::kCommandSetFull));
      Statement& s = insert_;
      s.Reset();
      s.Bind(1, setId);
      s.Bind(2, count);
      BindEntry(s, entry, 3);
      s.Step(*this);
    });
  }

  void Remove(const std::string& progId) {
    EndWalk();
    Write([&] {
      const int64_t setId = SetId(false);
      const std::optional<int32_t> position = setId == 0 ? std::nullopt : PositionOf(setId, progId);
      if (!position) Raise(cmdseterr::kNoSuchCommand, std::string(text::kCommandSetNoSuchCommand) + progId);
      for (Statement* s : {&delete_, &shiftOut_}) {
        s->Reset();
        s->Bind(1, setId);
        s->Bind(2, *position);
        s->Step(*this);
      }
      // Positions are unique, so the later entries move up in two passes:
      // out of the way to negative values, then back one place lower.
      shiftBack_.Reset();
      shiftBack_.Bind(1, setId);
      shiftBack_.Step(*this);
    });
  }

  // Removes the file when no set holds a command. Only a connection that is
  // alone can leave write-ahead logging, and only one that is alone gets the
  // exclusive lock under which the file goes; one that opens the file after
  // that finds it moved when it writes, and fails instead of writing into a
  // removed file. Without a wait: a store in use stays. Windows removes no
  // file that is open: there the empty file's header is kept in header, for
  // RemoveIfUnchanged once this connection has closed.
  bool RemoveFileIfEmpty(std::string& header) {
    EndWalk();
    if (ReadNumber("SELECT count(*) FROM commands") != 0) return false;
    sqlite3_busy_handler(db_, nullptr, nullptr);
    bool removed = false;
    if (ReadText("PRAGMA journal_mode = DELETE") == "delete" && Exec("BEGIN EXCLUSIVE") == SQLITE_OK) {
      if (ReadNumber("SELECT count(*) FROM commands") == 0) {
        std::error_code ec;
        removed = std::filesystem::remove(path_, ec);
        if (!removed) header = FileHeader(path_);
      }
      Exec("ROLLBACK");
    }
    sqlite3_busy_handler(db_, &Database::OnBusy, this);
    return removed;
  }

  [[noreturn]] void Fail(int rc) {
    const std::string message = sqlite3_errmsg(db_);
    if (IsBusy(rc)) {
      Raise(cmdseterr::kBusy,
            std::string(text::kCommandSetBusy) + path_ + std::string(text::kCommandSetBusyRetry));
    }
    if (IsDamage(rc)) Raise(cmdseterr::kDamaged, path_ + std::string(text::kCommandSetDamaged));
    if ((rc & 0xff) == SQLITE_CANTOPEN) {
      Raise(cmdseterr::kCannotOpen, std::string(text::kCommandSetCannotOpen) + path_ + ": " + message);
    }
    Raise(cmdseterr::kStorage, std::string(text::kCommandSetFailed) + message + " (" + path_ + ")");
  }

 private:
  struct Statement {
    sqlite3_stmt* handle = nullptr;

    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(handle); }

    void Reset() {
      // Every use binds all parameters again, so old bindings need no clearing.
      sqlite3_reset(handle);
    }
    void Bind(int index, int64_t value) { sqlite3_bind_int64(handle, index, value); }
    void Bind(int index, const std::string& value) {
      sqlite3_bind_text(handle, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    // True when a row came back, false when the statement is done.
    bool Step(Database& db) {
      const int rc = sqlite3_step(handle);
      if (rc == SQLITE_ROW) return true;
      if (rc == SQLITE_DONE) return false;
      sqlite3_reset(handle);
      db.Fail(rc);
    }
  };

  void Close() {
    for (Statement* s : {&findSet_, &insertSet_, &count_, &nextPosition_, &walk_, &positionOf_, &insert_,
                         &update_, &delete_, &shiftOut_, &shiftBack_, &sets_}) {
      sqlite3_finalize(s->handle);
      s->handle = nullptr;
    }
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }

  void CreateParentDirectories() {
    const std::filesystem::path parent = std::filesystem::path(path_).parent_path();
    if (parent.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(parent, ec);
    if (ec) {
      Raise(cmdseterr::kCannotOpen, std::string(text::kCommandSetCannotOpen) + path_ + ": " + ec.message());
    }
  }

  // Waits in small steps while another program holds the lock, telling the
  // user once the wait is long enough to notice; gives up at the limit.
  static int OnBusy(void* self, int attempt) {
    auto& db = *static_cast<Database*>(self);
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) {
      db.waitStart_ = now;
      db.waitTold_ = false;
    }
    const auto waited = now - db.waitStart_;
    if (waited >= std::chrono::milliseconds(db.wait_.limitMs)) return 0;
    if (!db.waitTold_ && waited >= kQuietWait && db.wait_.notify) {
      db.waitTold_ = true;
      db.wait_.notify(std::string(text::kCommandSetWaiting) + db.path_ +
                      std::string(text::kCommandSetWaitingHeld));
    }
    std::this_thread::sleep_for(kWaitStep);
    return 1;
  }

  int Exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

  int64_t ReadNumber(const char* sql) {
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql, -1, &raw, nullptr);
    Statement s;
    s.handle = raw;
    if (rc != SQLITE_OK) Fail(rc);
    if (!s.Step(*this)) return 0;
    return sqlite3_column_int64(s.handle, 0);
  }

  std::string ReadText(const char* sql) {
    sqlite3_stmt* raw = nullptr;
    Statement s;
    if (sqlite3_prepare_v2(db_, sql, -1, &raw, nullptr) != SQLITE_OK) return "";
    s.handle = raw;
    if (sqlite3_step(s.handle) != SQLITE_ROW) return "";
    const auto* text = sqlite3_column_text(s.handle, 0);
    return text == nullptr ? "" : reinterpret_cast<const char*>(text);
  }

  enum class FileKind { kEmpty, kOurs, kForeign };

  // Reads only; nothing may be written before the file is known to be ours.
  FileKind Inspect(int64_t& version) {
    const int64_t applicationId = ReadNumber("PRAGMA application_id");
    version = ReadNumber("PRAGMA user_version");
    const int64_t objects = ReadNumber("SELECT count(*) FROM sqlite_master");
    if (applicationId == kCommandSetApplicationId) return FileKind::kOurs;
    if (applicationId == 0 && version == 0 && objects == 0) return FileKind::kEmpty;
    return FileKind::kForeign;
  }

  // The three reads of Inspect must see one state of the file, or a schema
  // that another process commits between them looks like someone else's.
  FileKind InspectInOneSnapshot(int64_t& version) {
    const int rc = Exec("BEGIN");
    if (rc != SQLITE_OK) Fail(rc);
    try {
      const FileKind kind = Inspect(version);
      sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
      return kind;
    } catch (...) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  void EnsureSchema() {
    int64_t version = 0;
    FileKind kind = InspectInOneSnapshot(version);
    if (kind == FileKind::kEmpty && !writable_) {
      // Nothing to read; the schema is written by the first write.
      empty_ = true;
      return;
    }
    if (kind == FileKind::kEmpty) {
      Write([&] {
        // Another process may have made the schema while this one waited.
        kind = Inspect(version);
        if (kind != FileKind::kEmpty) return;
        ExecOrFail(Schema());
        kind = FileKind::kOurs;
        version = kCommandSetSchemaVersion;
        MarkVersion();
      });
    }
    if (kind == FileKind::kForeign) Raise(cmdseterr::kForeign, path_ + std::string(text::kCommandSetForeign));
    if (version < 1 || version > kCommandSetSchemaVersion) {
      Raise(cmdseterr::kUnsupportedVersion, path_ + std::string(text::kCommandSetVersion) +
                                                std::to_string(version) +
                                                std::string(text::kCommandSetVersionKnown));
    }
    if (!writable_) return;
    if (version < kCommandSetSchemaVersion) {
      Write([&] {
        Inspect(version);
        if (version >= kCommandSetSchemaVersion) return;
        ExecOrFail(kProgIdIndex);
        MarkVersion();
      });
    }
    // Readers then never wait for a writer. Best effort: a database that
    // stays in rollback mode works as well, only with more waiting.
    Exec("PRAGMA journal_mode = WAL");
    Exec("PRAGMA synchronous = NORMAL");
  }

  void ExecOrFail(const std::string& sql) {
    const int rc = Exec(sql.c_str());
    if (rc != SQLITE_OK) Fail(rc);
  }

  void MarkVersion() {
    ExecOrFail("PRAGMA application_id = " + std::to_string(kCommandSetApplicationId) +
               "; PRAGMA user_version = " + std::to_string(kCommandSetSchemaVersion));
  }

  void PrepareOne(Statement& s, const std::string& sql) {
    const int rc = sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &s.handle, nullptr);
    if (rc != SQLITE_OK) Fail(rc);
  }

  void Prepare() {
    const std::string columns = EntryColumns();
    PrepareOne(findSet_, "SELECT id FROM command_sets WHERE company = ?1 AND application = ?2");
    PrepareOne(insertSet_, "INSERT OR IGNORE INTO command_sets (company, application) VALUES (?1, ?2)");
    PrepareOne(count_, "SELECT count(*) FROM commands WHERE set_id = ?1");
    PrepareOne(nextPosition_,
               "SELECT position + 1 FROM commands WHERE set_id = ?1 ORDER BY position DESC LIMIT 1");
    PrepareOne(walk_, "SELECT position, " + columns +
                          " FROM commands WHERE set_id = ?1 AND position >= ?2 ORDER BY position");
    PrepareOne(positionOf_,
               "SELECT position FROM commands WHERE set_id = ?1 AND prog_id = ?2 COLLATE NOCASE "
               "ORDER BY +position LIMIT 1");
    PrepareOne(insert_, "INSERT INTO commands (set_id, position, " + columns + ") VALUES (" +
                            Parameters(1, kFieldCount + 2) + ")");
    PrepareOne(update_, "UPDATE commands SET (" + columns + ") = (" + Parameters(1, kFieldCount) +
                            ") WHERE set_id = ?" + std::to_string(kFieldCount + 1) + " AND position = ?" +
                            std::to_string(kFieldCount + 2));
    PrepareOne(delete_, "DELETE FROM commands WHERE set_id = ?1 AND position = ?2");
    PrepareOne(shiftOut_, "UPDATE commands SET position = -position WHERE set_id = ?1 AND position > ?2");
    PrepareOne(shiftBack_, "UPDATE commands SET position = -position - 1 WHERE set_id = ?1 AND position < 0");
    PrepareOne(
        sets_,
        "SELECT s.company, s.application, count(*) FROM command_sets s JOIN commands c ON c.set_id = s.id "
        "GROUP BY s.id ORDER BY s.company, s.application");
  }

  static std::string ColumnText(Statement& s, int column) {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(s.handle, column));
    return std::string(bytes == nullptr ? "" : bytes,
                       static_cast<size_t>(sqlite3_column_bytes(s.handle, column)));
  }

  static void ReadEntry(Statement& s, int first, CommandEntry& entry) {
    int column = first;
    for (const CommandField& field : kCommandFields) {
      if (field.number != nullptr) {
        entry.*field.number = static_cast<int32_t>(sqlite3_column_int64(s.handle, column++));
        continue;
      }
      entry.*field.text = ColumnText(s, column++);
    }
  }

  static void BindEntry(Statement& s, const CommandEntry& e, int first) {
    int i = first;
    for (const CommandField& field : kCommandFields) {
      if (field.number != nullptr) {
        s.Bind(i++, e.*field.number);
      } else {
        s.Bind(i++, e.*field.text);
      }
    }
  }

  // The row id of this set; 0 when it has no row yet and create is false.
  // A set's row is never removed, so once found the id is kept.
  int64_t SetId(bool create) {
    if (empty_) return 0;
    if (setId_ != 0) return setId_;
    if (create) {
      insertSet_.Reset();
      insertSet_.Bind(1, company_);
      insertSet_.Bind(2, application_);
      insertSet_.Step(*this);
    }
    findSet_.Reset();
    findSet_.Bind(1, company_);
    findSet_.Bind(2, application_);
    if (findSet_.Step(*this)) setId_ = sqlite3_column_int64(findSet_.handle, 0);
    findSet_.Reset();
    return setId_;
  }

  // "+position" keeps the planner from walking the position index for the
  // order instead of seeking the ProgID index.
  std::optional<int32_t> PositionOf(int64_t setId, const std::string& progId) {
    positionOf_.Reset();
    positionOf_.Bind(1, setId);
    positionOf_.Bind(2, progId);
    std::optional<int32_t> position;
    if (positionOf_.Step(*this)) position = static_cast<int32_t>(sqlite3_column_int64(positionOf_.handle, 0));
    positionOf_.Reset();
    return position;
  }

  // Runs body as one write transaction. BEGIN IMMEDIATE takes the write lock
  // at once, so two writers queue instead of failing half-way.
  template <typename Body>
  void Write(Body&& body) {
    int rc = Exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) Fail(rc);
    const int64_t knownSetId = setId_;
    try {
      body();
      rc = Exec("COMMIT");
      if (rc != SQLITE_OK) Fail(rc);
    } catch (...) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      // A set row made in the rolled-back transaction is gone again.
      setId_ = knownSetId;
      throw;
    }
  }

  std::string path_;
  std::string company_;
  std::string application_;
  bool writable_ = false;
  const CommandSetWait& wait_;
  sqlite3* db_ = nullptr;
  // A readable file with no schema yet: an empty set.
  bool empty_ = false;
  int64_t setId_ = 0;
  std::chrono::steady_clock::time_point waitStart_;
  bool waitTold_ = false;
  // The ordered walk of Get: on a row while walking_, at walkPosition_.
  bool walking_ = false;
  int64_t walkPosition_ = -1;
  Statement findSet_, insertSet_, count_, nextPosition_, walk_, positionOf_, insert_, update_, delete_,
      shiftOut_, shiftBack_, sets_;
};

SqliteCommandSet::SqliteCommandSet(std::string databasePath, CommandSetWait wait)
    : path_(std::move(databasePath)), wait_(std::move(wait)) {}

SqliteCommandSet::~SqliteCommandSet() = default;

void SqliteCommandSet::OpenCommandSet(const std::string& companyName, const std::string& applicationName) {
  db_.reset();
  opened_ = false;
  company_ = companyName;
  application_ = applicationName;
  Readable();
  opened_ = true;
}

SqliteCommandSet::Database* SqliteCommandSet::Readable() {
  if (db_ != nullptr) return db_.get();
  std::error_code error;
  const auto status = std::filesystem::status(path_, error);
  exists_ = status.type() != std::filesystem::file_type::not_found;
  // /dev/null or a FIFO would swallow or block, and a directory is no database.
  if (exists_ && status.type() != std::filesystem::file_type::regular) {
    Raise(cmdseterr::kCannotOpen, std::string(text::kCommandSetCannotOpen) + path_ + ": " + path_ +
                                      std::string(text::kCommandSetNotRegular));
  }
  if (exists_) db_ = std::make_unique<Database>(path_, company_, application_, false, wait_);
  return db_.get();
}

SqliteCommandSet::Database& SqliteCommandSet::Writable() {
  if (db_ == nullptr || !db_->Writable()) {
    db_.reset();
    db_ = std::make_unique<Database>(path_, company_, application_, true, wait_);
    exists_ = true;
  }
  return *db_;
}

bool SqliteCommandSet::StoreExists() const {
  return exists_;
}

namespace {
void RequireOpen(bool opened) {
  if (!opened) Raise(cmdseterr::kNotOpen, std::string(text::kCommandSetNotOpen));
}
}  // namespace

int16_t SqliteCommandSet::CommandCount() {
  RequireOpen(opened_);
  Database* db = Readable();
  if (db == nullptr) return 0;
  // Only rows written behind this class's back could pass the limit; the
  // count must not wrap round to a negative number for them.
  return static_cast<int16_t>(std::min(db->Count(), kMaxCommandSetEntries));
}

std::optional<CommandEntry> SqliteCommandSet::FindCommand(int32_t commandId) {
  RequireOpen(opened_);
  const int64_t position = static_cast<int64_t>(commandId) - kFirstCommandId;
  if (position < 0 || position >= kMaxCommandSetEntries) return std::nullopt;
  Database* db = Readable();
  CommandEntry entry;
  if (db == nullptr || !db->Get(static_cast<int32_t>(position), entry)) return std::nullopt;
  return entry;
}

void SqliteCommandSet::AddCommand(const CommandEntry& entry) {
  RequireOpen(opened_);
  Writable().Add(entry);
}

void SqliteCommandSet::RemoveCommand(const std::string& progId) {
  RequireOpen(opened_);
  // Nothing to remove from a database that is not there; it is not made.
  if (Readable() == nullptr)
    Raise(cmdseterr::kNoSuchCommand, std::string(text::kCommandSetNoSuchCommand) + progId);
  Writable().Remove(progId);
}

bool SqliteCommandSet::RemoveStoreIfEmpty() {
  RequireOpen(opened_);
  if (Readable() == nullptr) return false;
  bool removed = false;
  std::string header;
  try {
    removed = Writable().RemoveFileIfEmpty(header);
  } catch (const VbError&) {
    // A store that cannot be looked at now stays as it is.
  }
  // The connection goes with the file; the next call starts afresh.
  db_.reset();
  if (!removed && !header.empty()) removed = RemoveIfUnchanged(path_, header);
  exists_ = !removed;
  return removed;
}

std::optional<NumberedCommand> SqliteCommandSet::FindProgId(const std::string& progId) {
  RequireOpen(opened_);
  Database* db = Readable();
  if (db == nullptr) return std::nullopt;
  const std::optional<int32_t> position = db->FindProgId(progId);
  if (!position || *position >= kMaxCommandSetEntries) return std::nullopt;
  NumberedCommand found{kFirstCommandId + *position, {}};
  if (!db->Get(*position, found.entry)) return std::nullopt;
  return found;
}

int64_t SqliteCommandSet::ForEachCommand(const std::function<void(int64_t, const CommandEntry&)>& visit) {
  RequireOpen(opened_);
  Database* db = Readable();
  return db == nullptr ? 0 : db->ForEach(visit);
}

std::vector<HeldSet> SqliteCommandSet::HeldSets() {
  Database* db = Readable();
  return db == nullptr ? std::vector<HeldSet>{} : db->Sets();
}

std::unique_ptr<CommandSet> SqliteCommandSetFactory::Create() {
  return std::make_unique<SqliteCommandSet>(path_, wait_);
}

std::string CommandSetPath(const std::string& configured, const UserDirectories& dirs) {
  if (!configured.empty()) return configured;
  return (dirs.dataHome == "/" ? "" : dirs.dataHome) + "/carthex-verbsmith/commandset.db";
}

std::string CommandSetPathFromEnvironment() {
  const char* configured = std::getenv("VERBSMITH_COMMAND_SET");
  return CommandSetPath(configured == nullptr ? "" : configured, UserDirectoriesOfThisProcess());
}

}  // namespace verbsmith
