#pragma once
// Per-user settings where Visual Basic's GetSetting and SaveSetting keep
// them: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.

#include "platform/settings.h"

namespace verbsmith {

class Win32Settings final : public Settings {
 public:
  std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
  void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace verbsmith
