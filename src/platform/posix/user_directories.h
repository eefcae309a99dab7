#pragma once
// Where this user's files live, decided once from the environment by the
// XDG rules: a variable that is unset, empty or relative is ignored.

#include <functional>
#include <optional>
#include <string>

namespace verbsmith {

// Host paths, absolute, without a trailing slash (but for "/" itself).
struct UserDirectories {
  std::string home;        // $HOME, else the account's home, else "/"
  std::string configHome;  // $XDG_CONFIG_HOME, else home/.config
  std::string dataHome;    // $XDG_DATA_HOME, else home/.local/share
  std::string stateHome;   // $XDG_STATE_HOME, else home/.local/state
  std::string winePrefix;  // $WINEPREFIX, else home/.wine
};

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string&)>;

// accountHome is the password database's home of the user; empty when it
// has none.
UserDirectories FindUserDirectories(const EnvironmentLookup& getEnv, const std::string& accountHome);
// The directories of this process's environment and account.
UserDirectories UserDirectoriesOfThisProcess();

}  // namespace verbsmith
