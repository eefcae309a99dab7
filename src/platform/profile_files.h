#pragma once
// The Windows profile-string functions on "ini" files (Windows-form paths).

#include <string>
#include <utility>
#include <vector>

namespace verbsmith {

class ProfileFiles {
 public:
  virtual ~ProfileFiles() = default;

  // WritePrivateProfileString: creates the file and the section as needed and
  // replaces a key matched without regard to case; every other line stays
  // where it was. Returns false when the file cannot be written.
  virtual bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                           const std::string& file) = 0;
  // The same for several keys of one section, in order, as one write of the
  // file: it is replaced once, and reaches the disk once.
  using KeyValues = std::vector<std::pair<std::string, std::string>>;
  virtual bool WriteStrings(const std::string& section, const KeyValues& keys, const std::string& file) {
    for (const auto& [key, value] : keys) {
      if (!WriteString(section, key, value, file)) return false;
    }
    return true;
  }
  // GetPrivateProfileString: the value, or the default when the file, the
  // section or the key is missing; cut to maxLength - 1 characters.
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue, const std::string& file,
                                size_t maxLength) = 0;
};

}  // namespace verbsmith
