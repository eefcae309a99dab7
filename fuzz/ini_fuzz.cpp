// Reads keys from an arbitrary INI file and writes one back.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/posix/ini_profile_files.h"
#include "support/memory_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace verbsmith;
  test::MemoryFileSystem files;
  files.MakeDirectory("C:\\t");
  const std::string path = "C:\\t\\x.ini";
  files.WriteBytes(path, std::string(reinterpret_cast<const char*>(data), size));
  IniProfileFiles profiles(files);
  for (const char* section : {"Carthex", "", "a"}) {
    for (const char* key : {"ProgID", "", "x"}) (void)profiles.GetString(section, key, "none", path, 256);
  }
  (void)profiles.WriteString("Carthex", "ProgID", "Proj.Cmd", path);
  (void)profiles.GetString("Carthex", "ProgID", "", path, 256);
  return 0;
}
