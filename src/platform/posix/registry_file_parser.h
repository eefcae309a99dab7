#pragma once
// Reads the two text forms registry data comes in on a Linux machine: Wine's
// own hive files (system.reg, user.reg) and regedit export files (REGEDIT4
// in Windows-1252, "Version 5.00" in UTF-16LE or UTF-8).

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/registry_tree.h"

namespace verbsmith {

// A file that is not a registry file, or breaks its rules somewhere.
class RegistryParseError : public std::runtime_error {
 public:
  RegistryParseError(std::string fileName, size_t line, const std::string& reason);
  const std::string& FileName() const { return fileName_; }
  // 1-based; the line on which the fault starts.
  size_t Line() const { return line_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string fileName_;
  size_t line_;
  std::string reason_;
};

enum class RegistryHive { kMachine, kUser };

// A key or value an export file removes ("[-HKEY_...]", "name"=-). It is
// applied to what earlier files loaded; the parsed trees have it already.
struct RegistryDeletion {
  RegistryHive hive = RegistryHive::kMachine;
  std::vector<std::string> foldedPath;  // never empty
  std::optional<std::string> foldedValueName;
};

struct ParsedRegistryFile {
  // Roots of the two hives; the classes root lives under
  // machine\SOFTWARE\Classes and user\Software\Classes.
  RegistryNode machine;
  RegistryNode user;
  std::vector<RegistryDeletion> deletions;
};

// Parses a whole file. fileName is used in errors, and tells a Wine user
// hive ("user.reg") from a machine hive when the file does not say.
// Throws RegistryParseError; it never returns part of a file.
ParsedRegistryFile ParseRegistryFile(std::string_view bytes, std::string_view fileName);

}  // namespace verbsmith
