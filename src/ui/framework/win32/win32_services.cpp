// The dialogs a page opens, as the real Win32 dialogs.

#include <string>

#include "src/ui/framework/win32/windows_headers.h"
#include "src/ui/framework/win32/win32_controls.h"

namespace zrt::ui::win32 {
namespace {

// Starts the folder picker at the folder passed as lParam.
int CALLBACK SelectInitialFolder(HWND window, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

// The item list of an ANSI path; null when it names nothing.
LPITEMIDLIST ItemListOf(const std::string& path) {
  if (path.empty()) return nullptr;
  int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
  LPITEMIDLIST list = nullptr;
  return SUCCEEDED(SHParseDisplayName(wide.c_str(), nullptr, &list, 0, nullptr)) ? list : nullptr;
}

}  // namespace

platform::MessageAnswer Win32Services::MessageBox(const std::string& text, platform::MessageButtons buttons,
                                                  platform::MessageIcon icon) {
  return platform::ShowMessageBox(text, "", buttons, icon);
}

bool Win32Services::OpenFile(const OpenFileRequest& request, std::string* path) {
  std::string filter = request.filter;
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter.push_back('\0');
  char file[MAX_PATH] = "";
  request.initialPath.copy(file, MAX_PATH - 1);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | (request.mustExist ? OFN_FILEMUSTEXIST : 0) |
                 (request.hideReadOnly ? OFN_HIDEREADONLY : 0);
  if (!GetOpenFileNameA(&dialog)) return false;
  *path = file;
  return true;
}

bool Win32Services::PickFolder(const FolderRequest& request, std::string* path) {
  char display[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.hwndOwner = owner_;
  info.pidlRoot = ItemListOf(request.root);
  info.pszDisplayName = display;
  info.lpszTitle = request.title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = SelectInitialFolder;
  info.lParam = request.initialFolder.empty() ? 0 : reinterpret_cast<LPARAM>(request.initialFolder.c_str());
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (info.pidlRoot != nullptr) CoTaskMemFree(const_cast<LPITEMIDLIST>(info.pidlRoot));
  if (chosen == nullptr) return false;
  char folder[MAX_PATH] = "";
  bool ok = SHGetPathFromIDListA(chosen, folder) != FALSE;
  CoTaskMemFree(chosen);
  if (ok) *path = folder;
  return ok;
}

int Win32Services::PopupMenu(const std::vector<std::string>& items) {
  HMENU menu = CreatePopupMenu();
  for (size_t i = 0; i < items.size(); ++i) AppendMenuA(menu, MF_STRING, i + 1, items[i].c_str());
  POINT cursor;
  GetCursorPos(&cursor);
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner_,
                              nullptr);
  DestroyMenu(menu);
  return chosen - 1;
}

}  // namespace zrt::ui::win32
