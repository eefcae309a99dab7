#include "generate/manager_errors.h"

#include <string>

#include "base/messages.h"

namespace verbsmith {

void RecordManagerError(ErrObject& err, std::string_view source, ManagerError error) {
  err.Set(error.number, std::string(source), LoadResString(error.messageId));
}

VbError ObjectNotSet(std::string_view source) {
  return VbError::Standard(vberr::kObjectVariableNotSet, std::string(source));
}

}  // namespace verbsmith
