#pragma once
// Carthex's command set: the registered commands of one company and
// application. Failures throw VbError with the source "CommandSet".

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbsmith {

// The twenty fields of a command-set entry, in their stored order.
struct CommandEntry {
  std::string progId;
  int32_t commandType = 0;
  int32_t enableMask = 0;
  int32_t listenerMask = 0;
  int32_t modalFlag = 0;
  int32_t field6 = 0;
  int32_t field7 = 0;
  std::string field8 = "0";
  int32_t field9 = 0;
  int32_t field10 = 0;
  std::string field11 = "0";
  int32_t field12 = 0;
  std::string field13 = "0";
  std::string field14 = "0";
  std::string description;
  std::string toolTip;
  std::string smallMonoBitmap;
  std::string smallColorBitmap;
  std::string largeMonoBitmap;
  std::string largeColorBitmap;

  bool operator==(const CommandEntry&) const = default;
};

// One field of an entry and its names: for people ("ProgID"), in JSON
// ("progId"), on the command line ("prog-id") and in the database
// ("prog_id"). Exactly one of number and text is set.
struct CommandField {
  std::string_view name;
  std::string_view key;
  std::string_view option;
  std::string_view column;
  int32_t CommandEntry::*number = nullptr;
  std::string CommandEntry::*text = nullptr;
};

namespace commandfield {
constexpr CommandField Number(std::string_view name, std::string_view key, std::string_view option,
                              std::string_view column, int32_t CommandEntry::*member) {
  return {name, key, option, column, member, nullptr};
}
constexpr CommandField Text(std::string_view name, std::string_view key, std::string_view option,
                            std::string_view column, std::string CommandEntry::*member) {
  return {name, key, option, column, nullptr, member};
}
}  // namespace commandfield

// Every field of an entry, in the stored order. The store, the command
// line and the output formats all go by this table.
inline constexpr std::array<CommandField, 20> kCommandFields = {
    commandfield::Text("ProgID", "progId", "prog-id", "prog_id", &CommandEntry::progId),
    commandfield::Number("CommandType", "commandType", "command-type", "command_type",
                         &CommandEntry::commandType),
    commandfield::Number("EnablingMask", "enableMask", "enable-mask", "enable_mask",
                         &CommandEntry::enableMask),
    commandfield::Number("ListenerMask", "listenerMask", "listener-mask", "listener_mask",
                         &CommandEntry::listenerMask),
    commandfield::Number("ModalFlag", "modalFlag", "modal-flag", "modal_flag", &CommandEntry::modalFlag),
    commandfield::Number("Field6", "field6", "field6", "field6", &CommandEntry::field6),
    commandfield::Number("Field7", "field7", "field7", "field7", &CommandEntry::field7),
    commandfield::Text("Field8", "field8", "field8", "field8", &CommandEntry::field8),
    commandfield::Number("Field9", "field9", "field9", "field9", &CommandEntry::field9),
    commandfield::Number("Field10", "field10", "field10", "field10", &CommandEntry::field10),
    commandfield::Text("Field11", "field11", "field11", "field11", &CommandEntry::field11),
    commandfield::Number("Field12", "field12", "field12", "field12", &CommandEntry::field12),
    commandfield::Text("Field13", "field13", "field13", "field13", &CommandEntry::field13),
    commandfield::Text("Field14", "field14", "field14", "field14", &CommandEntry::field14),
    commandfield::Text("Description", "description", "description", "description",
                       &CommandEntry::description),
    commandfield::Text("ToolTip", "toolTip", "tool-tip", "tool_tip", &CommandEntry::toolTip),
    commandfield::Text("SmallMonoBitmap", "smallMonoBitmap", "small-mono-bitmap", "small_mono_bitmap",
                       &CommandEntry::smallMonoBitmap),
    commandfield::Text("SmallColorBitmap", "smallColorBitmap", "small-color-bitmap", "small_color_bitmap",
                       &CommandEntry::smallColorBitmap),
    commandfield::Text("LargeMonoBitmap", "largeMonoBitmap", "large-mono-bitmap", "large_mono_bitmap",
                       &CommandEntry::largeMonoBitmap),
    commandfield::Text("LargeColorBitmap", "largeColorBitmap", "large-color-bitmap", "large_color_bitmap",
                       &CommandEntry::largeColorBitmap),
};

// Command identifiers are this base plus the entry's position.
inline constexpr int32_t kFirstCommandId = 41001;

struct NumberedCommand {
  int32_t commandId = 0;
  CommandEntry entry;
};

// One set a store holds: its company and application, and how many
// commands it holds.
struct HeldSet {
  std::string company;
  std::string application;
  int64_t commands = 0;

  bool operator==(const HeldSet&) const = default;
};

class CommandSet {
 public:
  virtual ~CommandSet() = default;
  virtual void OpenCommandSet(const std::string& companyName, const std::string& applicationName) = 0;
  virtual int16_t CommandCount() = 0;
  // The entry with this command identifier; nullopt when there is none.
  virtual std::optional<CommandEntry> FindCommand(int32_t commandId) = 0;
  // The entry whose ProgID matches without regard to case; nullopt when
  // there is none. This walks the set; a store may look it up at once.
  virtual std::optional<NumberedCommand> FindProgId(const std::string& progId);
  // Every entry in order with its position, from one state of the set;
  // gives the number of entries. This walks the set; a store may also
  // show rows past the 16-bit count.
  virtual int64_t ForEachCommand(const std::function<void(int64_t position, const CommandEntry&)>& visit);
  // Every set of the store that holds a command, by company and then
  // application; needs no OpenCommandSet. A store that cannot tell (as
  // Carthex's own component cannot) raises invalid procedure call.
  virtual std::vector<HeldSet> HeldSets();
  // Adds the entry, or replaces in place the entry with the same ProgID.
  virtual void AddCommand(const CommandEntry& entry) = 0;
  virtual void RemoveCommand(const std::string& progId) = 0;

  // After OpenCommandSet: whether the store behind the sets exists yet; one
  // that does not reads as empty, and the first AddCommand makes it.
  virtual bool StoreExists() const { return true; }
  // Removes the store when no set in it holds a command and nobody else
  // has it open: what is left when the registration that made it is taken
  // back. Whether it went; a store that stays is still a sound, empty one.
  virtual bool RemoveStoreIfEmpty() { return false; }
};

// The entry with this command identifier; raises the set's bad-index error
// when there is none, as a list that changed under its reader must say.
CommandEntry GetCommand(CommandSet& set, int32_t commandId);

// Creates a fresh CommandSet object, as each flow does with the component.
class CommandSetFactory {
 public:
  virtual ~CommandSetFactory() = default;
  virtual std::unique_ptr<CommandSet> Create() = 0;
};

}  // namespace verbsmith
