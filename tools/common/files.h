// File access and path helpers of the emulated tools. Paths are Windows style; the
// platform layer reads '\' as '/' on POSIX.
#pragma once

#include <string>

namespace zrt::tools {

// Reads a whole input file; false with *reason ("No such file or directory", ...) when
// it cannot be read.
bool ReadInputFile(const std::string& path, std::string* content, std::string* reason);
// Writes a whole output file, creating its missing folders first, as the tools' callers
// expect the output folders to appear; false with *reason on failure.
bool WriteOutputFile(const std::string& path, const std::string& content, std::string* reason);
// Creates a folder and its missing parents; false with *reason when it does not exist
// afterwards.
bool MakeFolders(const std::string& path, std::string* reason);
// text with its '\n' line ends written as the host's text files have them ("\r\n" on
// Windows), as the real tools write text in text mode.
std::string HostText(const std::string& text);

// The folder part of path, up to and including its last '\' or '/'; "" when it has none.
std::string FolderOf(const std::string& path);
// The part of path after its last '\', '/' or ':'.
std::string FileNameOf(const std::string& path);
// path with the extension of its file name replaced by extension (which starts with
// "."), or with extension appended when the file name has none.
std::string WithExtension(const std::string& path, const std::string& extension);
// The extension of path's file name with its '.', as written; "" when it has none.
std::string ExtensionOf(const std::string& path);
// True when path starts at a root: "\x", "/x" or "C:...".
bool IsAbsolutePath(const std::string& path);

}  // namespace zrt::tools
