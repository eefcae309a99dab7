// Checks a template directory whose file picked by the first byte holds the
// rest of the input and the others are the shipped templates: the static
// checks, and when those pass, one combination (also picked by the input)
// rendered in memory and compared with its templates.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "managers/template_check.h"
#include "support/file_host.h"

namespace {

std::string Shipped(const char* name) {
  std::ifstream in(std::string(VERBSMITH_TEMPLATES) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace verbsmith;
  if (size == 0) return 0;
  static const char* kNames[] = {kProjectTemplate, kClassTemplate, kModuleTemplate, kFormTemplate};
  static const std::string kTexts[] = {Shipped(kNames[0]), Shipped(kNames[1]), Shipped(kNames[2]),
                                       Shipped(kNames[3])};
  test::MemoryHost env;
  env.files.MakeDirectory("C:\\t");
  for (int i = 0; i < 4; ++i) {
    const std::string path = std::string("C:\\t\\") + kNames[i];
    if (i == data[0] % 4) {
      env.files.WriteBytes(path, std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    } else {
      env.files.WriteBytes(path, kTexts[i]);
    }
  }
  if (CheckTemplateSources(env.host.fs, "C:\\t\\")) return 0;
  static const std::vector<RenderOptions> kCombinations = AllRenderCombinations();
  const RenderOptions& options = kCombinations[(data[0] / 4 + size) % kCombinations.size()];
  StagedFileSystem staged(env.files);
  const std::string projectDir = "C:\\work\\case\\";
  MakeDirectoryPath(staged, projectDir);
  (void)RenderInto(env.host, staged, options, "C:\\t\\", projectDir);
  (void)CheckRenderedProject(staged, options, "C:\\t\\", projectDir);
  return 0;
}
