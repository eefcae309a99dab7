#include "platform/posix/ini_settings.h"

#include <algorithm>
#include <utility>

#include "base/vb_error.h"

namespace verbsmith {

namespace {

// Settings are short; this only keeps a damaged file from giving a huge one.
constexpr size_t kLongestSetting = 32768;

std::string SectionOf(const std::string& application, const std::string& section) {
  return application + "\\" + section;
}

}  // namespace

IniSettings::IniSettings(FileSystem& fs, std::string file) : fs_(fs), profiles_(fs), file_(std::move(file)) {}

std::string IniSettings::GetSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) {
  return profiles_.GetString(SectionOf(application, section), key, defaultValue, file_, kLongestSetting);
}

void IniSettings::SaveSetting(const std::string& application, const std::string& section,
                              const std::string& key, const std::string& value) {
  if (profiles_.WriteString(SectionOf(application, section), key, value, file_)) return;
  // A real failure shows when the file is written.
  MakeDirectoryPath(fs_, file_.substr(0, file_.rfind('\\')));
  if (profiles_.WriteString(SectionOf(application, section), key, value, file_)) return;
  throw VbError(vberr::kPathFileAccessError, "Settings",
                VbErrorText(vberr::kPathFileAccessError) + ": " + file_);
}

std::string DefaultSettingsFile(const UserDirectories& dirs) {
  std::string path = (dirs.configHome == "/" ? "" : dirs.configHome) + "/carthex-verbsmith/settings.ini";
  std::replace(path.begin(), path.end(), '/', '\\');
  // Wine's Z: drive is the host root.
  return "Z:" + path;
}

}  // namespace verbsmith
