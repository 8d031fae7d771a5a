// The Target, Output, Listing and User pages on the real Win32 sheet, opened through
// ShowSettings and driven from a second thread with window messages: a screenshot of
// each page (see tests/ui/win32/sheet_driver.h), then what a user does on the Target
// page: a new clock and an external ROM area, then OK. The committed configuration and
// the result code are checked. Prints one line per check and "N passed, N failed"; exits
// non-zero on a failure.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#undef CreateFile  // TestHost::CreateFile, not the Win32 call

#include <cstdio>
#include <string>
#include <thread>

#include "tests/host/test_host.h"
#include "tests/ui/win32/sheet_driver.h"

namespace zrt::testhost {
namespace {

const char* const kDeviceLines[] = {
    "CPU: IROM(0x00000000-0x0007FFFF) IRAM(0x40000000-0x40007FFF) CLOCK(12000000) "
    "CPUTYPE(ARM7TDMI)",
    nullptr};
const DeviceRecord kDevice = {"NXP", "LPC2148", nullptr, kDeviceLines, nullptr};

struct PageShot {
  int tab;
  const char* name;
};
const PageShot kPages[] = {{1, "page-target"}, {2, "page-output"}, {3, "page-listing"}, {4, "page-user"}};

// Types text into control id of the active page, as the keyboard would (with EN_CHANGE).
void Type(HWND sheet, int id, const char* text) {
  SendMessageA(GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Clicks control id of the active page.
void Click(HWND sheet, int id) { SendMessageA(GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), id), BM_CLICK, 0, 0); }

// Shows each page for its screenshot, then changes the clock and XROM1 and presses OK;
// answers what went wrong ("" for nothing).
std::string Drive(const std::string& folder) {
  HWND sheet = nullptr;
  if (!WaitFor([&] { return (sheet = FindSheet()) != nullptr; }, 15000)) return "no sheet appeared";
  // The 默认值 button is the last thing the sheet creates when it opens.
  if (!WaitFor([&] { return GetDlgItem(sheet, 2054) != nullptr; }, 5000)) return "no 默认值 button";
  for (const PageShot& page : kPages) {
    if (!SendMessageA(sheet, PSM_SETCURSEL, page.tab, 0)) return std::string(page.name) + " refused";
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    if (!Screenshot(folder, page.name, sheet)) return std::string("no screenshot of ") + page.name;
  }
  SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
  Type(sheet, 1051, "25");
  Click(sheet, 1054);
  Type(sheet, 1057, "0x80000000");
  Type(sheet, 1015, "0x10000");
  PostMessageA(GetDlgItem(sheet, IDOK), BM_CLICK, 0, 0);
  if (!WaitFor([&] { return !IsWindow(sheet) || !IsWindowVisible(sheet); }, 10000)) return "OK did not close the sheet";
  return "";
}

int Report(bool passed, const char* what, const std::string& detail) {
  std::printf("%s %s%s%s\n", passed ? "PASS" : "FAIL", what, detail.empty() ? "" : ": ", detail.c_str());
  return passed ? 1 : 0;
}

std::string Stored(const HostNode* node, const char* key) {
  const char* value = Value(node, key);
  return value ? value : "(absent)";
}

int Run(const std::string& folder) {
  TestHost host;
  host.Initialize("proj.orbproj", true, &kDevice);
  HostNode* configuration = host.CreateConfiguration("Target");
  SetValue(configuration, "CLK", "12.000000");
  SetValue(ChildNamed(configuration, "ZRT_User"), "BfB", "1,(make_version.bat)#0,()");
  host.Table().ProjectOpened(host.project(), "Target");
  std::string problem;
  std::thread driver([&] { problem = Drive(folder); });
  int result = host.Table().ShowSettings(host.project());
  driver.join();
  const char kXrom[] = "1,0x80000000,0x00010000,0#0,0x00000000,0x00000000,0#0,0x00000000,0x00000000,0";
  int passed = Report(problem.empty(), "pages shown and driven", problem);
  passed += Report(result == 2, "result code 2", std::to_string(result));
  passed += Report(Stored(configuration, "CLK") == "25.000000", "clock committed", Stored(configuration, "CLK"));
  passed += Report(Stored(configuration, "XROM") == kXrom, "XROM1 committed", Stored(configuration, "XROM"));
  std::printf("%d passed, %d failed\n", passed, 4 - passed);
  return passed == 4 ? 0 : 1;
}

}  // namespace
}  // namespace zrt::testhost

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ui_page_screens SHOT_FOLDER\n");
    return 2;
  }
  return zrt::testhost::Run(argv[1]);
}
