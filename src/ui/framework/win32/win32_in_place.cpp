// Owner-drawn lists, their keys and their in-place editors, for the Win32 backend.
#include "src/ui/framework/win32/win32_controls.h"
#include "src/ui/framework/win32/win32_template.h"

namespace zrt::ui::win32 {
namespace {

void Place(HWND window, const Rect& r) {
  SetWindowPos(window, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
}

// Draws (or, drawn again, erases) the drop marker above item of list: a half-tone bar
// across the item's top with short vertical ends.
void InvertDropMarker(HWND list, int item) {
  RECT r = {};
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  bool pastEnd = item < 0 || item >= count;
  if (SendMessageA(list, LB_GETITEMRECT, pastEnd ? count - 1 : item, reinterpret_cast<LPARAM>(&r)) == LB_ERR) return;
  int y = pastEnd ? r.bottom : r.top;
  static const WORD kHalfTone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  HBITMAP pattern = CreateBitmap(8, 8, 1, 1, kHalfTone);
  HBRUSH brush = CreatePatternBrush(pattern);
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, brush);
  PatBlt(dc, r.left, y - 1, r.right - r.left, 2, PATINVERT);
  PatBlt(dc, r.left, y - 4, 2, 3, PATINVERT);
  PatBlt(dc, r.left, y + 1, 2, 3, PATINVERT);
  PatBlt(dc, r.right - 2, y - 4, 2, 3, PATINVERT);
  PatBlt(dc, r.right - 2, y + 1, 2, 3, PATINVERT);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  DeleteObject(brush);
  DeleteObject(pattern);
}

// The system colour index of colour.
int SystemColourIndex(SystemColour colour) {
  static const int kIndexes[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
  return kIndexes[static_cast<int>(colour)];
}

// Paints the row of a report list's draw-item message, column by column.
class ReportRowPainter : public RowPainter {
 public:
  ReportRowPainter(const DRAWITEMSTRUCT& item, const DialogControls& controls) : item_(item), controls_(controls) {}

  void PaintRow(const RowPaint& paint) override {
    int id = static_cast<int>(item_.CtlID);
    int row = static_cast<int>(item_.itemID);
    FillRect(item_.hDC, &item_.rcItem, GetSysColorBrush(SystemColourIndex(paint.background)));
    SetTextColor(item_.hDC, GetSysColor(SystemColourIndex(paint.text)));
    SetBkMode(item_.hDC, TRANSPARENT);
    HWND header = reinterpret_cast<HWND>(SendMessageA(item_.hwndItem, LVM_GETHEADER, 0, 0));
    int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    for (int column = 0; column < columns; ++column) {
      RECT cell = {};
      cell.top = column;
      cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
      SendMessageA(item_.hwndItem, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
      cell.left += 2;
      std::string text = controls_.CellText(id, row, column);
      DrawTextA(item_.hDC, text.c_str(), -1, &cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  }

 private:
  const DRAWITEMSTRUCT& item_;
  const DialogControls& controls_;
};

}  // namespace

UINT DragListMessage() {
  static const UINT message = RegisterWindowMessageA("commctrl_DragListMsg");
  return message;
}

LRESULT Win32Controls::OnDragList(const DRAGLISTINFO& info) {
  int id = GetDlgCtrlID(info.hWnd);
  int item = LBItemFromPt(info.hWnd, info.ptCursor, TRUE);
  if (markedList_ != nullptr && info.uNotification != DL_BEGINDRAG) {
    InvertDropMarker(markedList_, markedItem_);  // the marker moves or goes
    markedList_ = nullptr;
  }
  switch (info.uNotification) {
    case DL_BEGINDRAG: return logic_->OnDrag(id, DragStage::kBegin, item) ? TRUE : FALSE;
    case DL_DRAGGING:
      if (!logic_->OnDrag(id, DragStage::kDragging, item)) return DL_STOPCURSOR;
      InvertDropMarker(info.hWnd, item);
      markedList_ = info.hWnd;
      markedItem_ = item;
      return DL_MOVECURSOR;
    case DL_DROPPED: logic_->OnDrag(id, DragStage::kDropped, item); return 0;
    case DL_CANCELDRAG: logic_->OnDrag(id, DragStage::kCancelled, item); return 0;
  }
  return 0;
}

void MeasureItem(HWND dialog, MEASUREITEMSTRUCT* item) {
  if (item->CtlType != ODT_LISTBOX && item->CtlType != ODT_LISTVIEW) return;
  HDC dc = GetDC(dialog);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  item->itemHeight = metrics.tmHeight + metrics.tmExternalLeading;
}

Win32Controls::~Win32Controls() {
  for (const ControlTemplate& control : template_.controls) {
    if (control.kind == ControlKind::kList) RemoveWindowSubclass(GetDlgItem(dialog_, control.id), ListProc, control.id);
  }
  for (const Editor& editor : editors_) {
    RemoveWindowSubclass(editor.edit, EditorProc, editor.listId);
    RemoveWindowSubclass(editor.button, EditorProc, editor.listId);
  }
}

bool Win32Controls::DrawItem(const DRAWITEMSTRUCT& item) const {
  ControlKind kind;
  if (Window(static_cast<int>(item.CtlID), &kind) == nullptr) return false;
  if (item.CtlType == ODT_LISTVIEW && kind == ControlKind::kReport) {
    DrawReportRow(item);
    return true;
  }
  if (item.CtlType != ODT_LISTBOX) return false;
  if (static_cast<int>(item.itemID) < 0) return true;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT r = item.rcItem;
  FillRect(item.hDC, &r, GetSysColorBrush(selected ? COLOR_ACTIVECAPTION : COLOR_WINDOW));
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  SetBkMode(item.hDC, TRANSPARENT);
  std::string text = logic_->DisplayText(static_cast<int>(item.CtlID), static_cast<int>(item.itemID));
  RECT textRect = r;
  textRect.left += 8;
  DrawTextA(item.hDC, text.c_str(), -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (selected) DrawFocusRect(item.hDC, &r);
  return true;
}

void Win32Controls::DrawReportRow(const DRAWITEMSTRUCT& item) const {
  ReportRowPainter painter(item, *this);
  logic_->OnDrawItem(static_cast<int>(item.CtlID), static_cast<int>(item.itemID), painter);
}

Rect Win32Controls::ItemRect(int id, int index) const {
  ControlKind kind;
  HWND window = Window(id, &kind);
  RECT r = {};
  if (kind == ControlKind::kList) SendMessageA(window, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  if (kind == ControlKind::kReport) {
    r.left = LVIR_BOUNDS;
    SendMessageA(window, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  }
  return {r.left, r.top, r.right, r.bottom};
}

Win32Controls::Editor& Win32Controls::EditorOf(int id) {
  for (Editor& editor : editors_) {
    if (editor.listId == id) return editor;
  }
  HWND list = Window(id);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  Editor editor = {id, nullptr, nullptr};
  editor.edit = CreateWindowExA(0, "EDIT", "",
                                WS_CHILD | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN, 0,
                                0, 0, 0, list, nullptr, ThisModule(), nullptr);
  editor.button = CreateWindowExA(0, "BUTTON", "...", WS_CHILD | BS_PUSHBUTTON, 0, 0, 0, 0, list, nullptr,
                                  ThisModule(), nullptr);
  for (HWND window : {editor.edit, editor.button}) {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowSubclass(window, EditorProc, id, reinterpret_cast<DWORD_PTR>(this));
  }
  editors_.push_back(editor);
  return editors_.back();
}

void Win32Controls::ShowInPlaceEditor(int id, const Rect& editRect, const Rect& buttonRect, const std::string& text) {
  if (Window(id) == nullptr) return;
  Editor& editor = EditorOf(id);
  Place(editor.edit, editRect);
  SendMessageA(editor.edit, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(2, 0));
  SetWindowTextA(editor.edit, text.c_str());
  SendMessageA(editor.edit, EM_SETSEL, 0, -1);
  SendMessageA(editor.edit, EM_SCROLLCARET, 0, 0);
  if (buttonRect.Width() > 0) Place(editor.button, buttonRect);
  ::SetFocus(editor.edit);
}

void Win32Controls::HideInPlaceEditor(int id) {
  HWND list = Window(id);
  if (list == nullptr) return;
  Editor& editor = EditorOf(id);
  ShowWindow(editor.button, SW_HIDE);
  ShowWindow(editor.edit, SW_HIDE);
  ::SetFocus(list);
}

void Win32Controls::ReportInPlace(int listId, HWND source, uint32_t code, uint32_t value) {
  Editor& editor = EditorOf(listId);
  uint32_t from = source == editor.edit ? 1 : 2;
  logic_->OnInPlaceEvent(listId, from, code, value, WindowText(editor.edit));
}

LRESULT CALLBACK Win32Controls::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data) {
  auto* self = reinterpret_cast<Win32Controls*>(data);
  int listId = static_cast<int>(id);
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    if (self->logic_->OnKeyDown(listId, static_cast<uint32_t>(wParam), message == WM_SYSKEYDOWN)) return 0;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    // The browse button is a child of the list: its click comes here.
    self->ReportInPlace(listId, reinterpret_cast<HWND>(lParam), 2, 0);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Controls::EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR listId,
                                           DWORD_PTR data) {
  auto* self = reinterpret_cast<Win32Controls*>(data);
  Editor& editor = self->EditorOf(static_cast<int>(listId));
  bool isEdit = window == editor.edit;
  if (message == WM_KEYDOWN && (wParam == VK_ESCAPE || (isEdit && wParam == VK_RETURN))) {
    self->ReportInPlace(static_cast<int>(listId), window, 1, static_cast<uint32_t>(wParam));
    return 0;  // not passed on
  }
  if (message == WM_CHAR && (wParam == '\r' || wParam == 0x1B)) return 0;
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_KILLFOCUS && IsWindowVisible(window)) {
    HWND to = reinterpret_cast<HWND>(wParam);
    uint32_t receiver = to == editor.edit ? 1 : to == editor.button ? 2 : 0;
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    self->ReportInPlace(static_cast<int>(listId), window, 3, receiver);
    return result;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace zrt::ui::win32
