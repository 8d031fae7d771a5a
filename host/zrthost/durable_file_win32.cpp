// Windows: write, FlushFileBuffers, then MoveFileEx with write-through over the old file.
// Paths are UTF-8, so the wide functions are used.
#include <windows.h>

#include "host/zrthost/durable_file.h"
#include "host/zrthost/paths.h"
#include "platform/system_error.h"

namespace zrt::zrthost {

bool ReplaceFileDurably(const std::string& path, const std::string& content, std::string* error) {
  std::string temporary = path + ".tmp" + std::to_string(GetCurrentProcessId());
  std::wstring wideTemporary = FsPath(temporary).wstring(), widePath = FsPath(path).wstring();
  HANDLE file =
      CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *error = "cannot create " + temporary + ": " + platform::LastSystemErrorText();
    return false;
  }
  DWORD written = 0;
  bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
            written == content.size() && FlushFileBuffers(file);
  std::string reason = ok ? "" : platform::LastSystemErrorText();
  CloseHandle(file);
  if (ok && MoveFileExW(wideTemporary.c_str(), widePath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  if (ok) reason = platform::LastSystemErrorText();
  *error = "cannot write " + path + ": " + reason;
  DeleteFileW(wideTemporary.c_str());
  return false;
}

}  // namespace zrt::zrthost
