#include <stdlib.h>

#include "support/scoped_env.h"

namespace verbsmith::test {

// The C runtime's copy and the system's are both changed; an empty value
// unsets the variable, as Windows has no empty ones there.
void SetEnvironmentVariable(const char* name, const char* value) {
  _putenv_s(name, value != nullptr ? value : "");
}

}  // namespace verbsmith::test
