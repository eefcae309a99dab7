#pragma once
// The file system port held in memory, for tests that need files but not a
// disk. It keeps the port's contract: Windows-form paths ("C:\p\x.cls",
// "\p" on the current drive, "x" below the current directory, "/" as a
// separator), names found whatever their case, wildcard listings, the
// read-only attribute (hidden for names starting with a dot), temporary
// files, text stored as Windows-1252, and the adapter's error numbers.
// Every drive's root exists; the current directory starts at "C:\".

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace verbsmith::test {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem() = default;
  MemoryFileSystem(const MemoryFileSystem&) = delete;
  MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

  std::vector<std::string> List(const std::string& pattern, uint32_t attributes) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  uint32_t GetAttributes(const std::string& path) override;
  void SetAttributes(const std::string& path, uint32_t attributes) override;
  void DeleteFile(const std::string& path) override;
  void MakeDirectory(const std::string& path) override;
  void RemoveDirectory(const std::string& path) override;
  std::string CurrentDirectory() override { return current_; }
  void SetCurrentDirectory(const std::string& path) override;
  std::string CreateTempFile(const std::string& directory, const std::string& prefix) override;
  std::string ReadText(const std::string& path) override;
  void WriteText(const std::string& path, const std::string& text) override;
  std::string ReadBytes(const std::string& path) override;
  void WriteBytes(const std::string& path, const std::string& bytes) override;

  // Called with the operation's name ("ReadText", "WriteBytes", ...) and its
  // path before each call; a test makes a call fail by throwing from it.
  std::function<void(std::string_view operation, const std::string& path)> beforeEach;

  // For setting up and looking at a test's files, whatever beforeEach says:
  // writes bytes, making the parent directories; makes a directory and its
  // parents; reads bytes ("" when missing); tells whether a file or
  // directory exists.
  void Put(const std::string& path, std::string_view bytes);
  void PutDirectory(const std::string& path);
  std::string Get(const std::string& path) const;
  bool Exists(const std::string& path) const;

 private:
  struct Entry {
    std::string name;  // the last component as created
    bool directory = false;
    bool readOnly = false;
    std::string bytes;
  };
  // A path made full: the drive letter (upper case) and its components.
  struct Path {
    char drive = 'C';
    std::vector<std::string> components;
  };

  Path Resolve(std::string_view path, bool allowWildcards = false) const;
  static std::u32string Key(const Path& path);
  static std::string Text(const Path& path);
  static Path Parent(Path path);
  void Before(std::string_view operation, const std::string& path) const;
  const Entry* Find(const Path& path) const;
  Entry* Find(const Path& path);
  bool IsDirectory(const Path& path) const;
  // The entry, or the error a missing one gives: 53, or 76 when its parent
  // directory is missing too.
  Entry& Existing(const Path& path);
  void Store(const Path& path, std::string bytes, bool keepReadOnly, bool readOnly);

  std::map<std::u32string, Entry> entries_;  // by Key
  std::string current_ = "C:\\";
  unsigned lastTempNumber_ = 0;
};

// A test's directory inside a MemoryFileSystem, with the helpers of TempDir:
// relative paths use '/' and name entries below the root.
class MemoryDir {
 public:
  explicit MemoryDir(MemoryFileSystem& fs, std::string root = "C:\\t") : fs_(fs), root_(std::move(root)) {
    fs_.PutDirectory(root_);
  }

  // The root, without a trailing backslash.
  std::string WindowsPath() const { return root_; }
  // A path below the root in Windows form; an empty relativePath gives the
  // root with a trailing backslash.
  std::string WindowsPath(std::string_view relativePath) const;
  void Write(std::string_view relativePath, std::string_view bytes) const;
  std::string Read(std::string_view relativePath) const;
  bool Exists(std::string_view relativePath) const;
  void MakeDir(std::string_view relativePath) const;
  // Copies a directory of the source tree (relative to its root) here.
  void CopyFromSourceTree(std::string_view sourcePath, std::string_view relativePath) const;

 private:
  MemoryFileSystem& fs_;
  std::string root_;
};

}  // namespace verbsmith::test
