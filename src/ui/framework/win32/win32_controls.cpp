#include "src/ui/framework/win32/win32_controls.h"

#include <vector>

#include "src/ui/framework/win32/win32_template.h"

namespace zrt::ui::win32 {

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(length + 1, '\0');
  text.resize(GetWindowTextA(window, &text[0], length + 1));
  return text;
}

namespace {

// The (ANSI) list-view messages with their text buffers.
std::string ListViewText(HWND list, int row, int column) {
  char buffer[1024] = "";
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

// True for a list box that selects several items (the owner-drawn editable lists).
bool IsExtendedList(HWND list) { return (GetWindowLongA(list, GWL_STYLE) & LBS_EXTENDEDSEL) != 0; }

// Sets the text limits the template gives.
void LimitTexts(HWND dialog, const DialogTemplate& dialogTemplate) {
  for (const ControlTemplate& control : dialogTemplate.controls) {
    HWND window = GetDlgItem(dialog, control.id);
    if (window == nullptr || control.textLimit <= 0) continue;
    UINT message = control.kind == ControlKind::kCombo ? CB_LIMITTEXT : EM_LIMITTEXT;
    SendMessageA(window, message, control.textLimit, 0);
  }
}

// An embedded dialog hands its controls' reports to the page or dialog it sits in.
INT_PTR CALLBACK ForwardToParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND && message != WM_NOTIFY) return FALSE;
  SendMessageA(GetParent(window), message, wParam, lParam);
  return TRUE;
}

}  // namespace

Win32Controls::Win32Controls(HWND dialog, DialogLogic* logic)
    : dialog_(dialog), logic_(logic), template_(logic->Template()) {}

void Win32Controls::Prepare() {
  LimitTexts(dialog_, template_);
  for (const ControlTemplate& control : template_.controls) {
    if (control.kind == ControlKind::kStatic && (control.style & kToolBar)) AddToolBar(control.id);
    if (control.kind != ControlKind::kList) continue;
    if (control.style & kDragList) MakeDragList(GetDlgItem(dialog_, control.id));
    SetWindowSubclass(GetDlgItem(dialog_, control.id), ListProc, control.id, reinterpret_cast<DWORD_PTR>(this));
  }
}

HWND Win32Controls::Window(int id, ControlKind* kind) const {
  const ControlTemplate* control = template_.Find(id);
  HWND holder = dialog_;
  for (size_t i = 0; control == nullptr && i < embedded_.size(); ++i) {
    control = embedded_[i].source->Find(id);
    holder = embedded_[i].window;
  }
  if (control == nullptr) return nullptr;
  if (kind != nullptr) *kind = control->kind;
  return GetDlgItem(holder, id);
}

void Win32Controls::EmbedDialog(const DialogTemplate& dialogTemplate, int frameId) {
  HWND frame = Window(frameId);
  if (frame == nullptr) return;
  Embedded embedded = {&dialogTemplate, BuildDialogTemplate(dialogTemplate, TemplateUse::kEmbedded), nullptr};
  embedded.window = CreateDialogIndirectParamA(ThisModule(), reinterpret_cast<LPCDLGTEMPLATE>(embedded.bytes.data()),
                                               dialog_, ForwardToParent, 0);
  if (embedded.window == nullptr) return;
  RECT r;
  GetWindowRect(frame, &r);
  MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
  SetWindowPos(embedded.window, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
  // The frame only marks the place; left visible it would paint over the dialog.
  ShowWindow(frame, SW_HIDE);
  // The same background as the page it sits on.
  EnableThemeDialogTexture(embedded.window, ETDT_ENABLETAB);
  LimitTexts(embedded.window, dialogTemplate);
  embedded_.push_back(std::move(embedded));
}

void Win32Controls::ShowEmbedded(int templateId, bool visible) {
  for (const Embedded& embedded : embedded_) {
    if (embedded.source->id == templateId) ShowWindow(embedded.window, visible ? SW_SHOW : SW_HIDE);
  }
}

bool Win32Controls::CommandEvent(int id, int code, ControlEvent* event) const {
  ControlKind kind;
  if (Window(id, &kind) == nullptr) return false;
  switch (kind) {
    case ControlKind::kButton:
    case ControlKind::kCheck:
    case ControlKind::kRadio:
      *event = ControlEvent::kClicked;
      return code == BN_CLICKED;
    case ControlKind::kEdit:
      *event = code == EN_CHANGE ? ControlEvent::kChanged : ControlEvent::kFocusLost;
      return (code == EN_CHANGE && id != settingText_) || code == EN_KILLFOCUS;
    case ControlKind::kCombo:
      *event = code == CBN_SELCHANGE ? ControlEvent::kSelectionChanged : ControlEvent::kChanged;
      return code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
    case ControlKind::kList:
      if (code == LBN_SELCHANGE) *event = ControlEvent::kSelectionChanged;
      if (code == LBN_DBLCLK) *event = ControlEvent::kDoubleClicked;
      if (code == LBN_KILLFOCUS) *event = ControlEvent::kFocusLost;
      return code == LBN_SELCHANGE || code == LBN_DBLCLK || code == LBN_KILLFOCUS;
    default: return false;
  }
}

bool Win32Controls::NotifyEvent(const NMHDR& header, ControlEvent* event) const {
  ControlKind kind;
  if (Window(static_cast<int>(header.idFrom), &kind) == nullptr || kind != ControlKind::kReport) return false;
  if (header.code == NM_DBLCLK) {
    *event = ControlEvent::kDoubleClicked;
    return true;
  }
  if (header.code == LVN_ITEMCHANGED) {
    const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
    *event = ControlEvent::kSelectionChanged;
    return (change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED);
  }
  return false;
}

bool Win32Controls::Has(int id) const { return Window(id) != nullptr; }

std::string Win32Controls::Text(int id) const {
  HWND window = Window(id);
  return window ? WindowText(window) : std::string();
}

void Win32Controls::SetText(int id, const std::string& text) {
  HWND window = Window(id);
  if (window == nullptr) return;
  settingText_ = id;
  SetWindowTextA(window, text.c_str());
  settingText_ = 0;
}

int Win32Controls::Check(int id) const {
  HWND window = Window(id);
  return window ? static_cast<int>(SendMessageA(window, BM_GETCHECK, 0, 0)) : 0;
}

void Win32Controls::SetCheck(int id, int state) {
  if (HWND window = Window(id)) SendMessageA(window, BM_SETCHECK, state, 0);
}

bool Win32Controls::IsEnabled(int id) const {
  HWND window = Window(id);
  return window != nullptr && IsWindowEnabled(window);
}

void Win32Controls::Enable(int id, bool enabled) {
  if (HWND window = Window(id)) EnableWindow(window, enabled);
}

void Win32Controls::ClearItems(int id) {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (kind == ControlKind::kCombo) SendMessageA(window, CB_RESETCONTENT, 0, 0);
  if (kind == ControlKind::kList) SendMessageA(window, LB_RESETCONTENT, 0, 0);
  if (kind == ControlKind::kReport) SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
}

int Win32Controls::InsertItem(int id, int index, const std::string& text) {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (window == nullptr) return -1;
  int count = ItemCount(id);
  if (index < 0 || index > count) index = count;
  LPARAM lparam = reinterpret_cast<LPARAM>(text.c_str());
  if (kind == ControlKind::kCombo) return static_cast<int>(SendMessageA(window, CB_INSERTSTRING, index, lparam));
  if (kind == ControlKind::kList) return static_cast<int>(SendMessageA(window, LB_INSERTSTRING, index, lparam));
  if (kind != ControlKind::kReport) return -1;
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(SendMessageA(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void Win32Controls::DeleteItem(int id, int index) {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (kind == ControlKind::kCombo) SendMessageA(window, CB_DELETESTRING, index, 0);
  if (kind == ControlKind::kList) SendMessageA(window, LB_DELETESTRING, index, 0);
  if (kind == ControlKind::kReport) SendMessageA(window, LVM_DELETEITEM, index, 0);
}

int Win32Controls::ItemCount(int id) const {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (window == nullptr) return 0;
  UINT message = kind == ControlKind::kCombo  ? CB_GETCOUNT
                 : kind == ControlKind::kList ? LB_GETCOUNT
                                              : LVM_GETITEMCOUNT;
  int count = static_cast<int>(SendMessageA(window, message, 0, 0));
  return count < 0 ? 0 : count;
}

std::string Win32Controls::ItemText(int id, int index) const {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (window == nullptr || index < 0 || index >= ItemCount(id)) return std::string();
  if (kind == ControlKind::kReport) return ListViewText(window, index, 0);
  bool combo = kind == ControlKind::kCombo;
  LRESULT length = SendMessageA(window, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
  std::string text(length + 1, '\0');
  SendMessageA(window, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(length);
  return text;
}

uintptr_t Win32Controls::ItemData(int id, int index) const {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (window == nullptr || index < 0 || index >= ItemCount(id)) return 0;
  if (kind == ControlKind::kCombo) return SendMessageA(window, CB_GETITEMDATA, index, 0);
  if (kind == ControlKind::kList) return SendMessageA(window, LB_GETITEMDATA, index, 0);
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  SendMessageA(window, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.lParam;
}

void Win32Controls::SetItemData(int id, int index, uintptr_t data) {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (kind == ControlKind::kCombo) SendMessageA(window, CB_SETITEMDATA, index, data);
  if (kind == ControlKind::kList) SendMessageA(window, LB_SETITEMDATA, index, data);
  if (kind != ControlKind::kReport) return;
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  item.lParam = data;
  SendMessageA(window, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int Win32Controls::Selection(int id) const {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (window == nullptr) return -1;
  if (kind == ControlKind::kCombo) return static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
  if (kind == ControlKind::kList && !IsExtendedList(window)) {
    return static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
  }
  if (kind == ControlKind::kList) {
    int first = -1;  // the first of the selected items
    return SendMessageA(window, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first)) == 1 ? first : -1;
  }
  return static_cast<int>(SendMessageA(window, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

void Win32Controls::SetSelection(int id, int index) {
  ControlKind kind;
  HWND window = Window(id, &kind);
  if (kind == ControlKind::kCombo) SendMessageA(window, CB_SETCURSEL, index, 0);
  if (kind == ControlKind::kList && !IsExtendedList(window)) SendMessageA(window, LB_SETCURSEL, index, 0);
  if (kind == ControlKind::kList && IsExtendedList(window)) {
    SendMessageA(window, LB_SETSEL, FALSE, -1);
    if (index >= 0) SendMessageA(window, LB_SETSEL, TRUE, index);
    if (index >= 0) SendMessageA(window, LB_SETCARETINDEX, index, FALSE);
  }
  if (kind != ControlKind::kReport) return;
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (index >= 0) SendMessageA(window, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void Win32Controls::AddColumn(int id, const std::string& title, int width) {
  HWND window = Window(id);
  if (window == nullptr) return;
  HWND header = reinterpret_cast<HWND>(SendMessageA(window, LVM_GETHEADER, 0, 0));
  int count = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title.c_str());
  column.cx = width;
  column.iSubItem = count;
  SendMessageA(window, LVM_INSERTCOLUMNA, count, reinterpret_cast<LPARAM>(&column));
}

std::string Win32Controls::CellText(int id, int row, int column) const {
  HWND window = Window(id);
  return window ? ListViewText(window, row, column) : std::string();
}

void Win32Controls::SetCellText(int id, int row, int column, const std::string& text) {
  HWND window = Window(id);
  if (window == nullptr) return;
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(window, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void Win32Controls::SetFocus(int id) {
  if (HWND window = Window(id)) SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
}

void Win32Controls::SetCaret(int id, int position) {
  HWND window = Window(id);
  if (window == nullptr) return;
  SendMessageA(window, EM_SETSEL, position, position);
  SendMessageA(window, EM_SCROLLCARET, 0, 0);
}

}  // namespace zrt::ui::win32
