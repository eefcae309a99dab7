#include "wizard/finish_transaction.h"

#include <algorithm>
#include <memory>
#include <sstream>

#include "base/cp1252.h"
#include "base/strings.h"
#include "wizard/finish_journal_paths.h"
#include "wizard/run_directories.h"

namespace verbsmith {

namespace {

std::optional<std::string> BytesIfThere(FileSystem& fs, const std::string& path) {
  if (!FileExists(fs, path)) return std::nullopt;
  return fs.ReadBytes(path);
}

// Section, key and value of each key line of an initialisation file.
std::vector<std::vector<std::string>> IniKeys(const std::string& text) {
  std::vector<std::vector<std::string>> keys;
  std::string section;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("[") && line.ends_with("]")) {
      section = line.substr(1, line.size() - 2);
    } else if (const auto equals = line.find('='); equals != std::string::npos) {
      keys.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
  }
  return keys;
}

}  // namespace

FinishTransaction::FinishTransaction(Host& host, std::string project,
                                     std::vector<std::string> createdDirectories, Mode mode)
    : host_(host), project_(std::move(project)), createdDirectories_(std::move(createdDirectories)) {
  if (host_.staging != nullptr) {
    if (host_.staging->Holding()) {
      heldBefore_ = host_.staging->Marked();
    } else {
      host_.staging->SetHolding(true);
    }
  }
  if (mode == Mode::kPreview) return;
  if (host_.locks != nullptr && !project_.empty()) {
    try {
      projectLock_ = host_.locks->Lock(project_, kProjectLockWait);
      projectBusy_ = !projectLock_;
    } catch (const VbError&) {
      // No project directory to lock: writing into it fails and says why.
    }
  }
  // From here on a process that ends takes the run's directories with it.
  FinishJournal journal;
  journal.process = host_.processes.Self();
  journal.project = project_;
  journal.createdDirectories = createdDirectories_;
  try {
    WriteJournal(journal);
  } catch (const VbError& error) {
    journalError_ = error;
  }
}

FinishTransaction::~FinishTransaction() {
  StopHolding();
}

void FinishTransaction::StopHolding() {
  // What is held is forgotten; taking back works on the disk itself. A
  // run that held everything before goes on holding what it held then.
  if (host_.staging == nullptr) return;
  if (heldBefore_) return host_.staging->BackTo(*heldBefore_);
  host_.staging->SetHolding(false);
}

FinishJournal FinishTransaction::Prepare(const std::string& company, const std::string& application,
                                         const CommandEntry& entry) {
  FinishJournal journal;
  journal.process = host_.processes.Self();
  journal.project = project_;
  journal.company = company;
  journal.application = application;
  journal.progId = entry.progId;
  journal.createdDirectories = createdDirectories_;
  if (host_.staging == nullptr) return journal;
  FileSystem& disk = host_.staging->Beneath();
  const StagedFileSystem::Plan plan = host_.staging->Pending();
  for (const std::string& directory : plan.directories) {
    if (!DirectoryExists(disk, directory)) journal.createdDirectories.push_back(directory);
  }
  for (const auto& [path, bytes] : plan.writes) journal.files.push_back({path, BytesIfThere(disk, path)});
  for (const std::string& path : plan.deletes) journal.files.push_back({path, BytesIfThere(disk, path)});
  return journal;
}

void FinishTransaction::WriteJournal(const FinishJournal& journal) {
  if (host_.journalDirectory.empty() || host_.staging == nullptr || host_.locks == nullptr) return;
  // What recovery would refuse to act on is not begun.
  if (const auto foreign = ForeignPathOf(journal)) {
    throw VbError(vberr::kBadFileNameOrNumber, "Verbsmith", *foreign + ": not a path a Finish can take back");
  }
  FileSystem& disk = host_.staging->Beneath();
  std::string path = journalPath_;
  if (path.empty()) {
    MakeDirectoryPath(disk, host_.journalDirectory);
    // A journal kept from an earlier run of the same process number stays.
    const std::string stem = host_.journalDirectory + "finish-" + std::to_string(journal.process);
    path = stem + ".json";
    for (int n = 2; FileExists(disk, path); ++n) path = stem + "-" + std::to_string(n) + ".json";
  }
  journalLock_ = host_.locks->WriteLocked(path, journal.ToJson());
  journalPath_ = path;
}

void FinishTransaction::DeleteJournal() {
  if (journalPath_.empty()) return;
  // Deleted before its lock goes, so no recovery finds it unlocked.
  host_.staging->Beneath().DeleteFile(journalPath_);
  journalPath_.clear();
  journalLock_.reset();
}

void FinishTransaction::PutInPlace() {
  if (host_.staging == nullptr) return;
  // Committed beneath, so that what follows the Finish reads the disk.
  host_.staging->Commit();
}

void FinishTransaction::Commit(const std::string& company, const std::string& application,
                               const CommandEntry& entry) {
  std::optional<FinishJournal> journal;
  bool registered = false;
  std::unique_ptr<CommandSet> set;
  bool storeExisted = true;
  try {
    if (journalError_) throw Failure{Failure::Stage::kFiles, *journalError_};
    try {
      set = host_.commandSets.Create();
      set->OpenCommandSet(company, application);
      storeExisted = set->StoreExists();
      journal = Prepare(company, application, entry);
      if (auto before = set->FindProgId(entry.progId)) journal->entryBefore = std::move(before->entry);
    } catch (const VbError& error) {
      throw Failure{Failure::Stage::kRegistration, error};
    }
    try {
      journal->registering = true;
      WriteJournal(*journal);
    } catch (const VbError& error) {
      throw Failure{Failure::Stage::kFiles, error};
    }
    try {
      set->AddCommand(entry);
      registered = true;
    } catch (const VbError& error) {
      throw Failure{Failure::Stage::kRegistration, error};
    }
    try {
      PutInPlace();
      // A journal left behind would take a finished run back at the next
      // start: the run is done only once it is gone.
      DeleteJournal();
    } catch (const VbError& error) {
      throw Failure{Failure::Stage::kFiles, error};
    }
    StopHolding();
  } catch (Failure& failure) {
    StopHolding();
    try {
      if (registered) {
        UndoFinish(host_, *journal);
        // Taking back leaves no command set that the run made.
        if (!storeExisted) set->RemoveStoreIfEmpty();
      } else {
        // Nothing but the run's directories has reached the disk.
        RemoveCreatedDirectories(host_.fs, journal ? journal->createdDirectories : createdDirectories_);
      }
      DeleteJournal();
    } catch (const VbError&) {
      // The journal stays, unlocked once this transaction ends: the next
      // start finishes taking the run back.
      failure.partlyTakenBack = true;
    }
    throw;
  }
}

FinishPlan FinishTransaction::Preview(const std::string& company, const std::string& application,
                                      const CommandEntry& entry) {
  FinishPlan plan;
  const FinishJournal journal = Prepare(company, application, entry);
  plan.directories = journal.createdDirectories;
  plan.company = company;
  plan.application = application;
  plan.entry = entry;
  try {
    std::unique_ptr<CommandSet> set = host_.commandSets.Create();
    set->OpenCommandSet(company, application);
    if (auto before = set->FindProgId(entry.progId)) plan.entryBefore = std::move(before->entry);
  } catch (const VbError&) {
    // A command set that cannot be read now shows in the real Finish.
  }
  if (host_.staging == nullptr) return plan;
  const StagedFileSystem::Plan pending = host_.staging->Pending();
  for (const FinishJournal::File& file : journal.files) {
    const auto written = std::find_if(pending.writes.begin(), pending.writes.end(),
                                      [&](const auto& write) { return write.first == file.path; });
    FinishPlan::File planned{file.path, "delete", "",
                             LinkTarget(host_.staging->Beneath(), file.path).value_or("")};
    if (written != pending.writes.end()) {
      const std::string& after = written->second;
      const std::string before = file.before.value_or("");
      planned.action = !file.before ? "create" : (before == after ? "unchanged" : "replace");
      const bool text = after.find('\0') == std::string::npos && before.find('\0') == std::string::npos;
      if (text) planned.diff = UnifiedDiff(file.path, Cp1252ToUtf8(before), Cp1252ToUtf8(after));
      if (AsciiUpper(file.path).ends_with(".INI")) plan.iniKeys = IniKeys(Cp1252ToUtf8(after));
    }
    plan.files.push_back(std::move(planned));
  }
  return plan;
}

void FinishTransaction::Abandon() {
  StopHolding();
  RemoveCreatedDirectories(host_.fs, createdDirectories_);
  try {
    DeleteJournal();
  } catch (const VbError&) {
    // The next start removes what is left of the run, which is nothing more.
  }
}

}  // namespace verbsmith
