#include "platform/posix/user_directories.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace verbsmith {
namespace {

using Variables = std::map<std::string, std::string>;

UserDirectories Find(const Variables& variables, const std::string& accountHome = "/home/acct") {
  return FindUserDirectories(
      [&](const std::string& name) -> std::optional<std::string> {
        const auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional<std::string>(it->second);
      },
      accountHome);
}

TEST(UserDirectoriesTest, UnsetEmptyAndRelativeValuesAreIgnored) {
  for (const Variables& variables :
       {Variables{},
        Variables{{"HOME", ""}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}, {"WINEPREFIX", ""}},
        Variables{{"HOME", "home/u"},
                  {"XDG_CONFIG_HOME", "conf"},
                  {"XDG_DATA_HOME", "./data"},
                  {"WINEPREFIX", "wine"}}}) {
    SCOPED_TRACE(variables.empty() ? "unset" : variables.begin()->second);
    const UserDirectories dirs = Find(variables);
    EXPECT_EQ(dirs.home, "/home/acct");
    EXPECT_EQ(dirs.configHome, "/home/acct/.config");
    EXPECT_EQ(dirs.dataHome, "/home/acct/.local/share");
    EXPECT_EQ(dirs.winePrefix, "/home/acct/.wine");
  }
}

TEST(UserDirectoriesTest, AbsoluteValuesWinWithoutTheirTrailingSlashes) {
  const UserDirectories dirs = Find({{"HOME", "/home/u/"},
                                     {"XDG_CONFIG_HOME", "/srv/conf//"},
                                     {"XDG_DATA_HOME", "/"},
                                     {"WINEPREFIX", "/opt/wine"}});
  EXPECT_EQ(dirs.home, "/home/u");
  EXPECT_EQ(dirs.configHome, "/srv/conf");
  EXPECT_EQ(dirs.dataHome, "/");
  EXPECT_EQ(dirs.winePrefix, "/opt/wine");
  EXPECT_EQ(Find({{"HOME", "/home/u"}}).configHome, "/home/u/.config");
}

TEST(UserDirectoriesTest, WithoutAnyHomeTheRootStandsIn) {
  for (const char* account : {"", "relative"}) {
    const UserDirectories dirs = Find({{"HOME", ""}}, account);
    EXPECT_EQ(dirs.home, "/");
    EXPECT_EQ(dirs.configHome, "/.config");
    EXPECT_EQ(dirs.winePrefix, "/.wine");
  }
}

}  // namespace
}  // namespace verbsmith
