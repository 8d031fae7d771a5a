#include <windows.h>

#include "platform/system_error.h"

namespace zrt::platform {

std::string LastSystemErrorText() {
  DWORD error = GetLastError();
  char buffer[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                buffer, sizeof buffer, nullptr);
  if (length == 0) return "Error " + std::to_string(error);
  return std::string(buffer, length);
}

}  // namespace zrt::platform
