// The Win32 file system through the ANSI (A) functions.
#include "platform/file_system.h"

#include <windows.h>

#include <algorithm>

// windows.h maps these names to their A/W forms; the interface uses the plain names.
#undef CopyFile
#undef DeleteFile
#undef SetCurrentDirectory

namespace zrt::platform {
namespace {

// Seconds between 1601-01-01 (FILETIME's epoch) and 1970-01-01.
constexpr int64_t kEpochDifference = 11644473600;

bool Attributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA* data) {
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, data) != 0;
}

// Writes all of data to file; false on any error.
bool WriteAll(HANDLE file, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, data.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// Opens a new temporary file beside path; INVALID_HANDLE_VALUE when none can be created.
HANDLE CreateTemporaryBeside(const std::string& path, std::string* temporary) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporary = path + ".~" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(counter++);
    HANDLE file = CreateFileA(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

class Win32FileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  bool IsDirectory(const std::string& path) override {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  int64_t LastWriteTime(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!Attributes(path, &data)) return -1;
    int64_t ticks = (static_cast<int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
    return ticks / 10000000 - kEpochDifference;
  }

  int64_t FileSize(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!Attributes(path, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }

  std::vector<std::string> ListDirectory(const std::string& directory) override {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  bool MakeDirectory(const std::string& path) override {
    return CreateDirectoryA(path.c_str(), nullptr) || IsDirectory(path);
  }

  bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override {
    return ::CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != 0;
  }

  bool DeleteFile(const std::string& path) override { return ::DeleteFileA(path.c_str()) != 0; }

  bool ReadFile(const std::string& path, std::string* content) override {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string read;
    char buffer[65536];
    DWORD got = 0;
    bool ok;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
      read.append(buffer, got);
    }
    CloseHandle(file);
    if (ok) content->swap(read);
    return ok;
  }

  // Writes a temporary file beside path and moves it over path, so readers never see a
  // half-written file.
  bool WriteFile(const std::string& path, const std::string& content) override {
    std::string temporary;
    HANDLE file = CreateTemporaryBeside(path, &temporary);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = WriteAll(file, content);
    if (!CloseHandle(file)) ok = false;
    ok = ok && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (!ok) ::DeleteFileA(temporary.c_str());
    return ok;
  }

  std::string FullPath(const std::string& path) override {
    char buffer[MAX_PATH * 4];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (n == 0 || n >= sizeof buffer) return path;
    return std::string(buffer, n);
  }

  std::string CurrentDirectory() override {
    char buffer[MAX_PATH * 4];
    DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
    if (n == 0 || n >= sizeof buffer) return std::string();
    return std::string(buffer, n);
  }

  bool SetCurrentDirectory(const std::string& path) override { return SetCurrentDirectoryA(path.c_str()) != 0; }
};

}  // namespace

FileSystem& RealFileSystem() {
  static Win32FileSystem fileSystem;
  return fileSystem;
}

}  // namespace zrt::platform
