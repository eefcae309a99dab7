#include <stdlib.h>

#include "support/scoped_env.h"

namespace verbsmith::test {

void SetEnvironmentVariable(const char* name, const char* value) {
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
}

}  // namespace verbsmith::test
