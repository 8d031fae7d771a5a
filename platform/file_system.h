// File system access used by the plug-in, the stand-ins and the tool emulator.
//
// Paths are Windows style everywhere: the POSIX implementation reads every '\' as '/',
// and the paths it hands back (FullPath, CurrentDirectory, ListDirectory entries) use
// '\' as separator, so the stored paths (".\Target\main.o") work unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zrt::platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when a file or directory exists at path.
  virtual bool Exists(const std::string& path) = 0;
  // True when path names a directory.
  virtual bool IsDirectory(const std::string& path) = 0;
  // Last-write time in whole seconds since 1970; -1 when path does not exist.
  virtual int64_t LastWriteTime(const std::string& path) = 0;
  // Size in bytes; -1 when path does not exist.
  virtual int64_t FileSize(const std::string& path) = 0;
  // Names (not paths) of the entries of directory, without "." and "..", sorted
  // by byte comparison; empty when it cannot be read.
  virtual std::vector<std::string> ListDirectory(const std::string& directory) = 0;
  // Creates one directory; true when it exists afterwards (an existing one is no error).
  virtual bool MakeDirectory(const std::string& path) = 0;
  // Copies a file; without overwrite an existing target makes it fail. True on success.
  virtual bool CopyFile(const std::string& from, const std::string& to, bool overwrite) = 0;
  // Deletes a file; true when it was deleted.
  virtual bool DeleteFile(const std::string& path) = 0;
  // Reads a whole file; false when it cannot be opened or read.
  virtual bool ReadFile(const std::string& path, std::string* content) = 0;
  // Writes (replaces) a whole file; false on any failure.
  virtual bool WriteFile(const std::string& path, const std::string& content) = 0;
  // Absolute form of path ('\' separated); path itself when it cannot be resolved.
  virtual std::string FullPath(const std::string& path) = 0;
  // The process's current directory ('\' separated).
  virtual std::string CurrentDirectory() = 0;
  // Changes the current directory; false when it does not exist.
  virtual bool SetCurrentDirectory(const std::string& path) = 0;
};

// The operating system's file system.
FileSystem& RealFileSystem();

}  // namespace zrt::platform
