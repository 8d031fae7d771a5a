#include "platform/posix/native_path.h"

#include <algorithm>

#include "platform/code_page.h"

namespace zrt::platform {
namespace {

// Nearly every path is ASCII, which is the same in both encodings.
bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string NativePath(std::string ansiPath) {
  std::replace(ansiPath.begin(), ansiPath.end(), '\\', '/');
  return IsAscii(ansiPath) ? ansiPath : AnsiToUtf8(ansiPath);
}

std::string AnsiPath(std::string nativePath) {
  std::replace(nativePath.begin(), nativePath.end(), '/', '\\');
  return IsAscii(nativePath) ? nativePath : Utf8ToAnsi(nativePath);
}

}  // namespace zrt::platform
