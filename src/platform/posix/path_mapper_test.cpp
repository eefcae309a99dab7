#include "platform/posix/path_mapper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/vb_error.h"
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

// Restores the process's current directory after a test moves it.
class CurrentDirectoryGuard {
 public:
  CurrentDirectoryGuard() : saved_(fs::current_path()) {}
  ~CurrentDirectoryGuard() { fs::current_path(saved_); }
  CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
  CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

 private:
  fs::path saved_;
};

TEST_F(PathMapperTest, DriveZIsTheHostRoot) {
  EXPECT_EQ(mapper_.ToHost("Z:\\"), fs::path("/"));
  EXPECT_EQ(mapper_.ToHost(dir_.WindowsPath("data\\Readme.txt")), dir_.HostPath("data/Readme.txt"));
  EXPECT_EQ(mapper_.ToHost("z:/"), fs::path("/"));
}

TEST_F(PathMapperTest, OtherDrivesGoThroughTheDosdevicesLinks) {
  EXPECT_EQ(mapper_.ToHost("C:\\Proj\\src\\Logo.bmp"), dir_.HostPath("prefix/drive_c/Proj/src/Logo.bmp"));
  EXPECT_EQ(mapper_.ToHost("D:\\Readme.txt"), dir_.HostPath("data/Readme.txt"));
  EXPECT_EQ(mapper_.ToHost("c:\\"), dir_.HostPath("prefix/drive_c"));
}

TEST_F(PathMapperTest, DriveWithoutALinkIsPathNotFound) {
  EXPECT_EQ(ErrorNumberOf("Q:\\anything"), 76);
  PathMapper withoutPrefix(dir_.HostPath("no-such-prefix"));
  EXPECT_THROW(withoutPrefix.ToHost("C:\\x"), VbError);
}

TEST_F(PathMapperTest, MissingNamesFallBackToACaseInsensitiveMatch) {
  EXPECT_EQ(mapper_.ToHost("C:\\PROJ\\SRC\\LOGO.BMP"), dir_.HostPath("prefix/drive_c/Proj/src/Logo.bmp"));
  EXPECT_EQ(mapper_.ToHost("d:\\README.TXT"), dir_.HostPath("data/Readme.txt"));
}

TEST_F(PathMapperTest, ExactNameWinsOverACaseVariant) {
  dir_.Write("data/readme.txt", "y");
  EXPECT_EQ(mapper_.ToHost("D:\\readme.txt"), dir_.HostPath("data/readme.txt"));
  EXPECT_EQ(mapper_.ToHost("D:\\Readme.txt"), dir_.HostPath("data/Readme.txt"));
}

TEST_F(PathMapperTest, FileToBeCreatedKeepsItsNameUnderTheMatchedParents) {
  EXPECT_EQ(mapper_.ToHost("C:\\proj\\SRC\\NewCmd.cls"), dir_.HostPath("prefix/drive_c/Proj/src/NewCmd.cls"));
  EXPECT_EQ(mapper_.ToHost("C:\\proj\\New\\Deeper\\x.txt"),
            dir_.HostPath("prefix/drive_c/Proj/New/Deeper/x.txt"));
}

TEST_F(PathMapperTest, DotAndDotDotAreFoldedAway) {
  EXPECT_EQ(mapper_.ToHost("C:\\Proj\\.\\bin\\..\\src\\Logo.bmp"),
            dir_.HostPath("prefix/drive_c/Proj/src/Logo.bmp"));
  EXPECT_EQ(mapper_.ToHost("C:\\..\\..\\Proj"), dir_.HostPath("prefix/drive_c/Proj"));
}

TEST_F(PathMapperTest, NamesWindowsRefusesAreBadFileNames) {
  EXPECT_EQ(ErrorNumberOf(""), 52);
  EXPECT_EQ(ErrorNumberOf("C:\\a<b"), 52);
  EXPECT_EQ(ErrorNumberOf("C:\\a|b"), 52);
  EXPECT_EQ(ErrorNumberOf("C:\\a\"b"), 52);
  EXPECT_EQ(ErrorNumberOf("C:\\x\\*.txt"), 52);
  EXPECT_EQ(ErrorNumberOf("C:\\x\\a?.txt"), 52);
  EXPECT_EQ(ErrorNumberOf("C:\\x\\a:b"), 52);
  EXPECT_EQ(ErrorNumberOf(std::string("C:\\a\0b", 6)), 52);
  EXPECT_EQ(ErrorNumberOf("C:\\a\tb"), 52);
}

TEST_F(PathMapperTest, NetworkPathsAreNotFound) {
  EXPECT_EQ(ErrorNumberOf("\\\\server\\share\\x"), 76);
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
}

TEST_F(PathMapperTest, HostPathsOutsideEveryDriveAreOnZ) {
  EXPECT_EQ(mapper_.ToWindows("/home/u/p"), "Z:\\home\\u\\p");
  EXPECT_EQ(mapper_.ToWindows("/"), "Z:\\");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("data") / ".." / "prefix"), dir_.WindowsPath() + "\\prefix");
}

TEST_F(PathMapperTest, HostPathsInsideADriveMapBackToItsLetter) {
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c/Proj/src")), "C:\\Proj\\src");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c")), "C:\\");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/dosdevices/c:/Proj/new.txt")), "C:\\Proj\\new.txt");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("data/Readme.txt")), "D:\\Readme.txt");
}

TEST_F(PathMapperTest, TheDeepestDriveWinsWhenDrivesNest) {
  fs::create_directory_symlink("../drive_c/Proj", dir_.HostPath("prefix/dosdevices/p:"));
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c/Proj/src")), "P:\\src");
  EXPECT_EQ(mapper_.ToWindows(dir_.HostPath("prefix/drive_c/Other")), "C:\\Other");
}

TEST_F(PathMapperTest, RelativeHostPathsStartAtTheCurrentDirectory) {
  CurrentDirectoryGuard guard;
  fs::current_path(dir_.HostPath("data"));
  EXPECT_EQ(mapper_.ToWindows("Readme.txt"), "D:\\Readme.txt");
}

TEST_F(PathMapperTest, MappingThereAndBackGivesTheSamePath) {
  for (const std::string path : {"C:\\Proj\\src\\Logo.bmp", "D:\\Readme.txt", "C:\\Proj\\new\\file.cls"}) {
    EXPECT_EQ(mapper_.ToWindows(mapper_.ToHost(path)), path);
  }
}

TEST(PathMapperEnvironmentTest, PrefixComesFromWineprefixOrHome) {
  const PathMapper mapper = PathMapper::FromEnvironment();
  EXPECT_FALSE(mapper.WinePrefix().empty());
}

}  // namespace
}  // namespace verbsmith
