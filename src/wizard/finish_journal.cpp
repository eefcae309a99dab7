#include "wizard/finish_journal.h"

#include <chrono>
#include <memory>
#include <nlohmann/json.hpp>

#include "base/strings.h"
#include "base/vb_error.h"
#include "managers/command_entry_json.h"
#include "wizard/finish_journal_paths.h"
#include "wizard/run_directories.h"

namespace verbsmith {

namespace {

using nlohmann::json;

// Version 1 journals were written in Windows-1252 and may hold "?" for a
// character that had no place there: they are not read.
constexpr int kJournalVersion = 2;
constexpr std::string_view kJournalPattern = "finish-*.json";

VbError Unreadable() {
  return VbError(vberr::kPathFileAccessError, "Verbsmith", "it cannot be read exactly");
}

// File contents are bytes (Windows-1252 text, bitmaps, resources); JSON
// strings are UTF-8, so they are kept as hex.
std::string Hex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const unsigned char c : bytes) {
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Unhex(const std::string& hex) {
  if (hex.size() % 2 != 0) throw Unreadable();
  std::string bytes;
  bytes.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) throw Unreadable();
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

// Runs each step, goes on past one that fails and rethrows the first
// failure once all have run.
class Attempts {
 public:
  template <class Step>
  void operator()(Step step) {
    try {
      step();
    } catch (const VbError& error) {
      if (!first_) first_ = error;
    }
  }
  void Rethrow() const {
    if (first_) throw *first_;
  }

 private:
  std::optional<VbError> first_;
};

}  // namespace

std::string FinishJournal::ToJson() const {
  json files = json::array();
  for (const File& file : this->files) {
    files.push_back({{"path", file.path}, {"before", file.before ? json(Hex(*file.before)) : json(nullptr)}});
  }
  const json journal = {{"version", kJournalVersion},
                        {"process", process},
                        {"project", project},
                        {"company", company},
                        {"application", application},
                        {"progId", progId},
                        {"registering", registering},
                        {"entryBefore", entryBefore ? EntryJson(*entryBefore) : json(nullptr)},
                        {"createdDirectories", createdDirectories},
                        {"files", files}};
  return journal.dump(1) + "\n";
}

FinishJournal FinishJournal::FromJson(const std::string& bytes) {
  try {
    // Text that is not UTF-8 fails to parse.
    const json journal = json::parse(bytes);
    if (journal.at("version").get<int>() != kJournalVersion) throw Unreadable();
    FinishJournal result;
    result.process = journal.at("process").get<ProcessId>();
    result.project = journal.at("project").get<std::string>();
    result.company = journal.at("company").get<std::string>();
    result.application = journal.at("application").get<std::string>();
    result.progId = journal.at("progId").get<std::string>();
    result.registering = journal.at("registering").get<bool>();
    if (!journal.at("entryBefore").is_null()) result.entryBefore = EntryOfJson(journal.at("entryBefore"));
    result.createdDirectories = journal.at("createdDirectories").get<std::vector<std::string>>();
    for (const json& file : journal.at("files")) {
      File entry{file.at("path").get<std::string>(), std::nullopt};
      if (!file.at("before").is_null()) entry.before = Unhex(file.at("before").get<std::string>());
      result.files.push_back(std::move(entry));
    }
    return result;
  } catch (const json::exception&) {
    throw Unreadable();
  }
}

void UndoFinish(Host& host, const FinishJournal& journal) {
  Attempts attempt;
  for (auto it = journal.files.rbegin(); it != journal.files.rend(); ++it) {
    const FinishJournal::File& file = *it;
    attempt([&] {
      if (file.before) {
        WriteReplacing(host.fs, file.path, *file.before);
      } else if (FileExists(host.fs, file.path)) {
        host.fs.DeleteFile(file.path);
      }
    });
  }
  if (journal.registering)
    attempt([&] {
      std::unique_ptr<CommandSet> set = host.commandSets.Create();
      set->OpenCommandSet(journal.company, journal.application);
      if (journal.entryBefore) {
        set->AddCommand(*journal.entryBefore);
      } else if (set->FindProgId(journal.progId)) {
        set->RemoveCommand(journal.progId);
      }
    });
  RemoveCreatedDirectories(host.fs, journal.createdDirectories);
  attempt.Rethrow();
}

namespace {

// What one taken-back journal leaves to say.
std::string Undone(const FinishJournal& journal) {
  const std::string prefix = "an interrupted Finish was undone: ";
  if (journal.registering) {
    return prefix + journal.progId + " is " + (journal.entryBefore ? "back as it was" : "not registered") +
           " and its files are as they were before";
  }
  if (journal.createdDirectories.empty()) return prefix + "it had changed nothing yet";
  return prefix + "the directories it made are removed";
}

// Takes back the run of one journal that its Finish no longer holds. What
// to say, or nothing when there is nothing to say.
std::optional<std::string> UndoJournal(Host& host, const std::string& path) {
  std::unique_ptr<FileLock> journalLock;
  try {
    journalLock = host.locks->Lock(path, std::chrono::milliseconds(0));
  } catch (const VbError& error) {
    // Another start has taken it back meanwhile.
    if (error.Number() == vberr::kFileNotFound) return std::nullopt;
    throw;
  }
  if (!journalLock) return std::nullopt;  // its Finish is still at work
  const std::string bytes = host.fs.ReadBytes(path);
  FinishJournal journal;
  try {
    journal = FinishJournal::FromJson(bytes);
    if (const auto foreign = ForeignPathOf(journal)) {
      throw VbError(vberr::kPathFileAccessError, "Verbsmith", "it names " + *foreign + ", outside its run");
    }
  } catch (const VbError& error) {
    return "a Finish journal is refused (" + path + "): " + error.Description() +
           "; nothing was changed, and the journal is kept";
  }
  std::unique_ptr<FileLock> projectLock;
  bool projectBusy = false;
  try {
    if (!journal.project.empty()) {
      projectLock = host.locks->Lock(journal.project, kProjectLockWait);
      projectBusy = !projectLock;
    }
  } catch (const VbError&) {
    // A project directory that is gone: nothing else is at work there.
  }
  if (projectBusy) {
    return "an interrupted Finish is taken back at the next start (" + path +
           "): another Finish is at work on " + journal.project;
  }
  UndoFinish(host, journal);
  host.fs.DeleteFile(path);
  return Undone(journal);
}

}  // namespace

std::vector<std::string> UndoInterruptedFinishes(Host& host) {
  std::vector<std::string> said;
  const std::string& directory = host.journalDirectory;
  if (directory.empty() || host.locks == nullptr) return said;
  std::vector<std::string> names;
  try {
    names = host.fs.List(directory + std::string(kJournalPattern), 0);
  } catch (const VbError&) {
    return said;
  }
  for (const std::string& name : names) {
    const std::string path = directory + name;
    try {
      if (auto line = UndoJournal(host, path)) said.push_back(std::move(*line));
    } catch (const VbError& error) {
      said.push_back("an interrupted Finish could not be undone (" + path + "): " + error.Description() +
                     "; it is tried again at the next start");
    }
  }
  return said;
}

}  // namespace verbsmith
