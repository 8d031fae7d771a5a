#include "host/zrthost/paths.h"

#include <algorithm>

#include "platform/code_page.h"

namespace zrt::zrthost {

namespace fs = std::filesystem;

fs::path FsPath(const std::string& utf8) { return fs::u8path(utf8); }

std::string Utf8Path(const fs::path& path) { return path.u8string(); }

std::string HostPathOf(const std::string& utf8) {
  std::string path = platform::Utf8ToAnsi(utf8);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string SystemNarrowPath(const std::string& utf8) {
  return fs::path::preferred_separator == '\\' ? platform::Utf8ToAnsi(utf8) : utf8;
}

std::string Utf8FromSystemNarrow(const std::string& narrow) {
  return fs::path::preferred_separator == '\\' ? platform::AnsiToUtf8(narrow) : narrow;
}

std::string NativePathFromHost(const std::string& hostPath) {
  std::string path = platform::AnsiToUtf8(hostPath);
  if (fs::path::preferred_separator == '/') std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace zrt::zrthost
