#include "platform/posix/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace verbsmith {
namespace {

TEST(FileErrorTest, MissingEntryIsFileOrPathNotFoundAsTheCallerSays) {
  EXPECT_EQ(VbFileErrorNumber(ENOENT, Missing::kFile), 53);
  EXPECT_EQ(VbFileErrorNumber(ENOENT, Missing::kPath), 76);
  EXPECT_EQ(VbFileErrorNumber(ENOTDIR, Missing::kFile), 76);
}

TEST(FileErrorTest, RefusedAccessIsPermissionDenied) {
  EXPECT_EQ(VbFileErrorNumber(EACCES, Missing::kFile), 70);
  EXPECT_EQ(VbFileErrorNumber(EPERM, Missing::kFile), 70);
  EXPECT_EQ(VbFileErrorNumber(EROFS, Missing::kFile), 70);
}

TEST(FileErrorTest, WrongKindOfEntryIsPathFileAccessError) {
  EXPECT_EQ(VbFileErrorNumber(EISDIR, Missing::kFile), 75);
  EXPECT_EQ(VbFileErrorNumber(EEXIST, Missing::kFile), 75);
  EXPECT_EQ(VbFileErrorNumber(ENOTEMPTY, Missing::kPath), 75);
}

TEST(FileErrorTest, FullDiskAndUnknownFailuresKeepTheirOwnNumbers) {
  EXPECT_EQ(VbFileErrorNumber(ENOSPC, Missing::kFile), 61);
  EXPECT_EQ(VbFileErrorNumber(EIO, Missing::kFile), 57);
  EXPECT_EQ(VbFileErrorNumber(ENAMETOOLONG, Missing::kFile), 52);
}

TEST(FileErrorTest, ErrorCarriesSourceAndVisualBasicText) {
  const VbError error = VbFileError(ENOENT, Missing::kFile);
  EXPECT_EQ(error.Number(), 53);
  EXPECT_EQ(error.Source(), "Verbsmith");
  EXPECT_EQ(error.Description(), "File not found");
}

}  // namespace
}  // namespace verbsmith
