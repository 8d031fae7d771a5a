#include "platform/posix/native_path.h"

#include <algorithm>

#include "platform/code_page.h"

namespace zrt::platform {

// ASCII, nearly every path, goes through the code page's conversions untouched.
std::string NativePath(std::string ansiPath) {
  std::replace(ansiPath.begin(), ansiPath.end(), '\\', '/');
  return AnsiToUtf8(ansiPath);
}

std::string AnsiPath(std::string nativePath) {
  std::replace(nativePath.begin(), nativePath.end(), '/', '\\');
  return Utf8ToAnsi(nativePath);
}

}  // namespace zrt::platform
