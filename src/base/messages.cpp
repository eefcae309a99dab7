#include "base/messages.h"

#include <map>
#include <stdexcept>
#include <string>

namespace verbsmith {

namespace {

const std::map<int, std::string>& Table() {
  static const std::map<int, std::string> table = {
      {141, "Cannot run with this version of Visual Basic."},
  };
  return table;
}

}  // namespace

const std::string& LoadResString(int id) {
  const auto& table = Table();
  auto it = table.find(id);
  if (it == table.end()) throw std::out_of_range("no message " + std::to_string(id));
  return it->second;
}

bool HasResString(int id) { return Table().count(id) != 0; }

}  // namespace verbsmith
