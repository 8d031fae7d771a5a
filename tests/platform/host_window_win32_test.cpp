#include <gtest/gtest.h>

#include <windows.h>

#include "platform/host_window.h"

namespace zrt::platform {
namespace {

std::vector<CopyDataMessage> received;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    received.push_back({window, copy->dwData, std::string(static_cast<const char*>(copy->lpData), copy->cbData)});
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A message-only window standing in for the host's main window.
HWND CreateHostWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = RecordingProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "ZrtPlatformTestHost";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}

TEST(HostWindowWin32Test, CopyDataReachesTheWindowProcedure) {
  HWND window = CreateHostWindow();
  ASSERT_NE(window, nullptr);
  const std::string bytes("\x0B\x1B\0\xC8", 4);
  EXPECT_TRUE(SendCopyData(window, 0, bytes));
  EXPECT_TRUE(BringWindowToFront(window));
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].window, window);
  EXPECT_EQ(received[0].dataKind, 0u);
  EXPECT_EQ(received[0].data, bytes);
  EXPECT_TRUE(RecordedCopyDataMessages().empty());
  DestroyWindow(window);
}

TEST(HostWindowWin32Test, AGoneWindowAnswersFalse) {
  HWND window = CreateHostWindow();
  ASSERT_NE(window, nullptr);
  DestroyWindow(window);
  EXPECT_FALSE(SendCopyData(window, 0, "x"));
  EXPECT_FALSE(BringWindowToFront(window));
}

}  // namespace
}  // namespace zrt::platform
