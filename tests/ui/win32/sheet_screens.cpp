// Opens each kind of settings sheet through ShowSettings as the IDE does and drives the
// real Win32 sheet from a second thread with window messages: every tab in turn, Enter
// (which must not close it), the 默认值 button, then OK. At the first page of each sheet
// it asks scripts/ui-screenshots.sh for a screenshot: it writes NAME.request (the
// window's screen rectangle) into the folder given as argv[1] and waits until the
// script has taken the picture and removed the file. Prints one line per sheet and
// "N passed, N failed"; exits non-zero on a failure.
#include <windows.h>
#include <commctrl.h>
#undef CreateFile  // TestHost::CreateFile, not the Win32 call

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "tests/host/test_host.h"
#include "tests/ui/win32/sheet_driver.h"

namespace zrt::testhost {
namespace {

struct SheetCase {
  const char* name;
  HostNode* node;
  int tabs;
  int firstPage;
  int expectedResult;
  int expectedCommits;  // commits made after OK
};

// Drives the sheet the main thread is showing; answers what went wrong ("" for nothing).
std::string Drive(const SheetCase& c, const std::string& folder) {
  HWND sheet = nullptr;
  if (!WaitFor([&] { return (sheet = FindSheet()) != nullptr; }, 15000)) return "no sheet appeared";
  HWND tabs = PropSheet_GetTabControl(sheet);
  if (TabCtrl_GetItemCount(tabs) != c.tabs) return "wrong number of tabs";
  for (int i = 0; i < c.tabs; ++i) {
    if (!SendMessageA(sheet, PSM_SETCURSEL, i, 0)) return "tab " + std::to_string(i) + " refused";
    if (TabCtrl_GetCurSel(tabs) != i) return "tab " + std::to_string(i) + " not shown";
  }
  SendMessageA(sheet, PSM_SETCURSEL, c.firstPage, 0);
  HWND focus = GetDlgItem(sheet, IDOK);
  PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(focus, WM_KEYUP, VK_RETURN, 0);
  PostMessageA(sheet, WM_KEYDOWN, VK_ESCAPE, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  if (!IsWindowVisible(sheet)) return "Enter or Escape closed the sheet";
  HWND defaults = GetDlgItem(sheet, 2054);
  if (defaults == nullptr) return "no 默认值 button";
  SendMessageA(defaults, BM_CLICK, 0, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  if (!Screenshot(folder, c.name, sheet)) return "no screenshot taken";
  PostMessageA(GetDlgItem(sheet, IDOK), BM_CLICK, 0, 0);
  if (!WaitFor([&] { return !IsWindow(sheet) || !IsWindowVisible(sheet); }, 10000)) return "OK did not close the sheet";
  return "";
}

int Run(const std::string& folder) {
  TestHost host;
  host.Initialize("proj.orbproj");
  host.CreateConfiguration("Target");
  HostNode* group = AddChild(host.files(), "Filter", {{"Name", "Src"}});
  HostNode* cFile = host.CreateFile(group, ".\\src\\main.c");
  HostNode* asmFile = host.CreateFile(group, ".\\src\\startup.s");
  HostNode* object = host.CreateFile(group, ".\\lib\\util.obj");
  HostNode* header = host.CreateFile(group, ".\\src\\main.h");
  host.Table().ProjectOpened(host.project(), "Target");
  const SheetCase cases[] = {
      {"target", host.project(), 9, 1, 0, 0}, {"group", group, 3, 1, 0, 0},  {"c-file", cFile, 2, 0, 0, 0},
      {"asm-file", asmFile, 2, 0, 0, 0},     {"object-file", object, 1, 0, 0, 1}, {"header-file", header, 1, 0, 0, 0},
  };
  int passed = 0, failed = 0;
  for (const SheetCase& c : cases) {
    std::string problem;
    std::thread driver([&] { problem = Drive(c, folder); });
    int commits = host.commitCount;
    int result = host.Table().ShowSettings(c.node);
    driver.join();
    // Creating and removing a source file's section commits too; count only the file's own.
    int committed = host.commitCount - commits;
    if (problem.empty() && result != c.expectedResult) problem = "result " + std::to_string(result);
    if (problem.empty() && c.expectedCommits > 0 && committed != c.expectedCommits) {
      problem = std::to_string(committed) + " commits";
    }
    std::printf("%s %s%s%s\n", problem.empty() ? "PASS" : "FAIL", c.name, problem.empty() ? "" : ": ", problem.c_str());
    ++(problem.empty() ? passed : failed);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace zrt::testhost

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ui_sheet_screens SHOT_FOLDER\n");
    return 2;
  }
  return zrt::testhost::Run(argv[1]);
}
