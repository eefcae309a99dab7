#pragma once
// The command specification to and from everything that holds or records
// it: the managers' properties, the command-set entry, the initialisation
// file's keys and the named values of the manifest. A new field of the
// specification is mapped here and nowhere else.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "connection/connection.h"
#include "model/command_spec.h"
#include "platform/command_set.h"
#include "platform/profile_files.h"

namespace verbsmith {

// The specification the managers hold now. A manager that is missing
// leaves its part at the defaults.
CommandSpec SpecOf(const IGeneralMgr& gen, const IClassMgr* cls, const IModuleMgr* module,
                   const IFormMgr* form, const IBitmapMgr* bitmaps);

// Sets the properties a create run chooses, through the managers' setters
// and in the order they need: the paths before the names, the class before
// the module (whose name must differ from it). The file names follow from
// the names.
void StoreSpec(const CommandSpec& spec, IGeneralMgr& gen, IClassMgr& cls, IModuleMgr& module, IFormMgr& form,
               IBitmapMgr& bitmaps);

// The entry that registers the command.
CommandEntry EntryOf(const CommandSpec& spec);
// What a registered entry says of its command: its kind, masks and
// bitmaps (each path split into its location, up to and including the
// last backslash, and its file name). The ProgID is left to the caller,
// which has to check it first.
void ReadEntry(const CommandEntry& entry, CommandSpec& spec);
// Stores what ReadEntry reads.
void StoreEntryPart(const CommandSpec& spec, IGeneralMgr& gen, IBitmapMgr& bitmaps);

// The initialisation file of the command and its keys: the entry's values,
// the keys that need no bitmap manager first.
std::string IniPath(const CommandSpec& spec);
ProfileFiles::KeyValues IniCommandKeys(const CommandEntry& entry);
ProfileFiles::KeyValues IniBitmapKeys(const CommandEntry& entry);

// The specification by the properties' own names, in a fixed order.
using SpecValue = std::variant<std::string, int32_t, bool>;
std::vector<std::pair<std::string, SpecValue>> NamedValues(const CommandSpec& spec);

}  // namespace verbsmith
