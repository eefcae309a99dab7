#include "platform/posix/posix_file_system.h"

#include <errno.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/vb_error.h"
#include "platform/posix/temp_file_registry.h"
#include "support/current_directory_guard.h"
#include "support/temp_dir.h"

namespace verbsmith {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  PosixFileSystemTest() : files_(PathMapper(dir_.HostPath("prefix"))) {}

  std::string Win(std::string_view relative) const { return dir_.WindowsPath(relative); }

  std::vector<std::string> EntriesOf(std::string_view relative) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.HostPath(relative))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  template <typename Operation>
  static int32_t ErrorNumberOf(Operation operation) {
    try {
      operation();
    } catch (const VbError& error) {
      EXPECT_EQ(error.Source(), "Verbsmith");
      return error.Number();
    }
    return 0;
  }

  static fs::perms Perms(const fs::path& path) { return fs::status(path).permissions(); }

  test::TempDir dir_;
  PosixFileSystem files_;
};

using test::CurrentDirectoryGuard;

// --- Listing

class PosixFileSystemListTest : public PosixFileSystemTest {
 protected:
  PosixFileSystemListTest() {
    dir_.Write("d/Logo.bmp", "");
    dir_.Write("d/logo1.bmp", "");
    dir_.Write("d/logo12.BMP", "");
    dir_.Write("d/README", "");
    dir_.Write("d/.hidden", "");
    dir_.MakeDir("d/src");
    dir_.MakeDir("d/Bin.old");
  }
};

TEST_F(PosixFileSystemListTest, ListsMatchesInCaseInsensitiveOrder) {
  using Names = std::vector<std::string>;
  const struct {
    const char* pattern;
    int32_t mask;
    Names names;
  } cases[] = {
      {"d\\*.*", attr::kNormal, {".hidden", "Logo.bmp", "logo1.bmp", "logo12.BMP", "README"}},
      // Directories only with the directory mask, and never "." or "..".
      {"d\\*.*",
       attr::kDirectory,
       {".hidden", "Bin.old", "Logo.bmp", "logo1.bmp", "logo12.BMP", "README", "src"}},
      {"d\\*.old", attr::kDirectory, {"Bin.old"}},
      {"d\\*.old", attr::kNormal, {}},
      {"d\\SRC", attr::kNormal, {}},
      {"d\\SRC", attr::kDirectory, {"src"}},
      {"d\\logo?.bmp", attr::kNormal, {"logo1.bmp"}},
      {"d\\logo??.bmp", attr::kNormal, {"logo12.BMP"}},
      // Pattern and directory ignore case.
      {"D\\LOGO*.BMP", attr::kNormal, {"Logo.bmp", "logo1.bmp", "logo12.BMP"}},
      {"d\\LOGO.BMP", attr::kNormal, {"Logo.bmp"}},
      // A trailing backslash lists the directory itself.
      {"d\\src\\", attr::kDirectory, {"."}},
      {"d\\src\\", attr::kNormal, {}},
      {"d\\missing\\", attr::kDirectory, {}},
      {"d\\", attr::kNormal, {".hidden", "Logo.bmp", "logo1.bmp", "logo12.BMP", "README"}},
      // Nothing from a missing directory or a file taken for one.
      {"nowhere\\*.*", attr::kDirectory, {}},
      {"d\\README\\*.*", attr::kNormal, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(files_.List(Win(c.pattern), c.mask), c.names);
  }
  EXPECT_THAT(files_.List("Q:\\*.*", attr::kNormal), IsEmpty());
  // A relative pattern lists the current directory.
  CurrentDirectoryGuard guard;
  fs::current_path(dir_.HostPath("d"));
  EXPECT_THAT(files_.List("logo1.*", attr::kNormal), ElementsAre("logo1.bmp"));
}

// --- Text and bytes

TEST_F(PosixFileSystemTest, EveryByteValueSurvivesTextAndByteRoundTrips) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  dir_.Write("in.txt", all);
  files_.WriteText(Win("out.txt"), files_.ReadText(Win("in.txt")));
  EXPECT_EQ(dir_.Read("out.txt"), all);
  files_.WriteBytes(Win("b.bmp"), all);
  EXPECT_EQ(dir_.Read("b.bmp"), all);
  EXPECT_EQ(files_.ReadBytes(Win("b.bmp")), all);
}

TEST_F(PosixFileSystemTest, TextIsWindows1252OnDiskAndUtf8InMemory) {
  dir_.Write("q.txt", "\x93Hi\x94 caf\xE9\r\n");
  EXPECT_EQ(files_.ReadText(Win("q.txt")), "\u201CHi\u201D caf\u00E9\r\n");
  files_.WriteText(Win("w.txt"), "\u20AC 5 \u4E2D\r\n");
  EXPECT_EQ(dir_.Read("w.txt"), "\x80 5 ?\r\n");
  // Line ends are kept as they stand; an empty file is empty text.
  dir_.Write("lf.txt", "one\ntwo\r\nthree");
  EXPECT_EQ(files_.ReadText(Win("lf.txt")), "one\ntwo\r\nthree");
  dir_.Write("empty.txt", "");
  EXPECT_EQ(files_.ReadText(Win("empty.txt")), "");
}

TEST_F(PosixFileSystemTest, RewriteKeepsPermissionsNameCaseAndLinks) {
  const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(dir_.Write("src/Cmd.cls", "old old old"), perms);
  dir_.Write("real.txt", "old");
  fs::create_symlink(dir_.HostPath("real.txt"), dir_.HostPath("src/link.txt"));
  files_.WriteText(Win("SRC\\CMD.CLS"), "new");
  files_.WriteText(Win("src\\link.txt"), "linked");
  EXPECT_THAT(EntriesOf("src"), ElementsAre("Cmd.cls", "link.txt"));
  EXPECT_EQ(dir_.Read("src/Cmd.cls"), "new");
  EXPECT_EQ(Perms(dir_.HostPath("src/Cmd.cls")), perms);
  EXPECT_TRUE(fs::is_symlink(dir_.HostPath("src/link.txt")));
  EXPECT_EQ(dir_.Read("real.txt"), "linked");
}

TEST_F(PosixFileSystemTest, FailuresCarryVisualBasicNumbersAndChangeNothing) {
  dir_.MakeDir("folder");
  dir_.Write("plain.txt", "x");
  dir_.Write("full/file.txt", "");
  fs::permissions(dir_.Write("ro.txt", "keep"), fs::perms::owner_read);
  const struct {
    const char* what;
    std::function<void()> action;
    int32_t number;
  } cases[] = {
      {"read missing file", [&] { files_.ReadText(Win("missing.txt")); }, 53},
      {"read in missing dir", [&] { files_.ReadText(Win("nodir\\missing.txt")); }, 76},
      {"read a directory", [&] { files_.ReadText(Win("folder")); }, 75},
      {"list bad name", [&] { files_.List(Win("a<b"), attr::kNormal); }, 52},
      {"read bad name", [&] { files_.ReadBytes(Win("bad|name.txt")); }, 52},
      {"write in missing dir", [&] { files_.WriteText(Win("nodir\\new.txt"), "x"); }, 76},
      {"write a directory", [&] { files_.WriteText(Win("folder"), "x"); }, 75},
      {"write below a file", [&] { files_.WriteText(Win("plain.txt\\new.txt"), "x"); }, 76},
      {"write bad name", [&] { files_.WriteText(Win("a*b.txt"), "x"); }, 52},
      {"write read-only", [&] { files_.WriteText(Win("ro.txt"), "lost"); }, 75},
      {"copy missing", [&] { files_.CopyFile(Win("missing.txt"), Win("b.txt")); }, 53},
      {"copy to missing dir", [&] { files_.CopyFile(Win("plain.txt"), Win("nodir\\b.txt")); }, 76},
      {"copy onto directory", [&] { files_.CopyFile(Win("plain.txt"), Win("folder")); }, 75},
      {"attributes of missing", [&] { files_.GetAttributes(Win("missing.txt")); }, 53},
      {"attributes in missing dir", [&] { files_.GetAttributes(Win("nodir\\missing.txt")); }, 76},
      {"set attributes of missing", [&] { files_.SetAttributes(Win("missing.txt"), attr::kNormal); }, 53},
      {"delete a directory", [&] { files_.DeleteFile(Win("folder")); }, 75},
      {"delete read-only", [&] { files_.DeleteFile(Win("ro.txt")); }, 75},
      {"delete missing", [&] { files_.DeleteFile(Win("missing.txt")); }, 53},
      {"delete in missing dir", [&] { files_.DeleteFile(Win("nodir\\missing.txt")); }, 76},
      {"make existing dir", [&] { files_.MakeDirectory(Win("full")); }, 75},
      {"make in missing dir", [&] { files_.MakeDirectory(Win("nodir\\sub")); }, 76},
      {"remove non-empty dir", [&] { files_.RemoveDirectory(Win("full")); }, 75},
      {"remove missing dir", [&] { files_.RemoveDirectory(Win("missing")); }, 76},
      {"remove a file", [&] { files_.RemoveDirectory(Win("full\\file.txt")); }, 76},
      {"temp in missing dir", [&] { files_.CreateTempFile(Win("missing"), "abc"); }, 76},
      {"temp below a file", [&] { files_.CreateTempFile(Win("plain.txt"), "abc"); }, 76},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ErrorNumberOf(c.action), c.number);
  }
  EXPECT_THAT(EntriesOf(""), ElementsAre("folder", "full", "plain.txt", "ro.txt"));
  EXPECT_EQ(dir_.Read("ro.txt"), "keep");
  EXPECT_EQ(dir_.Read("plain.txt"), "x");
}

// --- Atomic writes

// Lets the first write through and fails every later one, as a full disk would.
struct FailAfterFirstChunk {
  int* calls;
  ssize_t operator()(int fd, const void* data, std::size_t size) const {
    if ((*calls)++ == 0) return ::write(fd, data, size);
    errno = ENOSPC;
    return -1;
  }
};

TEST_F(PosixFileSystemTest, FailureMidWriteLeavesTheOldFileOrNothingAndNoTemporary) {
  int calls = 0;
  PosixFileSystem failing(PathMapper(dir_.HostPath("prefix")), FailAfterFirstChunk{&calls});
  dir_.Write("src/Cmd.cls", "the old content");
  EXPECT_EQ(ErrorNumberOf([&] { failing.WriteText(Win("src\\Cmd.cls"), std::string(200 * 1024, 'x')); }), 61);
  EXPECT_GE(calls, 2);
  EXPECT_EQ(dir_.Read("src/Cmd.cls"), "the old content");
  calls = 0;
  EXPECT_EQ(ErrorNumberOf([&] { failing.WriteBytes(Win("src\\new.res"), std::string(100000, 'y')); }), 61);
  EXPECT_THAT(EntriesOf("src"), ElementsAre("Cmd.cls"));
}

TEST_F(PosixFileSystemTest, ExceptionFromTheWriterAlsoRemovesTheTemporary) {
  PosixFileSystem throwing(PathMapper(dir_.HostPath("prefix")), [](int, const void*, std::size_t) -> ssize_t {
    throw std::runtime_error("boom");
  });
  dir_.Write("keep.txt", "kept");
  EXPECT_THROW(throwing.WriteText(Win("keep.txt"), "replacement"), std::runtime_error);
  EXPECT_EQ(dir_.Read("keep.txt"), "kept");
  EXPECT_THAT(EntriesOf(""), ElementsAre("keep.txt"));
}

TEST_F(PosixFileSystemTest, ShortWritesAreCarriedOn) {
  PosixFileSystem trickle(
      PathMapper(dir_.HostPath("prefix")),
      [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size > 7 ? 7 : size); });
  const std::string text = "a text longer than seven bytes\r\n";
  trickle.WriteText(Win("t.txt"), text);
  EXPECT_EQ(dir_.Read("t.txt"), text);
}

// --- Copy and attributes

TEST_F(PosixFileSystemTest, CopyReplacesAnyDestinationAndKeepsAReadOnlySourceReadOnlyUntilMadeNormal) {
  fs::permissions(dir_.Write("t/Template.cls", "template"), fs::perms::owner_read | fs::perms::group_read);
  dir_.Write("p/Cmd.cls", "older and longer");
  fs::permissions(dir_.Write("p/Ro.cls", "old"), fs::perms::owner_read);
  for (const char* destination : {"p\\Cmd.cls", "p\\Ro.cls"}) {
    files_.CopyFile(Win("t\\Template.cls"), Win(destination));
    EXPECT_EQ(dir_.Read(std::string("p/") + (destination + 2)), "template");
  }
  EXPECT_EQ(files_.GetAttributes(Win("p\\Cmd.cls")) & attr::kReadOnly, attr::kReadOnly);
  files_.SetAttributes(Win("p\\Cmd.cls"), attr::kNormal);
  EXPECT_EQ(files_.GetAttributes(Win("p\\Cmd.cls")), attr::kNormal);
  files_.WriteText(Win("p\\Cmd.cls"), "rewritten");
  EXPECT_EQ(dir_.Read("p/Cmd.cls"), "rewritten");
}

// --- Directories

TEST_F(PosixFileSystemTest, DirectoriesAreMadeEnteredAndRemovedInWindowsForm) {
  CurrentDirectoryGuard guard;
  files_.MakeDirectory(Win("proj"));
  files_.MakeDirectory(Win("PROJ\\src"));
  files_.SetCurrentDirectory(Win("PROJ"));
  EXPECT_EQ(files_.CurrentDirectory(), Win("proj"));
  EXPECT_EQ(fs::current_path(), dir_.HostPath("proj"));
  EXPECT_EQ(ErrorNumberOf([&] { files_.SetCurrentDirectory(Win("missing")); }), 76);
  files_.SetCurrentDirectory("Z:\\");
  EXPECT_EQ(files_.CurrentDirectory(), "Z:\\");
  EXPECT_TRUE(fs::is_directory(dir_.HostPath("proj/src")));
  files_.RemoveDirectory(Win("proj\\SRC"));
  files_.RemoveDirectory(Win("proj"));
  EXPECT_THAT(EntriesOf(""), IsEmpty());
}

// --- Temporary files

TEST_F(PosixFileSystemTest, TempFilesAreEmptyUniqueAndNamedFromThePrefixAndAHexNumber) {
  // "<dir>\Ver" then one to four upper-case hex digits, then ".tmp".
  const auto wellShaped = [this](const std::string& name) {
    const std::string start = dir_.WindowsPath("Ver");
    if (!name.starts_with(start) || !name.ends_with(".tmp")) return false;
    const std::string number = name.substr(start.size(), name.size() - start.size() - 4);
    return !number.empty() && number.size() <= 4 &&
           number.find_first_not_of("0123456789ABCDEF") == std::string::npos;
  };
  std::set<std::string> names;
  for (int i = 0; i < 20; ++i) {
    const std::string name = files_.CreateTempFile(i == 0 ? dir_.WindowsPath() : Win(""), "Verbsmith");
    EXPECT_TRUE(wellShaped(name)) << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 20u);
  const std::vector<std::string> entries = EntriesOf("");
  EXPECT_EQ(entries.size(), 20u);
  for (const std::string& entry : entries) {
    EXPECT_EQ(names.count(Win(entry)), 1u) << entry;
    EXPECT_EQ(dir_.Read(entry), "");
  }
}

// Scripts and templates are read whole: anything that is not a regular
// file, or is larger than any real one, is refused instead of read forever.
TEST_F(PosixFileSystemTest, RefusesPipesDevicesAndOversizedFilesNamingWhy) {
  ASSERT_EQ(::mkfifo(dir_.HostPath("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ErrorNumberOf([&] { files_.ReadText(Win("pipe")); }), vberr::kPathFileAccessError);
  EXPECT_EQ(ErrorNumberOf([&] { files_.ReadBytes("Z:\\dev\\zero"); }), vberr::kPathFileAccessError);
  fs::resize_file(dir_.Write("big", ""), kLargestReadableFile + 1);
  try {
    files_.ReadBytes(Win("big"));
    ADD_FAILURE() << "an oversized file was read";
  } catch (const VbError& error) {
    EXPECT_NE(error.Description().find("16 MB"), std::string::npos) << error.Description();
  }
  fs::resize_file(dir_.HostPath("big"), kLargestReadableFile);
  EXPECT_EQ(files_.ReadBytes(Win("big")).size(), kLargestReadableFile);
}

// Windows keeps "C:\..\.." at the root; here a climb above the root is
// refused, so no name of ".." parts passes for a place inside a directory.
TEST_F(PosixFileSystemTest, ADotDotAboveTheDriveRootIsRefusedOneInsideIsFolded) {
  dir_.Write("inside/file.txt", "x");
  EXPECT_EQ(files_.ReadText(Win("inside") + "\\..\\inside\\.\\file.txt"), "x");
  EXPECT_EQ(ErrorNumberOf([&] { files_.ReadText("Z:\\..\\etc\\hostname"); }), vberr::kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumberOf([&] { files_.WriteText("Z:\\tmp\\..\\..\\victim", "x"); }),
            vberr::kBadFileNameOrNumber);
}

// A temporary file of a killed writer (no process of its number runs) goes
// with the next write into its directory; a live process's stays.
TEST_F(PosixFileSystemTest, TheNextWriteRemovesTemporaryFilesOfDeadProcesses) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  const std::string stale = TempFileName(static_cast<unsigned long>(child), 7);
  const std::string live = TempFileName(static_cast<unsigned long>(::getppid()), 7);
  dir_.Write("out/" + stale, "half a file");
  dir_.Write("out/" + live, "being written");
  files_.WriteText(Win("out/kept.txt"), "new");
  EXPECT_THAT(EntriesOf("out"), ElementsAre(live, "kept.txt"));
}

// What the case-insensitive fallback learnt is kept, but a change made by
// another program (a new directory time) is seen.
TEST_F(PosixFileSystemTest, NamesLearntIgnoringCaseFollowChangesMadeElsewhere) {
  files_.MakeDirectory(Win("many"));
  for (int i = 0; i < 50; ++i) files_.WriteText(Win("many/File" + std::to_string(i) + ".txt"), "x");
  EXPECT_EQ(files_.ReadText(Win("MANY/file49.TXT")), "x");
  fs::rename(dir_.HostPath("many/File3.txt"), dir_.HostPath("many/Renamed.txt"));
  EXPECT_EQ(files_.ReadText(Win("many/RENAMED.txt")), "x");
  EXPECT_EQ(ErrorNumberOf([&] { files_.ReadText(Win("many/file3.txt")); }), vberr::kFileNotFound);
  files_.DeleteFile(Win("many/renamed.TXT"));
  files_.WriteText(Win("many/RENAMED.txt"), "y");
  EXPECT_EQ(files_.ReadText(Win("Many/renamed.txt")), "y");
}

}  // namespace
}  // namespace verbsmith
