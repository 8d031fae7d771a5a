// The Win32 backend's controls through real window messages: a sheet with one page
// holding a control of every kind (and an embedded dialog) is driven from a second
// thread by typing, clicking and keyboard selection, then OK; the page reads every
// control back through DialogControls when it is applied. Then the path list dialog
// 1004: an item is edited in place (F2, typing, Enter), moved up with the tool bar,
// dragged down and OK is clicked, with the messages a user's actions send.
// Asks scripts/ui-screenshots.sh for screenshots as sheet_screens does. Prints
// "N passed, N failed".
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/ui/win32/sheet_driver.h"
#undef PropertySheet  // our sheet, not the Win32 call
#include "src/ui/framework/property_sheet.h"
#include "src/ui/framework/tool_bar.h"
#include "src/ui/path_list_dlg.h"
#include "src/ui/special_controls.h"

namespace zrt::ui {
namespace {

const DialogTemplate kControls = {
    950,
    "",
    330,
    230,
    {
        {100, ControlKind::kStatic, "名称:", kPlain, 7, 8, 40, 10},
        {101, ControlKind::kEdit, "", kPlain, 50, 6, 100, 14, 5},
        {102, ControlKind::kEdit, "", kReadOnly, 158, 6, 100, 14},
        {103, ControlKind::kButton, "浏览...", kPlain, 266, 6, 56, 14},
        {104, ControlKind::kCheck, "两态选择", kPlain, 7, 27, 60, 10},
        {105, ControlKind::kCheck, "三态选择", kThreeState, 72, 27, 60, 10},
        {106, ControlKind::kRadio, "软件仿真", kGroupStart, 140, 27, 60, 10},
        {107, ControlKind::kRadio, "硬件调试", kPlain, 205, 27, 60, 10},
        {108, ControlKind::kCombo, "", kPlain, 7, 44, 100, 14},
        {109, ControlKind::kCombo, "", kEditable, 115, 44, 100, 14},
        {110, ControlKind::kList, "", kPlain, 7, 64, 100, 58},
        {111, ControlKind::kReport, "", kOwnerDraw, 115, 64, 207, 58},
        {112, ControlKind::kGroup, "存储配置", kPlain, 7, 128, 315, 95},
        {115, ControlKind::kStatic, "", kPlain, 12, 140, 305, 78},
    }};

const DialogTemplate kSubPage = {
    951,
    "",
    305,
    78,
    {
        {120, ControlKind::kCheck, "运行到main", kPlain, 5, 5, 80, 10},
        {kNoId, ControlKind::kStatic, "初始化脚本文件:", kPlain, 5, 22, 70, 10},
        {121, ControlKind::kEdit, "", kPlain, 80, 20, 150, 14},
    }};

// What the page saw when it was applied.
struct Seen {
  std::vector<std::string> events;
  std::string edit, combo, cell, subEdit;
  int threeState = -1, radio = -1, comboIndex = -1;
  bool applied = false;
};

class ControlsPage : public PropertyPage {
 public:
  explicit ControlsPage(Seen* seen) : PropertyPage(kControls), seen_(seen) { drivers_.m_nCurrentRow = 1; }
  bool OnInitDialog() override {
    DialogControls& c = *Controls();
    c.SetText(102, "只读文本");
    for (const char* item : {"ARM-Mode", "Thumb-Mode"}) c.InsertItem(108, -1, item);
    for (const char* item : {"None", "RTX Kernel"}) c.InsertItem(109, -1, item);
    for (const char* item : {".\\inc", ".\\src", "--- Last Item"}) c.InsertItem(110, -1, item);
    c.AddColumn(111, "类型", 60);
    c.AddColumn(111, "开始地址", 80);
    c.InsertItem(111, -1, "RAM");
    c.SetCellText(111, 0, 1, "0x20000000");
    c.InsertItem(111, -1, "ROM");
    c.SetCellText(111, 1, 1, "0x08000000");
    c.SetSelection(108, 0);
    c.EmbedDialog(kSubPage, 115);
    c.ShowEmbedded(951, true);
    c.SetText(121, "init.ini");
    return true;
  }
  // The report's rows are drawn by its list class, row 1 as the current one.
  void OnDrawItem(int id, int row, RowPainter& painter) override {
    if (id == 111) return drivers_.OnDrawItem(row, painter);
    PropertyPage::OnDrawItem(id, row, painter);
  }
  void OnControl(int id, ControlEvent event) override {
    seen_->events.push_back(std::to_string(id) + ":" + std::to_string(static_cast<int>(event)));
  }
  bool OnApply() override {
    DialogControls& c = *Controls();
    seen_->applied = true;
    seen_->edit = c.Text(101);
    seen_->threeState = c.Check(105);
    seen_->radio = c.Check(107);
    seen_->comboIndex = c.Selection(108);
    seen_->combo = c.Text(108);
    seen_->cell = c.CellText(111, 0, 1);
    seen_->subEdit = c.Text(121);
    return true;
  }

 private:
  Seen* seen_;
  CSpecialListCtrl drivers_;
};

// A sheet that names its one tab.
class ControlsSheet : public PropertySheet {
 public:
  ControlsSheet() : PropertySheet(0, "控件") {}
  void OnInitDialog() override { Window()->SetTabText(0, "全部控件"); }
};

using testhost::FindSheet;
using testhost::Screenshot;
using testhost::WaitFor;

// Keeps the first visible dialog of this process captioned *data (in), in *data (out).
BOOL CALLBACK KeepDialog(HWND window, LPARAM data) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char caption[64] = "";
  GetWindowTextA(window, caption, sizeof caption);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window) || std::string(caption) != "包含头文件路径") {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

// Edits item 1 of the path list in place and presses OK; answers what went wrong.
std::string DrivePathList(const std::string& folder, std::string* editorShown) {
  HWND dialog = nullptr;
  if (!WaitFor([&] { return EnumWindows(KeepDialog, reinterpret_cast<LPARAM>(&dialog)), dialog != nullptr; }, 15000)) {
    return "no path list dialog appeared";
  }
  HWND list = GetDlgItem(dialog, 1109);
  SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);  // the selection moves to item 1
  SendMessageA(list, WM_KEYDOWN, VK_F2, 0);
  HWND edit = FindWindowExA(list, nullptr, "Edit", nullptr);
  if (edit == nullptr || !IsWindowVisible(edit)) return "F2 showed no in-place edit";
  char text[64] = "";
  GetWindowTextA(edit, text, sizeof text);
  *editorShown = text;
  for (char c : std::string(".\\lib")) SendMessageA(edit, WM_CHAR, c, 0);  // replaces the selected text
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  if (!Screenshot(folder, "path-list", dialog)) return "no screenshot taken";
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  if (IsWindowVisible(edit)) return "Enter left the in-place edit open";
  // "Move Up" on the tool bar, pressed and released with the mouse.
  HWND header = GetDlgItem(dialog, 1110);
  RECT client;
  GetClientRect(header, &client);
  Rect up = ToolBarButtonRect({client.left, client.top, client.right, client.bottom}, 2);
  LPARAM at = MAKELPARAM((up.left + up.right) / 2, (up.top + up.bottom) / 2);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(header, WM_LBUTTONUP, 0, at);
  // Item 0 dragged before item 2, as the drag list tells its dialog.
  UINT dragMessage = RegisterWindowMessageA("commctrl_DragListMsg");
  for (UINT stage : {DL_BEGINDRAG, DL_DRAGGING, DL_DROPPED}) {
    RECT item;
    SendMessageA(list, LB_GETITEMRECT, stage == DL_BEGINDRAG ? 0 : 2, reinterpret_cast<LPARAM>(&item));
    DRAGLISTINFO info = {stage, list, {item.left + 10, item.top + 3}};
    ClientToScreen(list, &info.ptCursor);
    LRESULT answer = SendMessageA(dialog, dragMessage, GetDlgCtrlID(list), reinterpret_cast<LPARAM>(&info));
    if (stage == DL_BEGINDRAG && !answer) return "the drag did not begin";
  }
  HWND ok = GetDlgItem(dialog, IDOK);
  PostMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  return "";
}

std::string Drive(const std::string& folder) {
  HWND sheet = nullptr;
  if (!WaitFor([&] { return (sheet = FindSheet()) != nullptr; }, 15000)) return "no sheet appeared";
  HWND page = PropSheet_GetCurrentPageHwnd(sheet);
  HWND edit = GetDlgItem(page, 101);
  for (char c : std::string("abcdefgh")) SendMessageA(edit, WM_CHAR, c, 0);  // typed: cut to 5
  SendMessageA(GetDlgItem(page, 105), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(page, 105), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(page, 107), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(page, 108), WM_KEYDOWN, VK_DOWN, 0);  // the next item, as the arrow key selects it
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  if (!Screenshot(folder, "controls", sheet)) return "no screenshot taken";
  PostMessageA(GetDlgItem(sheet, IDOK), BM_CLICK, 0, 0);
  return "";
}

// One expectation: what, and whether it held.
struct Check {
  std::string what;
  bool held;
};

int Run(const std::string& folder) {
  Seen seen;
  ControlsPage page(&seen);
  ControlsSheet sheet;
  sheet.AddPage(&page);
  std::string problem;
  std::thread driver([&] { problem = Drive(folder); });
  int result = RunSheetOnPlatform(sheet);
  driver.join();
  auto has = [&](const char* event) { return std::find(seen.events.begin(), seen.events.end(), event) != seen.events.end(); };
  const Check checks[] = {
      {"driven: " + problem, problem.empty()},
      {"ended with OK", result == kIdOk},
      {"applied", seen.applied},
      {"typing stops at the text limit: " + seen.edit, seen.edit == "abcde"},
      {"typing reports changes", has("101:1")},
      {"three-state check cycles to 2", seen.threeState == 2},
      {"clicks are reported", has("105:0") && has("107:0")},
      {"radio button checked", seen.radio == 1},
      {"arrow key selects the next item: " + seen.combo, seen.comboIndex == 1 && seen.combo == "Thumb-Mode"},
      {"selection change reported", has("108:2")},
      {"report cell read back", seen.cell == "0x20000000"},
      {"embedded dialog's edit read back", seen.subEdit == "init.ini"},
      {"texts the code set report no change", !has("102:1") && !has("121:1")},
  };
  int passed = 0, failed = 0;
  auto report = [&](const Check& check) {
    std::printf("%s controls: %s\n", check.held ? "PASS" : "FAIL", check.what.c_str());
    ++(check.held ? passed : failed);
  };
  for (const Check& check : checks) report(check);
  std::string editorShown;
  std::thread pathDriver([&] { problem = DrivePathList(folder, &editorShown); });
  CPathListDlg pathList(".\\inc;.\\src;.\\startup");
  int pathResult = pathList.DoModal();
  pathDriver.join();
  const Check pathChecks[] = {
      {"path list driven: " + problem, problem.empty()},
      {"in-place edit starts with the item: " + editorShown, editorShown == ".\\src"},
      {"path list ended with OK", pathResult == kIdOk},
      {"edited, moved up, dragged down: " + pathList.Text(), pathList.Text() == ".\\inc;.\\lib;.\\startup"},
  };
  for (const Check& check : pathChecks) report(check);
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace zrt::ui

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ui_controls_screen SHOT_FOLDER\n");
    return 2;
  }
  return zrt::ui::Run(argv[1]);
}
