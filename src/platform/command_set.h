#pragma once
// Carthex's command set: the registered commands of one company and
// application. Failures throw VbError with the source "CommandSet".

#include <cstdint>
#include <memory>
#include <string>

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

// Command identifiers are this base plus the entry's position.
inline constexpr int32_t kFirstCommandId = 41001;

class CommandSet {
 public:
  virtual ~CommandSet() = default;
  virtual void OpenCommandSet(const std::string& companyName, const std::string& applicationName) = 0;
  virtual int16_t CommandCount() = 0;
  // The entry index of a command identifier; -1 when there is none.
  virtual int16_t FindCommand(int32_t commandId) = 0;
  virtual CommandEntry GetCommand(int16_t index) = 0;
  // Adds the entry, or replaces in place the entry with the same ProgID.
  virtual void AddCommand(const CommandEntry& entry) = 0;
  virtual void RemoveCommand(const std::string& progId) = 0;
};

// Creates a fresh CommandSet object, as each flow does with the component.
class CommandSetFactory {
 public:
  virtual ~CommandSetFactory() = default;
  virtual std::unique_ptr<CommandSet> Create() = 0;
};

}  // namespace verbsmith
