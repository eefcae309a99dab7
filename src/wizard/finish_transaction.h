#pragma once
// An all-or-nothing Finish. From its start every file the run writes or
// deletes is held by the host's staging layer; Commit journals what it is
// about to change, registers the command, puts the files in place and
// forgets the journal. A failure at any point takes back what was done,
// the project directories of the run included.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/command_set.h"
#include "platform/host.h"
#include "wizard/finish_journal.h"
#include "wizard/finish_plan.h"

namespace verbsmith {

class FinishTransaction {
 public:
  // What failed in Commit: the registration, or putting the files in place;
  // and whether taking the run back failed too, leaving its journal for
  // the next start to finish the job.
  struct Failure {
    enum class Stage { kRegistration, kFiles } stage;
    VbError error;
    bool partlyTakenBack = false;
  };

  // A preview holds the run's files for Preview and keeps no journal; it
  // is never committed.
  enum class Mode { kFinish, kPreview };

  // project: the directory the run writes in; a Finish holds it locked
  // while it lasts, waiting a little for another Finish at work there.
  // createdDirectories: the project directories the run has made so far.
  FinishTransaction(Host& host, std::string project, std::vector<std::string> createdDirectories,
                    Mode mode = Mode::kFinish);
  // Forgets whatever is still held.
  ~FinishTransaction();
  FinishTransaction(const FinishTransaction&) = delete;
  FinishTransaction& operator=(const FinishTransaction&) = delete;

  // Registers the entry and puts every held change in place; throws Failure
  // after taking back what it did.
  void Commit(const std::string& company, const std::string& application, const CommandEntry& entry);
  // What Commit would do, read from the held files, the disk and the
  // command set; changes nothing.
  FinishPlan Preview(const std::string& company, const std::string& application, const CommandEntry& entry);
  // Takes back a run that will not be committed: nothing but the run's
  // directories is on disk yet.
  void Abandon();
  // Whether another Finish kept the project locked: this one is then not
  // to be committed.
  bool ProjectBusy() const { return projectBusy_; }

 private:
  FinishJournal Prepare(const std::string& company, const std::string& application,
                        const CommandEntry& entry);
  void WriteJournal(const FinishJournal& journal);
  void DeleteJournal();
  void PutInPlace();
  void StopHolding();

  Host& host_;
  std::string project_;
  std::vector<std::string> createdDirectories_;
  std::unique_ptr<FileLock> projectLock_;
  bool projectBusy_ = false;
  std::string journalPath_;
  // Held while the journal exists: it tells recovery this run is alive.
  std::unique_ptr<FileLock> journalLock_;
  // What the host held before this transaction, when it held anything.
  std::optional<StagedFileSystem::Mark> heldBefore_;
  // Why the journal could not be written; the run is then not committed.
  std::optional<VbError> journalError_;
};

}  // namespace verbsmith
