// The tool bar of four buttons that a header static carries above a list.
#include <string>

#include "src/ui/framework/tool_bar.h"
#include "src/ui/framework/win32/win32_controls.h"
#include "src/ui/framework/win32/win32_template.h"

namespace zrt::ui::win32 {
namespace {

// The button images: the bitmap written to a temporary file, loaded from it, the file
// deleted; silver drawn transparent.
HIMAGELIST LoadToolBarImages() {
  char folder[MAX_PATH] = "";
  char path[MAX_PATH] = "";
  if (GetTempPathA(MAX_PATH, folder) == 0 || GetTempFileNameA(folder, "zrt", 0, path) == 0) return nullptr;
  std::vector<uint8_t> bytes = ToolBarBitmap();
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  DWORD written = 0;
  if (file != INVALID_HANDLE_VALUE) {
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  DeleteFileA(path);
  if (bitmap == nullptr) return nullptr;
  HIMAGELIST images = ImageList_Create(kToolImageWidth, kToolImageHeight, ILC_COLOR24 | ILC_MASK, 4, 0);
  ImageList_AddMasked(images, bitmap, RGB(192, 192, 192));
  DeleteObject(bitmap);
  return images;
}

Rect ClientRect(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void Win32Controls::AddToolBar(int id) {
  HWND header = GetDlgItem(dialog_, id);
  if (header == nullptr) return;
  ToolBar bar = {id, LoadToolBarImages(), nullptr, -1, -1};
  bar.tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, dialog_,
                             nullptr, ThisModule(), nullptr);
  Rect client = ClientRect(header);
  for (int i = 0; i < 4; ++i) {
    Rect r = ToolBarButtonRect(client, i);
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = header;
    tool.uId = i;
    tool.rect = {r.left, r.top, r.right, r.bottom};
    tool.lpszText = const_cast<char*>(kToolBarNames[i]);
    SendMessageA(bar.tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  toolBars_.push_back(bar);
  SetWindowSubclass(header, ToolBarProc, toolBars_.size() - 1, reinterpret_cast<DWORD_PTR>(this));
}

void Win32Controls::PaintToolBar(HWND header, const ToolBar& bar) const {
  HDC dc = GetDC(header);
  Rect client = ClientRect(header);
  for (int i = 0; i < 4; ++i) {
    Rect r = ToolBarButtonRect(client, i);
    RECT box = {r.left, r.top, r.right, r.bottom};
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    if (i == bar.pressed && i == bar.hot) {
      DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    } else if (i == bar.hot || i == bar.pressed) {
      DrawEdge(dc, &box, BDR_RAISEDINNER, BF_RECT);
    }
    int shift = i == bar.pressed && i == bar.hot ? 1 : 0;
    if (bar.images != nullptr) ImageList_Draw(bar.images, i, dc, r.left + shift, r.top + shift, ILD_TRANSPARENT);
  }
  ReleaseDC(header, dc);
}

LRESULT CALLBACK Win32Controls::ToolBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                            DWORD_PTR data) {
  auto* self = reinterpret_cast<Win32Controls*>(data);
  ToolBar& bar = self->toolBars_[index];
  int at = ToolBarButtonAt(ClientRect(window), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  switch (message) {
    case WM_PAINT: {
      LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      self->PaintToolBar(window, bar);
      return result;
    }
    case WM_LBUTTONDOWN:
      if (at < 0) break;
      SetCapture(window);  // pressing captures the mouse
      bar.pressed = bar.hot = at;
      self->PaintToolBar(window, bar);
      return 0;
    case WM_MOUSEMOVE:
      if (at != bar.hot) {
        bar.hot = at;  // hovering highlights the button under the cursor
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        self->PaintToolBar(window, bar);
      }
      return 0;
    case WM_MOUSELEAVE:
      bar.hot = -1;
      self->PaintToolBar(window, bar);
      return 0;
    case WM_LBUTTONUP: {
      if (bar.pressed < 0) break;
      int pressed = bar.pressed;
      bar.pressed = -1;
      ReleaseCapture();
      self->PaintToolBar(window, bar);
      if (at == pressed) self->logic_->OnToolButton(bar.id, pressed);  // released over the same button
      return 0;
    }
    case WM_NCDESTROY:
      if (bar.images != nullptr) ImageList_Destroy(bar.images);
      bar.images = nullptr;
      RemoveWindowSubclass(window, ToolBarProc, index);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace zrt::ui::win32
