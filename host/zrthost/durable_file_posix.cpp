// POSIX: write, fsync, rename, then fsync the folder so the rename itself is durable.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/zrthost/durable_file.h"

namespace zrt::zrthost {
namespace {

bool WriteAll(int fd, const std::string& content) {
  const char* data = content.data();
  size_t left = content.size();
  while (left > 0) {
    ssize_t n = write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

void SyncFolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFileDurably(const std::string& path, const std::string& content, std::string* error) {
  std::string temporary = path + ".tmp" + std::to_string(getpid());
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    *error = "cannot create " + temporary + ": " + std::strerror(errno);
    return false;
  }
  bool written = WriteAll(fd, content) && fsync(fd) == 0;
  int writeError = errno;
  if (close(fd) != 0 && written) {
    written = false;
    writeError = errno;
  }
  if (written && rename(temporary.c_str(), path.c_str()) == 0) {
    SyncFolderOf(path);
    return true;
  }
  *error = "cannot write " + path + ": " + std::strerror(written ? errno : writeError);
  unlink(temporary.c_str());
  return false;
}

}  // namespace zrt::zrthost
