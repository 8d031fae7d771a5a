// The dialogs a page opens, as the real Win32 dialogs.

#include <string>

#include "src/ui/framework/win32/windows_headers.h"
#include "src/ui/framework/win32/win32_controls.h"

namespace zrt::ui::win32 {
namespace {

// The status line text for a folder: its path, or its display text when it has no path.
std::string StatusTextOf(LPCITEMIDLIST item) {
  char path[MAX_PATH] = "";
  if (SHGetPathFromIDListA(item, path)) return path;
  SHFILEINFOA info = {};
  SHGetFileInfoA(reinterpret_cast<LPCSTR>(item), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
  return info.szDisplayName;
}

// Starts the folder picker at the folder passed as data and keeps its status line on the
// selected folder.
int CALLBACK FolderPickerEvent(HWND window, UINT message, LPARAM item, LPARAM data) {
  if (message == BFFM_INITIALIZED) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  if (message == BFFM_SELCHANGED) {
    std::string text = StatusTextOf(reinterpret_cast<LPCITEMIDLIST>(item));
    SendMessageA(window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
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
  std::string initial = request.initialFolder;
  if (initial.empty()) {
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    initial = current;
  }
  char display[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.hwndOwner = owner_;
  info.pidlRoot = ItemListOf(request.root);
  info.pszDisplayName = display;
  info.lpszTitle = request.title.c_str();
  info.ulFlags = BIF_EDITBOX | BIF_STATUSTEXT | BIF_NEWDIALOGSTYLE;
  info.lpfn = FolderPickerEvent;
  info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (info.pidlRoot != nullptr) CoTaskMemFree(const_cast<LPITEMIDLIST>(info.pidlRoot));
  if (chosen == nullptr) return false;
  // A folder without a file-system path still counts as chosen when it has a display name.
  char folder[MAX_PATH] = "";
  bool ok = SHGetPathFromIDListA(chosen, folder) != FALSE || display[0] != '\0';
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
