#pragma once
// Line setters of the project file: each rewrites the first line of the
// buffer that starts with its key.

#include <string>
#include <string_view>

namespace verbsmith {

class LineBuffer;

// Replaces the first element (scanning every element, spare ones included)
// that starts with key after any leading blanks, case-sensitively, by
// replacement. Returns whether one was found; nothing changes otherwise. A
// key is only ever matched where a key stands: values that happen to hold
// it (a tool tip "Set Name=x", a form named "frmEditCaption") are left.
bool SetFirstLineStartingWith(LineBuffer& lines, std::string_view key, std::string replacement);

// The resource-file line: "ResFile32=" & r replaces the first line holding
// "ResFile32=", or is put before the first line when there is none. An empty
// r empties that line instead, and changes nothing when there is none.
void SetResFileLine(LineBuffer& lines, const std::string& r);

// The values the project file's own lines are rewritten with.
struct ProjectLineValues {
  std::string description;   // ProjectDesc, unquoted
  std::string formFilename;  // empty when the command has no form
  std::string classname;
  std::string classFilename;
  std::string moduleName;
  std::string moduleFilename;
  std::string projectName;
  std::string binPath;  // CurrentPathBin, with its trailing backslash
  // An existing project's own form and module lines are kept when the
  // wizard's names for them are not files of the project.
  bool keepFormLine = false;
  bool keepModuleLine = false;
};

// Rewrites the Description, Form, Class, Module, Name and ExeName32 lines, in
// this order; each search sees the lines the earlier ones replaced.
void SetProjectLines(LineBuffer& lines, const ProjectLineValues& values);

}  // namespace verbsmith
