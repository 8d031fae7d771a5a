// Process environment variables, read and written so that a library and its host see
// the same values (on Windows both the process block and the C runtime's copy).
#pragma once

#include <string>

namespace zrt::platform {

// Value of an environment variable; false when it is not set.
bool GetEnvironment(const std::string& name, std::string* value);
// Sets (or, with an empty value, removes) an environment variable.
void SetEnvironment(const std::string& name, const std::string& value);

}  // namespace zrt::platform
