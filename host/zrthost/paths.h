// zrthost keeps paths in UTF-8 with the system's separators; the plug-in and the platform
// layer take them Windows style ('\') in the ANSI code page, as the IDE hands them over.
#pragma once

#include <filesystem>
#include <string>

namespace zrt::zrthost {

// The std::filesystem path of a UTF-8 path (on Windows, narrow paths would be read as bytes).
std::filesystem::path FsPath(const std::string& utf8);
// A std::filesystem path as UTF-8.
std::string Utf8Path(const std::filesystem::path& path);
// A UTF-8 path as the plug-in and the platform layer take it: '\' separators, ANSI.
std::string HostPathOf(const std::string& utf8);
// A UTF-8 path as this system's C library opens it (UTF-8 on POSIX, ANSI on Windows): for
// paths handed over in environment variables.
std::string SystemNarrowPath(const std::string& utf8);
// The reverse: a path read from the environment, in UTF-8.
std::string Utf8FromSystemNarrow(const std::string& narrow);
// A path from the plug-in or the project tree (ANSI, '\') as a UTF-8 path of this system.
std::string NativePathFromHost(const std::string& hostPath);

}  // namespace zrt::zrthost
