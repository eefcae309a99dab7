#pragma once
// Runs another program in place of this process: same process id, same
// standard streams, same environment and directory.

#include <string>
#include <vector>

namespace verbsmith {

// argv[0] is the program's path. Returns only when the program could not
// be started, with the reason.
std::string ReplaceProcess(const std::vector<std::string>& argv);

}  // namespace verbsmith
