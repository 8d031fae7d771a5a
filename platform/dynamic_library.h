// Loading of shared libraries by path. A name ending in ".dll" is looked up with the
// platform's own suffix (".so") on POSIX, so stored names such as "opt\Preference.dll"
// work everywhere.
#pragma once

#include <string>

namespace zrt::platform {

using LibraryHandle = void*;

// Loads a library; null when it cannot be loaded.
LibraryHandle LoadLibraryByPath(const std::string& path);
// Address of an exported symbol; null when absent or handle is null.
void* FindLibrarySymbol(LibraryHandle handle, const char* name);
// Releases a library handle; a null handle is ignored.
void FreeLibraryHandle(LibraryHandle handle);
// The path LoadLibraryByPath actually opens for path (suffix mapping, '\' as '/').
std::string NativeLibraryPath(const std::string& path);
// Path ('\' separated) of the loaded library or program that holds address; "" when unknown.
std::string ModulePathOf(const void* address);

}  // namespace zrt::platform
