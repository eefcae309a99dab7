#pragma once
// Sets or unsets an environment variable for one test and puts back what was
// there when it goes away.

#include <stdlib.h>

#include <optional>
#include <string>

namespace verbsmith::test {

// The host's way to set (value) or unset (null) a variable of this process.
void SetEnvironmentVariable(const char* name, const char* value);

class ScopedEnv {
 public:
  // A null value unsets the variable.
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    SetEnvironmentVariable(name, value);
  }
  ~ScopedEnv() { SetEnvironmentVariable(name_.c_str(), old_ ? old_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace verbsmith::test
