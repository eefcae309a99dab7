#include "wizard/run_directories.h"

#include <nlohmann/json.hpp>

#include "base/vb_error.h"

namespace verbsmith {

namespace {

using nlohmann::json;

constexpr std::string_view kRecordPattern = "run-*.json";

// The disk itself, past a Finish that holds its changes.
FileSystem& Disk(Host& host) {
  return host.staging != nullptr ? host.staging->Beneath() : host.fs;
}

std::string RecordPath(Host& host) {
  return host.journalDirectory + "run-" + std::to_string(host.processes.Self()) + ".json";
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + text;
  return joined;
}

}  // namespace

void RemoveCreatedDirectories(FileSystem& fs, const std::vector<std::string>& directories) {
  for (auto it = directories.rbegin(); it != directories.rend(); ++it) {
    try {
      fs.RemoveDirectory(*it);
    } catch (const VbError&) {
      // Gone already, or someone put something in it: it stays.
    }
  }
}

void RunDirectories::Make(const std::string& path) {
  if (host_.staging != nullptr && host_.staging->Holding()) return host_.fs.MakeDirectory(path);
  made_.push_back(path);
  // Without a record only a killed run would leave the directory behind.
  RecordIgnoringFailure();
  try {
    Disk(host_).MakeDirectory(path);
  } catch (const VbError&) {
    made_.pop_back();
    RecordIgnoringFailure();
    throw;
  }
}

void RunDirectories::Keep() {
  made_.clear();
  RecordIgnoringFailure();
}

void RunDirectories::Remove() {
  RemoveCreatedDirectories(Disk(host_), made_);
  Keep();
}

void RunDirectories::RecordIgnoringFailure() {
  try {
    Record();
  } catch (const VbError&) {
    // A record left behind names directories that are kept or gone; the
    // next start finds them so and leaves them.
  }
}

void RunDirectories::Record() {
  if (host_.journalDirectory.empty()) return;
  FileSystem& disk = Disk(host_);
  if (made_.empty()) return DeleteIfThere(disk, RecordPath(host_));
  MakeDirectoryPath(disk, host_.journalDirectory);
  const json record = {{"process", host_.processes.Self()}, {"directories", made_}};
  disk.WriteBytes(RecordPath(host_), record.dump(1, ' ', false, json::error_handler_t::replace) + "\n");
}

std::vector<std::string> RemoveDirectoriesOfEndedRuns(Host& host) {
  std::vector<std::string> said;
  if (host.journalDirectory.empty()) return said;
  FileSystem& disk = Disk(host);
  std::vector<std::string> names;
  try {
    names = disk.List(host.journalDirectory + std::string(kRecordPattern), 0);
  } catch (const VbError&) {
    return said;
  }
  for (const std::string& name : names) {
    const std::string path = host.journalDirectory + name;
    try {
      const json record = json::parse(disk.ReadBytes(path));
      const auto process = record.at("process").get<ProcessId>();
      if (process != host.processes.Self() && host.processes.IsRunning(process)) continue;
      const auto directories = record.at("directories").get<std::vector<std::string>>();
      std::vector<std::string> there;
      for (const std::string& directory : directories) {
        if (DirectoryExists(disk, directory)) there.push_back(directory);
      }
      RemoveCreatedDirectories(disk, there);
      std::erase_if(there, [&](const std::string& directory) { return DirectoryExists(disk, directory); });
      if (!there.empty())
        said.push_back("the directories an interrupted run made are removed: " + Joined(there));
    } catch (const json::exception&) {
      said.push_back("a record of an interrupted run cannot be read and is dropped: " + path);
    } catch (const VbError& error) {
      said.push_back("a record of an interrupted run cannot be read (" + path + "): " + error.Description());
      continue;
    }
    DeleteIfThere(disk, path);
  }
  return said;
}

}  // namespace verbsmith
