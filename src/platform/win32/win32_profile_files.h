#pragma once
// The profile files port on Windows: the system's own profile-string
// functions, so the INI rules are Windows' own.

#include "platform/profile_files.h"

namespace verbsmith {

class Win32ProfileFiles final : public ProfileFiles {
 public:
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) override;
  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                        const std::string& file, size_t maxLength) override;
};

}  // namespace verbsmith
