#pragma once
// Per-user settings, as Visual Basic's GetSetting and SaveSetting.

#include <string>

namespace verbsmith {

class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string GetSetting(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) = 0;
  // Throws VbError when the setting cannot be stored.
  virtual void SaveSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace verbsmith
