#include "platform/posix/replace_process.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace verbsmith {

std::string ReplaceProcess(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  // What this process has written must come out before the other's.
  std::fflush(nullptr);
  ::execv(args.front(), args.data());
  return std::strerror(errno);
}

}  // namespace verbsmith
