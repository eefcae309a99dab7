#include "platform/posix/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace verbsmith {
namespace {

TEST(FileErrorTest, SystemErrorsTakeTheirVisualBasicNumbers) {
  const struct {
    int code;
    Missing missing;
    int32_t number;
  } cases[] = {
      {ENOENT, Missing::kFile, 53}, {ENOENT, Missing::kPath, 76}, {ENOTDIR, Missing::kFile, 76},
      {EACCES, Missing::kFile, 70}, {EPERM, Missing::kFile, 70},  {EROFS, Missing::kFile, 70},
      {EISDIR, Missing::kFile, 75}, {EEXIST, Missing::kFile, 75}, {ENOTEMPTY, Missing::kPath, 75},
      {ENOSPC, Missing::kFile, 61}, {EIO, Missing::kFile, 57},    {ENAMETOOLONG, Missing::kFile, 52},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(VbFileErrorNumber(c.code, c.missing), c.number);
  }
}

TEST(FileErrorTest, ErrorCarriesSourceAndVisualBasicText) {
  const VbError error = VbFileError(ENOENT, Missing::kFile);
  EXPECT_EQ(error.Number(), 53);
  EXPECT_EQ(error.Source(), "Verbsmith");
  EXPECT_EQ(error.Description(), "File not found");
}

}  // namespace
}  // namespace verbsmith
