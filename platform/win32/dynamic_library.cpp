// Shared libraries through LoadLibraryA.
#include "platform/dynamic_library.h"

#include <windows.h>

#include <algorithm>

namespace zrt::platform {

std::string NativeLibraryPath(const std::string& path) {
  // LoadLibraryA wants '\' separators.
  std::string native = path;
  std::replace(native.begin(), native.end(), '/', '\\');
  return native;
}

LibraryHandle LoadLibraryByPath(const std::string& path) {
  return LoadLibraryA(NativeLibraryPath(path).c_str());
}

void* FindLibrarySymbol(LibraryHandle handle, const char* name) {
  if (handle == nullptr || name == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void FreeLibraryHandle(LibraryHandle handle) {
  if (handle != nullptr) FreeLibrary(static_cast<HMODULE>(handle));
}

}  // namespace zrt::platform
