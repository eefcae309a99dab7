#pragma once
// The registry as Wine keeps it on disk, plus any regedit export files,
// loaded once into memory and read from there.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/registry_file_parser.h"
#include "platform/posix/registry_tree.h"
#include "platform/registry.h"

namespace verbsmith {

// Why one registry file was left out: the file, the line the fault starts on
// (0 when it is the file as a whole) and what is wrong.
struct RegistryFileProblem {
  std::string file;
  size_t line = 0;
  std::string problem;
  // "FILE: line N: PROBLEM", or "FILE: PROBLEM" without a line.
  std::string Text() const;
};

// The largest registry file read: well above the hives and exports of a
// real machine, and small enough that loading one stays within a second or
// two and a few hundred megabytes. A larger file is left out.
inline constexpr size_t kLargestRegistryFile = 32u << 20;

class PosixRegistry final : public Registry {
 public:
  // Loads the files in order (Wine hives and regedit exports alike); a
  // later file's keys and values win over an earlier one's. Throws VbError:
  // 53 for a missing file, 75 for one that cannot be read, 7 for one larger
  // than kLargestRegistryFile, E_FAIL naming
  // the file and line for a malformed one. A file that fails leaves
  // nothing of itself behind.
  explicit PosixRegistry(const std::vector<std::string>& files = {});

  // Adds one more file, with the same rules.
  void LoadFile(const std::string& path);
  // Adds one more file; one that cannot be read or parsed is left out and
  // its problem returned instead of thrown.
  std::optional<RegistryFileProblem> LoadFileOrReport(const std::string& path);
  // Adds one file's text; name is what errors call it.
  void LoadText(std::string_view bytes, std::string_view name);

  long OpenKey(RegKey parent, const std::string& subkey, RegKey* result) override;
  long QueryDefaultValue(RegKey key, const std::string& subkey, std::string* value,
                         size_t bufferSize = 255) override;
  long QueryValue(RegKey key, const std::string& name, std::string* value, size_t bufferSize = 255) override;
  long EnumKey(RegKey key, uint32_t index, std::string* name, size_t bufferSize = 255) override;
  long CloseKey(RegKey key) override;

  // Keys opened and not closed yet.
  size_t OpenHandleCount() const { return openCount_; }

 private:
  // One key as seen through a root: in the classes root, the user's key
  // and the machine's key of the same name, the user's first.
  struct View {
    std::array<const RegistryNode*, 2> nodes{};
    bool Empty() const { return nodes[0] == nullptr && nodes[1] == nullptr; }
    // Whose values the key shows: the user's key when there is one.
    const RegistryNode* Owner() const { return nodes[0] != nullptr ? nodes[0] : nodes[1]; }
  };
  struct Handle {
    View view;
    // Subkey names of a merged view, built on the first enumeration.
    std::shared_ptr<const std::vector<const RegistryNode*>> merged;
  };

  void Apply(ParsedRegistryFile&& file);
  Handle* Find(RegKey key);
  // Walks subkey down from view; false when some key is missing.
  bool Walk(const View& from, std::string_view subkey, View* to);
  const std::vector<const RegistryNode*>& Children(Handle& handle);

  RegistryNode machine_;
  RegistryNode user_;
  // Classes root, current user, local machine.
  std::array<Handle, 3> roots_;
  // Open keys live in reusable slots; a key value carries its slot's
  // generation so that a closed key stays invalid after the slot is reused.
  struct Slot {
    Handle handle;
    uint32_t generation = 0;
    bool open = false;
  };
  std::vector<Slot> slots_;
  std::vector<uint32_t> freeSlots_;
  size_t openCount_ = 0;
  std::string folded_;
};

}  // namespace verbsmith
