#include "wizard/finish_journal.h"

#include <nlohmann/json.hpp>

#include "base/strings.h"
#include "base/vb_error.h"
#include "managers/command_entry_json.h"
#include "platform/command_set_lookup.h"
#include "wizard/run_directories.h"

namespace verbsmith {

namespace {

using nlohmann::json;

constexpr int kJournalVersion = 1;
constexpr std::string_view kJournalPattern = "finish-*.json";

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
  if (hex.size() % 2 != 0) throw VbError::Standard(vberr::kPathFileAccessError);
  std::string bytes;
  bytes.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) throw VbError::Standard(vberr::kPathFileAccessError);
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
                        {"company", company},
                        {"application", application},
                        {"progId", progId},
                        {"registering", registering},
                        {"entryBefore", entryBefore ? EntryJson(*entryBefore) : json(nullptr)},
                        {"createdDirectories", createdDirectories},
                        {"files", files}};
  return journal.dump(1) + "\n";
}

FinishJournal FinishJournal::FromJson(const std::string& text) {
  try {
    const json journal = json::parse(text);
    if (journal.at("version").get<int>() != kJournalVersion)
      throw VbError::Standard(vberr::kPathFileAccessError);
    FinishJournal result;
    result.process = journal.at("process").get<ProcessId>();
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
    throw VbError::Standard(vberr::kPathFileAccessError);
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
      } else if (FindCommandByProgId(*set, journal.progId)) {
        set->RemoveCommand(journal.progId);
      }
    });
  RemoveCreatedDirectories(host.fs, journal.createdDirectories);
  attempt.Rethrow();
}

std::vector<std::string> UndoInterruptedFinishes(Host& host) {
  std::vector<std::string> said;
  const std::string& directory = host.journalDirectory;
  if (directory.empty()) return said;
  std::vector<std::string> names;
  try {
    names = host.fs.List(directory + std::string(kJournalPattern), 0);
  } catch (const VbError&) {
    return said;
  }
  for (const std::string& name : names) {
    const std::string path = directory + name;
    try {
      const FinishJournal journal = FinishJournal::FromJson(host.fs.ReadText(path));
      if (journal.process != host.processes.Self() && host.processes.IsRunning(journal.process)) continue;
      UndoFinish(host, journal);
      host.fs.DeleteFile(path);
      said.push_back(journal.registering
                         ? "an interrupted Finish was undone: " + journal.progId + " is " +
                               (journal.entryBefore ? "back as it was" : "not registered") +
                               " and its files are as they were before"
                         : "an interrupted Finish was undone: the directories it made are removed");
    } catch (const VbError& error) {
      said.push_back("an interrupted Finish could not be undone (" + path + "): " + error.Description() +
                     "; it is tried again at the next start");
    }
  }
  return said;
}

}  // namespace verbsmith
