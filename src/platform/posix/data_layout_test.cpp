#include "platform/posix/data_layout.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace verbsmith {
namespace {

namespace fs = std::filesystem;

class DataLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("data_layout_test." + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

TEST_F(DataLayoutTest, EachLayoutIsFoundAndTheFirstInOrderWins) {
  EXPECT_EQ(FindDataLayout(root_ / "bin").kind, DataLayoutKind::kNotFound);
  EXPECT_EQ(FindDataLayout(root_ / "bin").addInDirectory, root_ / "bin");

  fs::create_directories(root_ / "bin/Templates");
  EXPECT_EQ(FindDataLayout(root_ / "bin").kind, DataLayoutKind::kBesideExecutable);

  fs::create_directories(root_ / kInstalledAddInDirectory / "Templates");
  const DataLayout installed = FindDataLayout(root_ / "bin");
  EXPECT_EQ(installed.kind, DataLayoutKind::kInstalledTree);
  EXPECT_EQ(installed.addInDirectory, root_ / kInstalledAddInDirectory);

  std::ofstream(root_ / "CMakeCache.txt") << "\n";
  const DataLayout build = FindDataLayout(root_ / "bin");
  EXPECT_EQ(build.KindName(), "build tree");
  EXPECT_EQ(build.addInDirectory, root_ / "bin");
}

TEST_F(DataLayoutTest, AFileNamedTemplatesIsNoTemplateDirectory) {
  std::ofstream(root_ / "bin/Templates") << "\n";
  EXPECT_EQ(FindDataLayout(root_ / "bin").kind, DataLayoutKind::kNotFound);
}

}  // namespace
}  // namespace verbsmith
