// Where this user's files live on Windows: the profile, the roaming and
// the local application data folders. There is no Wine prefix.

#include "platform/posix/user_directories.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace verbsmith {

namespace {

std::string Variable(const wchar_t* name) {
  wchar_t value[32768] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 32768);
  return length == 0 || length >= 32768 ? std::string() : Utf8(std::wstring_view(value, length));
}

}  // namespace

UserDirectories UserDirectoriesOfThisProcess() {
  UserDirectories dirs;
  dirs.home = Variable(L"USERPROFILE");
  dirs.configHome = Variable(L"APPDATA");
  dirs.dataHome = Variable(L"LOCALAPPDATA");
  if (dirs.dataHome.empty()) dirs.dataHome = dirs.home + "\\AppData\\Local";
  if (dirs.configHome.empty()) dirs.configHome = dirs.dataHome;
  dirs.stateHome = dirs.dataHome;
  return dirs;
}

}  // namespace verbsmith
