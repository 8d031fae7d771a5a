// Helpers for programs that drive the real Win32 settings sheet from a second thread:
// finding the sheet, waiting for a condition, and asking scripts/ui-screenshots.sh for a
// screenshot (NAME.request holds the window's screen rectangle; the script takes the
// picture and removes the file).
#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace zrt::testhost {

// EnumWindows callback: stops at the first visible property sheet of this process and
// stores it in *data. A named CALLBACK function, as 32-bit Windows calls it __stdcall.
inline BOOL CALLBACK FindSheetWindow(HWND window, LPARAM data) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  if (PropSheet_GetTabControl(window) == nullptr) return TRUE;
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

// The visible property sheet of this process; null when none.
inline HWND FindSheet() {
  HWND found = nullptr;
  EnumWindows(FindSheetWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Polls condition every 50 ms for up to milliseconds; answers its last value.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return condition();
}

// Asks the screenshot script for a picture of window and waits until it is taken.
inline bool Screenshot(const std::string& folder, const std::string& name, HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  std::string request = folder + "\\" + name + ".request";
  std::ofstream(request) << r.left << " " << r.top << " " << (r.right - r.left) << " " << (r.bottom - r.top) << "\n";
  return WaitFor([&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; }, 30000);
}

}  // namespace zrt::testhost
