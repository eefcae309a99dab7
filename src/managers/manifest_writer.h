#pragma once
// Makes the manifest of a finished run from its specification and writes
// it beside the recap.

#include <string>
#include <utility>
#include <vector>

#include "managers/manifest.h"
#include "model/command_spec.h"
#include "platform/command_set.h"
#include "platform/host.h"

namespace verbsmith {

// Where the run's manifest goes: beside the recap, named after the class.
std::string ManifestPathOfRun(const CommandSpec& spec);

// The files the run makes, by role, in a fixed order: create and edit make
// the project's sources, project file, resource script and resource; every
// run the recap and initialisation file. The manifest is not among them.
std::vector<std::pair<std::string, std::string>> FilesOfRun(const CommandSpec& spec);

// The manifest of a run that registered entry and has written its files:
// create and edit list the project's sources, project file, resource script
// and resource, recap and initialisation file; add (which generates
// nothing) the recap and initialisation file. A file is listed when it is
// there to read; so is each bitmap the entry names.
Manifest ManifestOfRun(Host& host, const CommandSpec& spec, const CommandEntry& entry);

// Writes the manifest; the last step of a Finish, after the initialisation
// file. Reports a failure itself, as the recap does, and returns normally.
void WriteManifest(Host& host, const CommandSpec& spec, const CommandEntry& entry);

}  // namespace verbsmith
