#include "platform/environment.h"

#include <cstdlib>

namespace zrt::platform {

bool GetEnvironment(const std::string& name, std::string* value) {
  const char* text = std::getenv(name.c_str());
  if (text == nullptr) return false;
  *value = text;
  return true;
}

void SetEnvironment(const std::string& name, const std::string& value) {
  if (value.empty()) {
    unsetenv(name.c_str());
  } else {
    setenv(name.c_str(), value.c_str(), 1);
  }
}

}  // namespace zrt::platform
