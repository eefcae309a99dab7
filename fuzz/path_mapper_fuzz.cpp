// Maps arbitrary Windows-form paths to host paths and back, on a drive C:
// that is a fresh directory; a mapped path must stay inside its drive.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "base/vb_error.h"
#include "platform/posix/path_mapper.h"

namespace fs = std::filesystem;

namespace {

struct Prefix {
  Prefix() {
    root = fs::temp_directory_path() / ("vs-mapper-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(root / "prefix/dosdevices");
    fs::create_directories(root / "drive/Sub/Deeper");
    fs::create_symlink(root / "drive", root / "prefix/dosdevices/c:");
  }
  fs::path root;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Prefix prefix;
  static const verbsmith::PathMapper mapper(prefix.root / "prefix");
  const std::string text = "C:\\" + std::string(reinterpret_cast<const char*>(data), size);
  try {
    const fs::path host = mapper.ToHost(text);
    static const std::string drive = fs::canonical(prefix.root / "drive").string();
    if (host.string().compare(0, drive.size(), drive) != 0) __builtin_trap();
    (void)mapper.ToWindows(host);
  } catch (const verbsmith::VbError&) {
  }
  return 0;
}
