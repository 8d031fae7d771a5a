// Shared libraries through dlopen. Names written for Windows ("opt\Preference.dll") are
// mapped to the POSIX form (NativePath: '\' becomes '/', ANSI text UTF-8), and ".dll"
// becomes ".so", trying "lib<name>.so" in the same folder when "<name>.so" does not exist.
#include "platform/dynamic_library.h"
#include "platform/posix/native_path.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace zrt::platform {
namespace {

bool EndsWithDll(const std::string& path) {
  if (path.size() < 4) return false;
  std::string suffix = path.substr(path.size() - 4);
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return suffix == ".dll";
}

}  // namespace

std::string NativeLibraryPath(const std::string& path) {
  std::string native = NativePath(path);
  if (!EndsWithDll(native)) return native;
  std::string stem = native.substr(0, native.size() - 4);
  std::string plain = stem + ".so";
  size_t slash = stem.rfind('/');
  size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string prefixed = stem.substr(0, nameStart) + "lib" + stem.substr(nameStart) + ".so";
  if (access(plain.c_str(), F_OK) != 0 && access(prefixed.c_str(), F_OK) == 0) return prefixed;
  return plain;
}

LibraryHandle LoadLibraryByPath(const std::string& path) {
  return dlopen(NativeLibraryPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindLibrarySymbol(LibraryHandle handle, const char* name) {
  if (handle == nullptr || name == nullptr) return nullptr;
  return dlsym(handle, name);
}

void FreeLibraryHandle(LibraryHandle handle) {
  if (handle != nullptr) dlclose(handle);
}

std::string ModulePathOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return "";
  return AnsiPath(info.dli_fname);
}

}  // namespace zrt::platform
