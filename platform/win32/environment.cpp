#include "platform/environment.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace zrt::platform {

// Read through the wide function and converted here: the "A" function's size answer
// counts characters, which is too small for a value with double-byte characters on some
// systems (Wine), and the value then comes back cut short.
bool GetEnvironment(const std::string& name, std::string* value) {
  std::wstring wideName(name.begin(), name.end());  // variable names are ASCII
  DWORD n = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (n == 0) return false;
  std::vector<wchar_t> buffer(n);
  DWORD got = GetEnvironmentVariableW(wideName.c_str(), buffer.data(), n);
  if (got == 0 || got >= n) return false;
  int size = WideCharToMultiByte(CP_ACP, 0, buffer.data(), static_cast<int>(got), nullptr, 0, nullptr, nullptr);
  if (size <= 0) return false;
  value->assign(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, buffer.data(), static_cast<int>(got), value->data(), size, nullptr, nullptr);
  return true;
}

void SetEnvironment(const std::string& name, const std::string& value) {
  // Both copies: the process block (read by GetEnvironmentVariableA) and the C runtime's.
  SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
  std::string assignment = name + "=" + value;
  _putenv(assignment.c_str());
}

}  // namespace zrt::platform
