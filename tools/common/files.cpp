#include "tools/common/files.h"

#include "platform/file_system.h"

namespace zrt::tools {
namespace {

#ifdef _WIN32
constexpr char kHostLineEnd[] = "\r\n";
#else
constexpr char kHostLineEnd[] = "\n";
#endif

platform::FileSystem& Files() { return platform::RealFileSystem(); }

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

// The reason a read of path failed, as the C runtime would name it.
std::string ReadFailure(const std::string& path) {
  if (!Files().Exists(path)) return "No such file or directory";
  if (Files().IsDirectory(path)) return "Is a directory";
  return "Permission denied";
}

}  // namespace

bool ReadInputFile(const std::string& path, std::string* content, std::string* reason) {
  if (!Files().IsDirectory(path) && Files().ReadFile(path, content)) return true;
  *reason = ReadFailure(path);
  return false;
}

bool MakeFolders(const std::string& path, std::string* reason) {
  if (path.empty() || Files().IsDirectory(path)) return true;
  for (size_t end = path.find_first_of("\\/", 1); end != std::string::npos; end = path.find_first_of("\\/", end + 1)) {
    Files().MakeDirectory(path.substr(0, end));
  }
  if (Files().MakeDirectory(path)) return true;
  *reason = Files().Exists(path) ? "Not a directory" : "No such file or directory";
  return false;
}

bool WriteOutputFile(const std::string& path, const std::string& content, std::string* reason) {
  if (!MakeFolders(FolderOf(path), reason)) return false;
  if (Files().IsDirectory(path)) {
    *reason = "Is a directory";
    return false;
  }
  if (Files().WriteFile(path, content)) return true;
  *reason = "Permission denied";
  return false;
}

std::string HostText(const std::string& text) {
  std::string converted;
  converted.reserve(text.size());
  for (char c : text) {
    if (c == '\n') {
      converted += kHostLineEnd;
    } else {
      converted += c;
    }
  }
  return converted;
}

std::string FolderOf(const std::string& path) {
  size_t separator = LastSeparator(path);
  return separator == std::string::npos ? "" : path.substr(0, separator + 1);
}

std::string FileNameOf(const std::string& path) {
  size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  return path.substr(0, path.size() - ExtensionOf(path).size()) + extension;
}

std::string ExtensionOf(const std::string& path) {
  std::string name = FileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot);
}

bool IsAbsolutePath(const std::string& path) {
  if (!path.empty() && (path[0] == '\\' || path[0] == '/')) return true;
  return path.size() >= 2 && path[1] == ':';
}

}  // namespace zrt::tools
