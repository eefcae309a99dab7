#pragma once
// The rules of the command-name step that need no window: which ProgIDs may
// be used, how a registered class description carries description and tool
// tip, and where a registered command's project lies beside its server.

#include <optional>
#include <string>

namespace verbsmith {

// Why IsValidProgID refused a name.
namespace progid {
inline constexpr int kBlank = 0;
inline constexpr int kTooLong = 1;
inline constexpr int kSpace = 2;
inline constexpr int kPunctuation = 3;
inline constexpr int kLeadingDigit = 4;
}  // namespace progid

// True when the name may be used as a ProgID; otherwise false with the
// first rule it breaks in reason. The period is allowed.
bool IsValidProgID(const std::string& name, int& reason);

// The message that tells the user why IsValidProgID refused a name.
std::string InvalidProgIDMessage(int reason);

struct DescriptionAndToolTip {
  std::string description;
  std::string toolTip;
};

// A registered class description split at its first backslash-n. The class
// file writes that separator with its backslash doubled, and the compiled
// registration may keep both: the backslash left at the end of the
// description is the separator's, never the user's, and is dropped.
// Nothing when the text is the lookups' "Error" or holds no separator.
std::optional<DescriptionAndToolTip> SplitRegisteredDescription(const std::string& text);

struct ProjectDirectories {
  std::string path;  // CurrentPath
  std::string src;   // CurrentPathSrc
  std::string bin;   // CurrentPathBin
};

// The directories of a registered command's project: the server's own
// directory is the binary one; when it is a directory named bin (in any
// case) the project is its parent, with the sources in "src" beside it;
// otherwise everything lies in the server's directory.
ProjectDirectories DirectoriesOfServer(const std::string& serverPath);

// The part of a ProgID after its first period (all of it when it has none):
// what the command list shows.
std::string ClassPartOfProgID(const std::string& progId);

}  // namespace verbsmith
