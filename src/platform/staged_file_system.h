#pragma once
// A file system that holds the files and directories made through it in
// memory until Commit, over another file system that serves everything
// else. A project is rendered into one so that no file the user keeps ever
// holds a half-made text (a raw template before its rewrite): Commit puts
// each finished file in place with one atomic replacement. A render that is
// never committed (a templates check) touches the disk only to read.
//
// The same layer lets a wizard run be all-or-nothing: it passes every call
// through until the run's Finish starts holding, and the Finish then puts
// what it holds in place itself, journalled, or discards it. Deletions are
// held too; temporary files (CreateTempFile) are scratch, not output, and
// always live beneath, where a compiler can read and write them.
//
// Failures keep the numbers the file system beneath would give at the time
// of the call: a write into a directory that does not exist fails at once
// with 76, a copy of a missing file with 53.

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace verbsmith {

class StagedFileSystem : public FileSystem {
 public:
  explicit StagedFileSystem(FileSystem& inner, bool holding = true) : inner_(inner), holding_(holding) {}

  struct HeldFile {
    std::string path;  // as first given
    std::string bytes;
    std::size_t order;
  };

  // What Commit would do: the directories to make, then the files to write
  // (in the order first made) and the files to delete.
  struct Plan {
    std::vector<std::string> directories;
    std::vector<std::pair<std::string, std::string>> writes;  // path, bytes
    std::vector<std::string> deletes;
  };

  std::vector<std::string> List(const std::string& pattern, uint32_t attributes) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  uint32_t GetAttributes(const std::string& path) override;
  void SetAttributes(const std::string& path, uint32_t attributes) override;
  void DeleteFile(const std::string& path) override;
  void MakeDirectory(const std::string& path) override;
  void RemoveDirectory(const std::string& path) override;
  std::string CurrentDirectory() override { return inner_.CurrentDirectory(); }
  void SetCurrentDirectory(const std::string& path) override { inner_.SetCurrentDirectory(path); }
  std::string CreateTempFile(const std::string& directory, const std::string& prefix) override;
  std::string ReadText(const std::string& path) override;
  void WriteText(const std::string& path, const std::string& text) override;
  std::string ReadBytes(const std::string& path) override;
  void WriteBytes(const std::string& path, const std::string& bytes) override;
  // A held directory is as writable as the nearest one beneath.
  void CheckWritable(const std::string& directory) override;
  std::string HostPath(const std::string& windowsPath) override { return inner_.HostPath(windowsPath); }
  std::string ResolvedPath(const std::string& path) override { return inner_.ResolvedPath(path); }
  std::string WindowsPathOf(const std::string& hostPath) override { return inner_.WindowsPathOf(hostPath); }

  // Makes the held directories, then writes each held file in the order it
  // was first made, each through the file system beneath (which replaces
  // a file atomically). The first failure stops the commit: a VbError of
  // the same number whose description starts with the path it concerns;
  // files written before it stay.
  void Commit();

  // The held files in the order they were first made, Windows form.
  std::vector<std::string> HeldFiles() const;
  Plan Pending() const;
  // Forgets everything held.
  void Discard();
  // Whether calls are held; switching either way forgets what is held.
  void SetHolding(bool holding);
  bool Holding() const { return holding_; }

  // What is held at one moment, to go back to: a run that holds everything
  // from its start (a dry run) previews its Finish more than once.
  struct Mark {
    std::map<std::string, HeldFile> files;
    std::vector<std::string> directories;
    std::set<std::string> directoryKeys;
    std::size_t nextOrder = 0;
    std::map<std::string, std::string> deleted;
  };
  Mark Marked() const;
  void BackTo(const Mark& mark);
  FileSystem& Beneath() { return inner_; }

 private:
  // Whether the directory exists here or beneath.
  bool HasDirectory(const std::string& directory);
  void Hold(const std::string& path, std::string bytes);
  const HeldFile* Find(const std::string& path) const;
  bool Deleted(const std::string& path) const;
  // Throws 53 for a path in a directory that is only held.
  void FailIfOnlyHeld(const std::string& path) const;
  bool Scratch(const std::string& path) const;
  // The path beneath, whether or not it is held (a scratch file, or every
  // path while nothing is held).
  bool PassesThrough(const std::string& path) const { return !holding_ || Scratch(path); }
  void HoldDeletion(const std::string& path);

  FileSystem& inner_;
  // Keyed by the path folded to one case and one separator.
  std::map<std::string, HeldFile> files_;
  std::vector<std::string> directories_;  // as given, in the order made
  std::set<std::string> directoryKeys_;
  std::size_t nextOrder_ = 0;
  std::map<std::string, std::string> deleted_;  // key, path as given
  std::set<std::string> scratch_;
  bool holding_;
};

}  // namespace verbsmith
