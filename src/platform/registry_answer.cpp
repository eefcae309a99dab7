#include "platform/registry_answer.h"

#include "platform/registry.h"

namespace verbsmith {

namespace {

// Characters as the single-byte registry calls count them: one per code
// point of text, one per byte of anything else.
std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

long DeliverRegistryText(std::string_view text, bool countCodePoints, std::size_t bufferSize,
                         std::string* out) {
  const std::size_t length = countCodePoints ? CharacterCount(text) : text.size();
  if (length >= bufferSize) {
    if (out != nullptr) out->clear();
    return regcode::kMoreData;
  }
  if (out != nullptr) out->assign(text);
  return regcode::kSuccess;
}

}  // namespace verbsmith
