#include "platform/posix/path_mapper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/vb_error.h"
#include "support/current_directory_guard.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;

// A Wine prefix whose C: is drive_c and D: a directory elsewhere.
class PathMapperTest : public ::testing::Test {
 protected:
  PathMapperTest() : mapper_(dir_.HostPath("prefix")) {
    dir_.MakeDir("prefix/dosdevices");
    dir_.MakeDir("prefix/drive_c");
    dir_.MakeDir("data");
    fs::create_directory_symlink("../drive_c", dir_.HostPath("prefix/dosdevices/c:"));
    fs::create_directory_symlink(dir_.HostPath("data"), dir_.HostPath("prefix/dosdevices/d:"));
    dir_.Write("prefix/drive_c/Proj/src/Logo.bmp", "BM");
    dir_.Write("data/Readme.txt", "x");
  }

  int32_t ErrorNumberOf(const std::string& windowsPath) {
    try {
      mapper_.ToHost(windowsPath);
    } catch (const VbError& error) {
      return error.Number();
    }
    return 0;
  }

  test::TempDir dir_;
  PathMapper mapper_;
};

using test::CurrentDirectoryGuard;

TEST_F(PathMapperTest, MapsDrivesThroughTheDosdevicesLinksAndZToTheHostRoot) {
  const std::pair<std::string, fs::path> cases[] = {
      {"Z:\\", "/"},
      {"z:/", "/"},
      {dir_.WindowsPath("data\\Readme.txt"), dir_.HostPath("data/Readme.txt")},
      {"C:\\Proj\\src\\Logo.bmp", dir_.HostPath("prefix/drive_c/Proj/src/Logo.bmp")},
      {"D:\\Readme.txt", dir_.HostPath("data/Readme.txt")},
      {"c:\\", dir_.HostPath("prefix/drive_c")},
      // A missing name falls back to a case-insensitive match...
      {"C:\\PROJ\\SRC\\LOGO.BMP", dir_.HostPath("prefix/drive_c/Proj/src/Logo.bmp")},
      {"d:\\README.TXT", dir_.HostPath("data/Readme.txt")},
      // ...and a file yet to be made keeps its name under the matched parents.
      {"C:\\proj\\SRC\\NewCmd.cls", dir_.HostPath("prefix/drive_c/Proj/src/NewCmd.cls")},
      {"C:\\proj\\New\\Deeper\\x.txt", dir_.HostPath("prefix/drive_c/Proj/New/Deeper/x.txt")},
      // "." and ".." fold away inside the drive...
      {"C:\\Proj\\.\\bin\\..\\src\\Logo.bmp", dir_.HostPath("prefix/drive_c/Proj/src/Logo.bmp")},
  };
  for (const auto& [windows, host] : cases) {
    EXPECT_EQ(mapper_.ToHost(windows), host) << windows;
  }
  // ...and a climb above its root is refused, where Windows would stay there.
  EXPECT_EQ(ErrorNumberOf("C:\\..\\..\\Proj"), vberr::kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumberOf("C:\\Proj\\..\\..\\Proj"), vberr::kBadFileNameOrNumber);
}

TEST_F(PathMapperTest, ExactNameWinsOverACaseVariant) {
  dir_.Write("data/readme.txt", "y");
  EXPECT_EQ(mapper_.ToHost("D:\\readme.txt"), dir_.HostPath("data/readme.txt"));
  EXPECT_EQ(mapper_.ToHost("D:\\Readme.txt"), dir_.HostPath("data/Readme.txt"));
}

TEST_F(PathMapperTest, RefusesBadNamesUnknownDrivesAndNetworkPaths) {
  for (const std::string bad :
       {"", "C:\\a<b", "C:\\a|b", "C:\\a\"b", "C:\\x\\*.txt", "C:\\x\\a?.txt", "C:\\x\\a:b", "C:\\a\tb"}) {
    EXPECT_EQ(ErrorNumberOf(bad), 52) << bad;
  }
  EXPECT_EQ(ErrorNumberOf(std::string("C:\\a\0b", 6)), 52);
  EXPECT_EQ(ErrorNumberOf("\\\\server\\share\\x"), 76);
  EXPECT_EQ(ErrorNumberOf("Q:\\anything"), 76);
  PathMapper withoutPrefix(dir_.HostPath("no-such-prefix"));
  EXPECT_THROW(withoutPrefix.ToHost("C:\\x"), VbError);
}

TEST_F(PathMapperTest, RelativePathsStartAtTheCurrentDirectory) {
  CurrentDirectoryGuard guard;
  fs::current_path(dir_.HostPath("prefix/drive_c/Proj"));
  EXPECT_EQ(mapper_.ToHost("src\\Logo.bmp"), dir_.HostPath("prefix/drive_c/Proj/src/Logo.bmp"));
  EXPECT_EQ(mapper_.ToHost("..\\Proj\\src"), dir_.HostPath("prefix/drive_c/Proj/src"));
  EXPECT_EQ(mapper_.ToHost("C:src"), dir_.HostPath("prefix/drive_c/Proj/src"));
  // Rooted without a drive: the current drive's root.
  EXPECT_EQ(mapper_.ToHost("\\Proj"), dir_.HostPath("prefix/drive_c/Proj"));
  // Another drive without a root starts at that drive's root.
  EXPECT_EQ(mapper_.ToHost("D:Readme.txt"), dir_.HostPath("data/Readme.txt"));
  EXPECT_EQ(mapper_.ToWindows("src"), "C:\\Proj\\src");
}

TEST_F(PathMapperTest, HostPathsMapBackToTheirDriveOrZ) {
  EXPECT_EQ(mapper_.ToWindows("/home/u/p"), "Z:\\home\\u\\p");
  EXPECT_EQ(mapper_.ToWindows("/"), "Z:\\");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("data") / ".." / "prefix"), dir_.WindowsPath() + "\\prefix");
  // Inside a drive: that drive's letter.
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c/Proj/src")), "C:\\Proj\\src");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c")), "C:\\");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/dosdevices/c:/Proj/new.txt")), "C:\\Proj\\new.txt");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("data/Readme.txt")), "D:\\Readme.txt");
  // The deepest drive wins when drives nest.
  fs::create_directory_symlink("../drive_c/Proj", dir_.HostPath("prefix/dosdevices/p:"));
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c/Proj/src")), "P:\\src");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c/Other")), "C:\\Other");
}

TEST_F(PathMapperTest, MappingThereAndBackGivesTheSamePath) {
  for (const std::string path : {"C:\\Proj\\src\\Logo.bmp", "D:\\Readme.txt", "C:\\Proj\\new\\file.cls"}) {
    EXPECT_EQ(mapper_.ToWindows(mapper_.ToHost(path)), path);
  }
}

}  // namespace
}  // namespace verbsmith
