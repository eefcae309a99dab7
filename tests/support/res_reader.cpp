#include "support/res_reader.h"

#include <stdexcept>

namespace verbsmith::test {

namespace {

class Cursor {
 public:
  Cursor(const std::string& bytes, size_t position) : bytes_(bytes), position_(position) {}

  uint16_t U16() {
    Need(2);
    uint16_t value = static_cast<uint16_t>(Byte(0) | (Byte(1) << 8));
    position_ += 2;
    return value;
  }
  uint32_t U32() {
    uint32_t low = U16();
    uint32_t high = U16();
    return low | (high << 16);
  }
  // A type or name field: 0xFFFF and a number, or a zero-ended UTF-16 text.
  void IdOrName(std::optional<uint16_t>& id, std::string& name) {
    uint16_t first = U16();
    if (first == 0xFFFF) {
      id = U16();
      return;
    }
    for (uint16_t unit = first; unit != 0; unit = U16()) {
      name.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
  }
  void AlignTo4() { position_ = (position_ + 3) & ~size_t{3}; }
  size_t Position() const { return position_; }

 private:
  void Need(size_t count) const {
    if (position_ + count > bytes_.size()) throw std::runtime_error("truncated resource file");
  }
  unsigned Byte(size_t offset) const { return static_cast<unsigned char>(bytes_[position_ + offset]); }

  const std::string& bytes_;
  size_t position_;
};

}  // namespace

std::vector<ResEntry> ReadResFile(const std::string& bytes) {
  std::vector<ResEntry> entries;
  size_t position = 0;
  while (position < bytes.size()) {
    Cursor header(bytes, position);
    const uint32_t dataSize = header.U32();
    const uint32_t headerSize = header.U32();
    ResEntry entry;
    header.IdOrName(entry.typeId, entry.typeName);
    header.IdOrName(entry.nameId, entry.name);
    if (headerSize < 32 || position + headerSize + dataSize > bytes.size()) {
      throw std::runtime_error("malformed resource header");
    }
    entry.data = bytes.substr(position + headerSize, dataSize);
    const bool emptyEntry = dataSize == 0 && entry.typeId == 0 && entry.nameId == 0;
    if (!emptyEntry) entries.push_back(std::move(entry));
    position = (position + headerSize + dataSize + 3) & ~size_t{3};
  }
  return entries;
}

}  // namespace verbsmith::test
