#include "platform/environment.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace zrt::platform {

bool GetEnvironment(const std::string& name, std::string* value) {
  DWORD n = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (n == 0) return false;
  std::vector<char> buffer(n);
  DWORD got = GetEnvironmentVariableA(name.c_str(), buffer.data(), n);
  if (got == 0 || got >= n) return false;
  value->assign(buffer.data(), got);
  return true;
}

void SetEnvironment(const std::string& name, const std::string& value) {
  // Both copies: the process block (read by GetEnvironmentVariableA) and the C runtime's.
  SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
  std::string assignment = name + "=" + value;
  _putenv(assignment.c_str());
}

}  // namespace zrt::platform
