// Messages to the host's main window through the Win32 window manager.
#include "platform/host_window.h"

#include <windows.h>

namespace zrt::platform {

bool SendCopyData(void* window, uintptr_t dataKind, const std::string& data) {
  HWND target = static_cast<HWND>(window);
  if (!IsWindow(target)) return false;
  COPYDATASTRUCT copy;
  copy.dwData = static_cast<ULONG_PTR>(dataKind);
  copy.cbData = static_cast<DWORD>(data.size());
  copy.lpData = const_cast<char*>(data.data());
  SendMessageA(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  return true;
}

bool BringWindowToFront(void* window) {
  HWND target = static_cast<HWND>(window);
  if (!IsWindow(target)) return false;
  // The window manager may refuse the focus change; the window still exists.
  SetForegroundWindow(target);
  return true;
}

std::vector<CopyDataMessage>& RecordedCopyDataMessages() {
  static std::vector<CopyDataMessage> none;
  return none;
}

}  // namespace zrt::platform
