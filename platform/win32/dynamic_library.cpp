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

std::string ModulePathOf(const void* address) {
  HMODULE module = nullptr;
  DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  if (!GetModuleHandleExA(flags, static_cast<LPCSTR>(address), &module)) return "";
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  return n == 0 || n >= MAX_PATH ? "" : std::string(path, n);
}

}  // namespace zrt::platform
