// The POSIX file system behind Windows-style paths: '\' is read as '/' and ANSI text as
// UTF-8 (platform/posix/native_path.h), and the paths and names handed back are ANSI.
#include "platform/file_system.h"
#include "platform/posix/native_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace zrt::platform {
namespace {

std::string Native(const std::string& path) { return NativePath(path); }
std::string Windows(const std::string& path) { return AnsiPath(path); }

// Writes all of data to fd, retrying short writes; false on any error.
bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Reads everything left in fd into content; false on a read error.
bool ReadAll(int fd, std::string* content) {
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    content->append(buffer, static_cast<size_t>(n));
  }
}

// Copies from an open source into an open target and gives the target the source's
// last-write time, as Windows CopyFile does.
bool CopyContent(int in, int out, const struct stat& source) {
  std::string content;
  if (!ReadAll(in, &content) || !WriteAll(out, content.data(), content.size())) return false;
  struct timespec times[2] = {source.st_atim, source.st_mtim};
  return futimens(out, times) == 0;
}

// Opens a new temporary file beside path; -1 when none can be created.
int CreateTemporaryBeside(const std::string& path, std::string* temporary) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporary = path + ".~" + std::to_string(getpid()) + "." + std::to_string(counter++);
    int fd = open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Collapses "." and ".." components of an absolute '/' path.
std::string Normalize(const std::string& absolute) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= absolute.size()) {
    size_t end = absolute.find('/', start);
    if (end == std::string::npos) end = absolute.size();
    std::string part = absolute.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string result;
  for (const std::string& part : parts) result += "/" + part;
  bool trailing = !absolute.empty() && absolute.back() == '/';
  if (result.empty() || trailing) result += "/";
  return result;
}

class PosixFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override {
    struct stat info;
    return stat(Native(path).c_str(), &info) == 0;
  }

  bool IsDirectory(const std::string& path) override {
    struct stat info;
    return stat(Native(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  int64_t LastWriteTime(const std::string& path) override {
    struct stat info;
    if (stat(Native(path).c_str(), &info) != 0) return -1;
    return static_cast<int64_t>(info.st_mtime);
  }

  int64_t FileSize(const std::string& path) override {
    struct stat info;
    if (stat(Native(path).c_str(), &info) != 0) return -1;
    return static_cast<int64_t>(info.st_size);
  }

  std::vector<std::string> ListDirectory(const std::string& directory) override {
    std::vector<std::string> names;
    DIR* dir = opendir(Native(directory).c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(AnsiPath(name));
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
  }

  bool MakeDirectory(const std::string& path) override {
    return mkdir(Native(path).c_str(), 0777) == 0 || IsDirectory(path);
  }

  bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override {
    int in = open(Native(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    struct stat source, target;
    bool ok = fstat(in, &source) == 0 && S_ISREG(source.st_mode);
    // Copying a file onto itself would truncate it; Windows refuses it too.
    if (ok && stat(Native(to).c_str(), &target) == 0) {
      ok = overwrite && !(target.st_dev == source.st_dev && target.st_ino == source.st_ino);
    }
    int out = -1;
    if (ok) {
      int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (overwrite ? O_TRUNC : O_EXCL);
      out = open(Native(to).c_str(), flags, source.st_mode & 0777);
      ok = out >= 0 && CopyContent(in, out, source);
    }
    if (out >= 0 && close(out) != 0) ok = false;
    close(in);
    return ok;
  }

  bool DeleteFile(const std::string& path) override { return unlink(Native(path).c_str()) == 0; }

  bool ReadFile(const std::string& path, std::string* content) override {
    int fd = open(Native(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::string read;
    bool ok = ReadAll(fd, &read);
    close(fd);
    if (ok) content->swap(read);
    return ok;
  }

  // Writes a temporary file beside path and renames it over path, so readers never see
  // a half-written file.
  bool WriteFile(const std::string& path, const std::string& content) override {
    std::string native = Native(path);
    std::string temporary;
    int fd = CreateTemporaryBeside(native, &temporary);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, content.data(), content.size());
    if (close(fd) != 0) ok = false;
    ok = ok && rename(temporary.c_str(), native.c_str()) == 0;
    if (!ok) unlink(temporary.c_str());
    return ok;
  }

  std::string FullPath(const std::string& path) override {
    std::string native = Native(path);
    if (native.empty()) return path;
    if (native[0] != '/') {
      char cwd[PATH_MAX];
      if (getcwd(cwd, sizeof cwd) == nullptr) return path;
      native = std::string(cwd) + "/" + native;
    }
    return Windows(Normalize(native));
  }

  std::string CurrentDirectory() override {
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof cwd) == nullptr) return std::string();
    return Windows(cwd);
  }

  bool SetCurrentDirectory(const std::string& path) override { return chdir(Native(path).c_str()) == 0; }
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

}  // namespace zrt::platform
