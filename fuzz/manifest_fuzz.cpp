// Reads an arbitrary manifest; one that is read must write back to text
// that reads as the same manifest.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "managers/manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace verbsmith;
  Manifest manifest;
  try {
    manifest = ParseManifest(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const ManifestError&) {
    return 0;
  }
  if (ParseManifest(ManifestJson(manifest)) != manifest) std::abort();
  return 0;
}
