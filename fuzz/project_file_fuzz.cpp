// Reads a project's name from an arbitrary project file, as the project
// step does for an existing project.

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/vb_error.h"
#include "model/project_file.h"
#include "support/file_host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace verbsmith;
  test::MemoryHost env;
  env.files.MakeDirectory("C:\\p");
  env.files.WriteBytes("C:\\p\\x.vbp", std::string(reinterpret_cast<const char*>(data), size));
  try {
    (void)ProjectNameFromFile(env.host, "C:\\p\\x.vbp");
  } catch (const VbError&) {
  }
  return 0;
}
