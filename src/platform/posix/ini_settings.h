#pragma once
// Per-user settings kept in one INI file: the setting (application, section,
// key) is key "key" of section "application\section".

#include <string>

#include "platform/file_system.h"
#include "platform/posix/ini_profile_files.h"
#include "platform/posix/user_directories.h"
#include "platform/settings.h"

namespace verbsmith {

class IniSettings : public Settings {
 public:
  // file is the INI file in Windows form; its directory is made on the first
  // save when it is missing.
  IniSettings(FileSystem& fs, std::string file);

  std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
  // Throws VbError 75 when the file cannot be written.
  void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                   const std::string& value) override;

  const std::string& File() const { return file_; }

 private:
  FileSystem& fs_;
  IniProfileFiles profiles_;
  std::string file_;
};

// The settings file in Windows form: carthex-verbsmith/settings.ini under
// the user's configuration directory.
std::string DefaultSettingsFile(const UserDirectories& dirs);

}  // namespace verbsmith
