#pragma once
// The profile-string functions on INI files reached through the FileSystem
// port, so paths are Windows-form and every write is atomic. Lines are
// rewritten only where a key changes or is added: comments, blank lines,
// other sections and lines this reader cannot parse stay as they stand.

#include <string>

#include "platform/file_system.h"
#include "platform/profile_files.h"

namespace verbsmith {

class IniProfileFiles : public ProfileFiles {
 public:
  explicit IniProfileFiles(FileSystem& fs) : fs_(fs) {}

  // Section and key names match without regard to case. A replaced key keeps
  // the spelling it had in the file; a new key goes after the last non-blank
  // line of its section; a new section goes at the end of the file. A new
  // file gets CR LF line ends, an existing one keeps its own.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) override;
  bool WriteStrings(const std::string& section, const KeyValues& keys, const std::string& file) override;
  // Blanks around the value are dropped, and one pair of matching quotes
  // (single or double) around it. Any failure to read gives the default.
  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                        const std::string& file, size_t maxLength) override;

 private:
  FileSystem& fs_;
};

}  // namespace verbsmith
